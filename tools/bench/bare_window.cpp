// A bare Qt window with a menu and a text edit, to measure Tastora's start and keys against.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Neu"));
    window.setCentralWidget(new QPlainTextEdit);
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(700, 500);
    window.show();
    return QApplication::exec();
}
