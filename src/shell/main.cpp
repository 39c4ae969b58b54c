#include "flow/timers.h"
#include "platform/resources.h"
#include "shell/input_filter.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"
#include "shell/startup.h"
#include "tutor.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    // --help, --version and a wrong command line answer on the terminal, before any window
    // or the GUI is started.
    const CommandLine command = ReadCommandLine(argc, argv);
    if (command.exitCode >= 0) {
        std::fputs(command.answer.c_str(), command.exitCode == 0 ? stdout : stderr);
        return command.exitCode;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tastora"));   // names the data folder

    Resources resources = Resources::BuiltIn();
    // On a screen of more device pixels to the pixel, the pictures drawn at twice the size.
    resources.scale = app.devicePixelRatio() > 1 ? 2 : 1;
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(resources.Picture("klvapp.png"))));
    QtSpeaker speaker(resources);
    QtClock clock;
    QtDialogs dialogs;
    MainWindow window(speaker, clock, dialogs, resources);
    Tutor& tutor = window.Tutor();
    StartUp(tutor, command.path, QGuiApplication::primaryScreen()->geometry().width());
    dialogs.SetMainWindow(&window);

    InputFilter filter(tutor, window, [&window](const TypedKey* typed) { window.KeyHandled(typed); });
    clock.SetTimerHandler([&tutor, &window](int id) {
        OnTimer(tutor, id);
        window.ShowChanges();
    });
    app.installEventFilter(&filter);
    if (!window.Create())
        return 1;
    window.Place();
    window.show();
    return QApplication::exec();
}
