#pragma once

#include "history/history.h"

#include <QString>
#include <QStringList>

#include <memory>

// The folders where the history module is looked for: beside the program (the build folder)
// and the installed library folder.
QStringList HistoryModuleFolders();

// The history store over the database in `folder`, from the history module, loaded now (it
// stays loaded). Null, after telling `notice` why, when the module is missing or unusable.
std::unique_ptr<history::Store> LoadHistory(const QString& folder, const history::Notice& notice,
                                            const QStringList& moduleFolders = HistoryModuleFolders());
