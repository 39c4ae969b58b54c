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
#include <QTimer>

int main(int argc, char* argv[])
{
    // The window goes where the session file says, which Wayland does not allow.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);

    const Resources resources = Resources::BuiltIn();
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(resources.Picture("klvapp.png"))));
    QtHost host(resources);
    Tutor tutor(host, resources);
    StartUp(tutor, argc > 1 ? argv[1] : "", QGuiApplication::primaryScreen()->geometry().width());

    MainWindow window(tutor);
    host.Attach(&window);
    InputFilter filter(tutor, window, [&window] { window.ShowChanges(); });
    host.SetTimerHandler([&tutor, &window](int id) {
        OnTimer(tutor, id);
        window.ShowChanges();
    });
    app.installEventFilter(&filter);
    if (!window.Create())
        return 1;
    window.Place();
    window.show();
    // Finding the sound device takes a while: not before the window is up.
    QTimer::singleShot(0, [&host] { host.OpenSound(); });
    return QApplication::exec();
}
