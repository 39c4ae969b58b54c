#pragma once

#include "history/history.h"

#include <QString>

#include <vector>

namespace history {

// The schema's version, kept in the database's user_version; a database of a later
// version is left alone.
constexpr int kSchemaVersion = 1;

// The database file in a folder.
QString DatabasePath(const QString& folder);

// One connection to the database in a folder, used on the thread that made it. Every call
// returns an empty text on success, else why it failed (the database's own words).
class Database {
public:
    // `busyMs`: how long a call waits for another program's lock before it gives up.
    Database(QString folder, int busyMs);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Keeps lines in one transaction, creating the folder, the file and the tables first.
    QString Write(const std::vector<LineRecord>& lines);
    // A hand's lines in the order they were finished, with their keys; none when there is
    // no database yet.
    QString Read(bool leftHand, std::vector<LineRecord>& lines);
    // Forgets a hand's lines.
    QString Clear(bool leftHand);

private:
    QString Open(bool create);
    void Close();

    QString folder_;
    QString name_;   // the connection's
    int busyMs_;
    bool open_ = false;
};

}  // namespace history
