#include "history/database.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <map>
#include <utility>

namespace history {
namespace {

// One line of SQL; false with the reason in `error` when it fails.
bool Run(QSqlQuery& query, const QString& sql, QString& error)
{
    if (query.exec(sql))
        return true;
    error = query.lastError().text();
    return false;
}

QString Exec(const QString& connection, const QStringList& statements)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    QString error;
    for (const QString& sql : statements)
        if (!Run(query, sql, error))
            return error;
    return {};
}

// A write that fails leaves the transaction rolled back.
QString Rollback(const QString& connection, QString error)
{
    QSqlQuery(QSqlDatabase::database(connection, false)).exec(QStringLiteral("ROLLBACK"));
    return error;
}

const QStringList kTables{
    QStringLiteral("CREATE TABLE IF NOT EXISTS lines (id INTEGER PRIMARY KEY, finished_at INTEGER NOT NULL, "
                   "left_hand INTEGER NOT NULL, lesson INTEGER NOT NULL, line INTEGER NOT NULL, "
                   "keystrokes INTEGER NOT NULL, errors INTEGER NOT NULL, typing_ms INTEGER NOT NULL)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS keys (line_id INTEGER NOT NULL REFERENCES lines(id), "
                   "expected INTEGER NOT NULL, strikes INTEGER NOT NULL, errors INTEGER NOT NULL, "
                   "correct_ms INTEGER NOT NULL, timed_strikes INTEGER NOT NULL)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS typed_instead (line_id INTEGER NOT NULL REFERENCES lines(id), "
                   "expected INTEGER NOT NULL, typed INTEGER NOT NULL, count INTEGER NOT NULL)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS keys_of_line ON keys(line_id)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS instead_of_line ON typed_instead(line_id)"),
    QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)};

}  // namespace

QString DatabasePath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("verlauf.sqlite"));
}

Database::Database(QString folder, int busyMs) : folder_(std::move(folder)), busyMs_(busyMs)
{
    static std::atomic<int> connections{0};
    name_ = QStringLiteral("tastora-history-%1").arg(++connections);
}

Database::~Database()
{
    Close();
}

void Database::Close()
{
    if (!QSqlDatabase::contains(name_))
        return;
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
    open_ = false;
}

QString Database::Open(bool create)
{
    if (open_)
        return {};
    if (create && !QDir().mkpath(folder_))
        return QStringLiteral("Der Ordner %1 kann nicht angelegt werden").arg(QDir::toNativeSeparators(folder_));
    // Two programs making the database at the same moment would lose one's lines: the one
    // that comes second waits until the first has made it.
    QLockFile making(DatabasePath(folder_) + QStringLiteral(".lock"));
    if (create && !making.tryLock(busyMs_))
        return QStringLiteral("Ein anderes Programm legt den Verlauf gerade an");
    QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    if (!db.isValid())
        return QStringLiteral("Qt kann SQLite nicht öffnen");
    db.setDatabaseName(DatabasePath(folder_));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs_));
    if (!db.open())
        return db.lastError().text();
    // Write-ahead logging: a program reading the history never waits for one writing it.
    QString error = create ? Exec(name_, {QStringLiteral("PRAGMA journal_mode = WAL")}) : QString();
    int version = 0;
    if (error.isEmpty()) {
        QSqlQuery query(db);
        if (Run(query, QStringLiteral("PRAGMA user_version"), error) && query.next())
            version = query.value(0).toInt();
    }
    if (error.isEmpty() && version > kSchemaVersion)
        error = QStringLiteral("Der Verlauf stammt von einer neueren Version des Programms");
    if (error.isEmpty() && create && version < kSchemaVersion) {
        error = Exec(name_, QStringList{QStringLiteral("BEGIN IMMEDIATE")} + kTables + QStringList{"COMMIT"});
        if (!error.isEmpty())
            Rollback(name_, {});
    }
    if (!error.isEmpty()) {
        db = {};
        Close();
        return error;
    }
    open_ = true;
    return {};
}

