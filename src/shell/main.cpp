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
#include <cstring>

namespace {

constexpr char kUsage[] =
    "Aufruf: tastora [DATEI.klv]\n"
    "\n"
    "Tastora lehrt das blinde Schreiben mit einer Hand: mit der linken oder der rechten\n"
    "Hand, auf einer deutschen Tastatur, in 23 Übungen.\n"
    "\n"
    "  DATEI.klv    mit einer gespeicherten Sitzung beginnen (Hand, Übung,\n"
    "               Einstellungen, Fensterplatz)\n"
    "  --help       diese Hilfe zeigen und beenden\n"
    "  --version    die Versionsnummer zeigen und beenden\n";

// --help and --version answer on the terminal, before any window or the GUI is started.
// Returns the exit code, or -1 if the program is to start.
int AnswerOption(int argc, char* argv[])
{
    if (argc != 2)
        return -1;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::fputs("Tastora " TASTORA_VERSION "\n", stdout);
        return 0;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const int code = AnswerOption(argc, argv); code >= 0)
        return code;
    // The window goes where the session file says, which Wayland does not allow.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);

    Resources resources = Resources::BuiltIn();
    // On a screen of more device pixels to the pixel, the pictures drawn at twice the size.
    resources.scale = app.devicePixelRatio() > 1 ? 2 : 1;
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
    return QApplication::exec();
}
