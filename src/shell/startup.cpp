#include "shell/startup.h"

#include "session/session_file.h"
#include "session/title_name.h"
#include "tutor.h"

#include <QCommandLineParser>
#include <QFile>

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

// Qt's own options, which QApplication takes out of the command line after this reads it.
constexpr const char* kQtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                               "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                               "style", "stylesheet", "display", "geometry", "name", "title"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

CommandLine UsageError(const QString& what)
{
    return {{}, 2, "tastora: " + what.toStdString() + "\nAufruf: tastora [DATEI.klv]; mehr sagt tastora --help\n"};
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(help);
    parser.addOption(version);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : kQtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return UsageError(unknown.isEmpty() ? parser.errorText()
                                            : QStringLiteral("unbekannte Option '%1'").arg(unknown.front()));
    }
    if (parser.isSet(help))
        return {{}, 0, kUsage};
    if (parser.isSet(version))
        return {{}, 0, "Tastora " TASTORA_VERSION "\n"};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return UsageError(QStringLiteral("nur eine Datei, nicht '%1' und '%2'").arg(files[0], files[1]));
    CommandLine command;
    // The name as it was given: one that is not valid in the locale's encoding still opens.
    for (int i = 1; i < argc && !files.isEmpty(); ++i) {
        if (arguments[i] == files.front()) {
            command.path = argv[i];
            break;
        }
    }
    return command;
}

void StartUp(Tutor& tutor, std::string_view path, int screenWidth)
{
    ShellState& shell = tutor.shell;
    shell.szFileName = std::string(path);
    shell.szTitleName = ExtractTitleName(path);
    shell.rcWindow = kDefaultWindow;
    if (!shell.szFileName.empty() && !ReadSessionFile(tutor, shell.szFileName, shell.rcWindow, false)) {
        shell.szFileName.clear();
        shell.szTitleName.clear();
    }
    if (shell.szFileName.empty() && screenWidth < 650) {
        shell.rcWindow.right = shell.rcWindow.left + 630;
        shell.rcWindow.bottom = shell.rcWindow.top + 460;
    }
}
