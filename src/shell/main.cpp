#include "platform/resources.h"
#include "shell/input_filter.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"
#include "shell/startup.h"
#include "tutor.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    // The window goes where the session file says, which Wayland does not allow.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/klvapp.png")));

    const Resources resources = Resources::BuiltIn();
    QtHost host;
    Tutor tutor(host, resources);
    StartUp(tutor, argc > 1 ? argv[1] : "", QGuiApplication::primaryScreen()->geometry().width());

    MainWindow window(tutor);
    host.Attach(&window);
    InputFilter filter(tutor, window, [&window] { window.ShowChanges(); });
    app.installEventFilter(&filter);
    if (!window.Create())
        return 1;
    window.Place();
    window.show();
    return QApplication::exec();
}