QString Database::Write(const std::vector<LineRecord>& lines)
{
    if (QString error = Open(true); !error.isEmpty())
        return error;
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    QSqlQuery query(db);
    QString error;
    if (!Run(query, QStringLiteral("BEGIN IMMEDIATE"), error))
        return error;   // another program's lock outlasted the wait
    QSqlQuery line(db), key(db), instead(db);
    line.prepare(QStringLiteral("INSERT INTO lines (finished_at, left_hand, lesson, line, keystrokes, errors, "
                                "typing_ms) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    key.prepare(QStringLiteral("INSERT INTO keys (line_id, expected, strikes, errors, correct_ms, timed_strikes) "
                               "VALUES (?, ?, ?, ?, ?, ?)"));
    instead.prepare(QStringLiteral("INSERT INTO typed_instead (line_id, expected, typed, count) VALUES (?, ?, ?, ?)"));
    const auto fails = [&](QSqlQuery& q, std::initializer_list<QVariant> values) {
        int i = 0;
        for (const QVariant& value : values)
            q.bindValue(i++, value);
        if (q.exec())
            return false;
        error = q.lastError().text();
        return true;
    };
    for (const LineRecord& record : lines) {
        if (fails(line, {qint64(record.finishedAt), int(record.leftHand), record.lesson, record.line,
                         record.keystrokes, record.errors, qint64(record.typingMs)}))
            return Rollback(name_, error);
        const qint64 id = line.lastInsertId().toLongLong();
        for (const KeyCount& count : record.keys) {
            if (fails(key, {id, int(count.expected), count.strikes, count.errors, qint64(count.correctMs),
                            count.timedStrikes}))
                return Rollback(name_, error);
            for (const auto& [typed, times] : count.instead)
                if (fails(instead, {id, int(count.expected), int(typed), times}))
                    return Rollback(name_, error);
        }
    }
    if (!Run(query, QStringLiteral("COMMIT"), error))
        return Rollback(name_, error);
    return {};
}

QString Database::Read(bool leftHand, std::vector<LineRecord>& lines)
{
    lines.clear();
    if (!QFileInfo::exists(DatabasePath(folder_)))
        return {};
    if (QString error = Open(false); !error.isEmpty())
        return error;
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    QSqlQuery query(db);
    QString error;
    if (!Run(query, QStringLiteral("BEGIN"), error))
        return error;
    // Runs a query over the hand's rows; false (the transaction rolled back) when it fails.
    const auto select = [&](const char* sql) {
        query.prepare(QString::fromLatin1(sql));
        query.addBindValue(int(leftHand));
        if (query.exec())
            return true;
        error = Rollback(name_, query.lastError().text());
        return false;
    };
    std::map<qint64, size_t> byId;
    if (!select("SELECT id, finished_at, lesson, line, keystrokes, errors, typing_ms FROM lines "
                "WHERE left_hand = ? ORDER BY finished_at, id"))
        return error;
    while (query.next()) {
        byId[query.value(0).toLongLong()] = lines.size();
        lines.push_back({query.value(1).toLongLong(), leftHand, query.value(2).toInt(), query.value(3).toInt(),
                         query.value(4).toInt(), query.value(5).toInt(), query.value(6).toLongLong(), {}});
    }
    if (!select("SELECT k.line_id, k.expected, k.strikes, k.errors, k.correct_ms, k.timed_strikes "
                "FROM keys k JOIN lines l ON l.id = k.line_id WHERE l.left_hand = ? ORDER BY k.rowid"))
        return error;
    while (query.next()) {
        auto& keys = lines[byId.at(query.value(0).toLongLong())].keys;
        keys.push_back({static_cast<unsigned char>(query.value(1).toInt()), query.value(2).toInt(),
                        query.value(3).toInt(), {}, query.value(4).toLongLong(), query.value(5).toInt()});
    }
    if (!select("SELECT t.line_id, t.expected, t.typed, t.count FROM typed_instead t "
                "JOIN lines l ON l.id = t.line_id WHERE l.left_hand = ? ORDER BY t.rowid"))
        return error;
    while (query.next()) {
        for (KeyCount& key : lines[byId.at(query.value(0).toLongLong())].keys)
            if (key.expected == query.value(1).toInt()) {
                key.instead.emplace_back(static_cast<unsigned char>(query.value(2).toInt()), query.value(3).toInt());
                break;
            }
    }
    query.finish();
    Run(query, QStringLiteral("COMMIT"), error);
    return {};
}

QString Database::Clear(bool leftHand)
{
    if (!QFileInfo::exists(DatabasePath(folder_)))
        return {};
    Close();   // a reading connection does not create the tables
    const QString hand = QString::number(int(leftHand));
    const QString ofHand = QStringLiteral("line_id IN (SELECT id FROM lines WHERE left_hand = %1)").arg(hand);
    QString error = Open(true);
    if (error.isEmpty())
        error = Exec(name_, {QStringLiteral("BEGIN IMMEDIATE"), QStringLiteral("DELETE FROM typed_instead WHERE ") + ofHand,
                             QStringLiteral("DELETE FROM keys WHERE ") + ofHand,
                             QStringLiteral("DELETE FROM lines WHERE left_hand = ") + hand, QStringLiteral("COMMIT")});
    if (!error.isEmpty())
        Rollback(name_, {});
    Close();
    return error;
}

}  // namespace history
