#ifdef TASTORA_WIDGETS
#include <QApplication>
using Application = QApplication;
#else
#include <QGuiApplication>
using Application = QGuiApplication;
#endif

#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);   // settings and data stay out of the user's folders
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
