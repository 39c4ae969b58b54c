#include "shell/history_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QStringList HistoryModuleFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), QDir::cleanPath(program.filePath(QStringLiteral(TASTORA_HISTORY_INSTALL_DIR)))};
}

std::unique_ptr<history::Store> LoadHistory(const QString& folder, const history::Notice& notice,
                                            const QStringList& moduleFolders)
{
    QString why = QStringLiteral("Das Modul libtastora_history.so fehlt.");
    for (const QString& moduleFolder : moduleFolders) {
        const QString path = QDir(moduleFolder).filePath(QStringLiteral("libtastora_history.so"));
        if (!QFileInfo::exists(path))
            continue;
        auto* library = new QLibrary(path);   // never unloaded: the store's code is in it
        const auto create = reinterpret_cast<history::CreateStore>(library->resolve(history::kCreateStoreSymbol));
        if (create)
            return std::unique_ptr<history::Store>(create(folder, notice));
        why = library->errorString();
        delete library;
        break;
    }
    if (notice)
        notice(QStringLiteral("Der Verlauf ist nicht verfügbar: ") + why);
    return nullptr;
}
