// A bare Qt window with a menu, to measure Tastora's start against.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Neu"));
    window.resize(700, 500);
    window.show();
    return QApplication::exec();
}
