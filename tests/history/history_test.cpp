#include "history/database.h"
#include "history/progress_window.h"
#include "history/store.h"
#include "shell/history_module.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QKeyEvent>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace history {
namespace {

LineRecord Line(bool left, int lesson, int line, int keystrokes, int errors, int64_t ms, std::vector<KeyCount> keys = {})
{
    return {1796000000000 + lesson * 1000 + line, left, lesson, line, keystrokes, errors, ms, std::move(keys)};
}

auto Fields(const LineRecord& l)
{
    return std::tie(l.finishedAt, l.leftHand, l.lesson, l.line, l.keystrokes, l.errors, l.typingMs);
}

std::vector<LineRecord> ReadBack(const QString& folder, bool left)
{
    std::vector<LineRecord> lines;
    EXPECT_EQ(Database(folder, 1000).Read(left, lines), QString());
    return lines;
}

struct Told {
    QStringList notices;
    Notice notice = [this](const QString& text) { notices << text; };
    int Count()
    {
        QCoreApplication::processEvents();
        return int(notices.size());
    }
};

TEST(HistoryStore, KeepsEachHandsLinesWithTheirKeys)
{
    QTemporaryDir dir;
    Told told;
    const LineRecord left = Line(true, 5, 2, 40, 3, 21000, {{'j', 12, 2, {{'h', 1}, {'k', 1}}, 4000, 9}, {' ', 5, 0, {}, 900, 5}});
    {
        SqlStore store(dir.path() + "/neu/tastora", told.notice);
        EXPECT_FALSE(QFile::exists(DatabasePath(dir.path() + "/neu/tastora")));   // not before the first line
        store.Add(left);
        store.Add(Line(false, 7, 0, 10, 0, 5000));
        store.Add(Line(true, 6, 0, 10, 1, 5000, {{'j', 3, 1, {{'u', 1}}, 0, 0}}));
        // Free practice weighs the keys by their sums over the hand's lines, this one's too.
        std::vector<std::tuple<unsigned char, int, int>> totals;
        for (const KeyCount& key : store.KeyTotals(true))
            totals.emplace_back(key.expected, key.strikes, key.errors);
        EXPECT_EQ(totals, (std::vector<std::tuple<unsigned char, int, int>>{{' ', 5, 0}, {'j', 15, 3}}));
    }
    const auto lines = ReadBack(dir.path() + "/neu/tastora", true);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Fields(lines[0]), Fields(left));
    ASSERT_EQ(lines[0].keys.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const KeyCount &got = lines[0].keys[i], &want = left.keys[i];
        EXPECT_EQ(std::tie(got.expected, got.strikes, got.errors, got.instead, got.correctMs, got.timedStrikes),
                  std::tie(want.expected, want.strikes, want.errors, want.instead, want.correctMs, want.timedStrikes));
    }
    EXPECT_EQ(ReadBack(dir.path() + "/neu/tastora", false).size(), 1u);
    EXPECT_EQ(told.Count(), 0);
    auto db = QSqlDatabase::addDatabase("QSQLITE", "version");
    db.setDatabaseName(DatabasePath(dir.path() + "/neu/tastora"));
    ASSERT_TRUE(db.open());
    QSqlQuery version(QStringLiteral("PRAGMA user_version"), db);
    ASSERT_TRUE(version.next());
    EXPECT_EQ(version.value(0).toInt(), kSchemaVersion);
    version = QSqlQuery();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("version");
}

// A database the store cannot use is told once, and the course goes on.
TEST(HistoryStore, TellsOnceWhenTheDatabaseCannotBeWritten)
{
    const std::vector<std::pair<const char*, std::function<QString(const QString&)>>> cases{
        {"garbage", [](const QString& dir) {
             QFile file(DatabasePath(dir));
             file.open(QIODevice::WriteOnly);
             file.write(QByteArray(4096, 'x'));
             return dir;
         }},
        {"folder under a file", [](const QString& dir) {
             QFile(dir + "/datei").open(QIODevice::WriteOnly);
             return dir + "/datei/tastora";
         }},
        {"read-only folder", [](const QString& dir) {
             QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
             return dir;
         }}};
    for (const auto& [name, make] : cases) {
        if (name == std::string("read-only folder") && geteuid() == 0)
            continue;   // the superuser writes anywhere
        QTemporaryDir dir;
        Told told;
        SqlStore store(make(dir.path()), told.notice);
        store.Add(Line(true, 2, 0, 10, 0, 4000));
        store.Flush();
        EXPECT_EQ(told.Count(), 1) << name;
        EXPECT_TRUE(told.notices.value(0).startsWith("Der Verlauf kann nicht gespeichert werden")) << name;
        store.Add(Line(true, 2, 1, 10, 0, 4000));
        store.Flush();
        EXPECT_EQ(told.Count(), 1) << name;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// Another program's lock is waited for; one that outlasts the wait is told, and the line
// goes with the next one.
TEST(HistoryStore, WaitsForAnotherProgramsLockOrTriesAgain)
{
    for (const int busyMs : {5000, 20}) {
        QTemporaryDir dir;
        Told told;
        SqlStore store(dir.path(), told.notice, busyMs);
        store.Add(Line(true, 2, 0, 10, 0, 4000));
        store.Flush();
        {
            auto other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(DatabasePath(dir.path()));
            ASSERT_TRUE(other.open());
            QSqlQuery lock(other);
            ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
            store.Add(Line(true, 2, 1, 10, 0, 4000));   // returns while the lock is held
            if (busyMs < 1000)
                store.Flush();
            else
                QThread::msleep(300);
            ASSERT_TRUE(lock.exec("COMMIT"));
        }
        QSqlDatabase::removeDatabase("other");
        store.Flush();
        EXPECT_EQ(told.Count(), busyMs < 1000) << busyMs;
        store.Add(Line(true, 2, 2, 10, 0, 4000));
        store.Flush();
        EXPECT_EQ(ReadBack(dir.path(), true).size(), 3u) << busyMs;
    }
}

TEST(HistoryStore, TwoProgramsOnOneDatabaseKeepTheirLines)
{
    QTemporaryDir dir;
    Told told;
    {
        SqlStore first(dir.path(), told.notice), second(dir.path(), told.notice);
        for (int line = 0; line < 30; ++line) {
            first.Add(Line(true, 2, line, 10, 0, 4000));
            second.Add(Line(true, 3, line, 10, 0, 4000));
        }
    }
    EXPECT_EQ(ReadBack(dir.path(), true).size(), 60u);
    EXPECT_EQ(told.Count(), 0) << told.notices.join(' ').toStdString();
}

struct ProgressTest : testing::Test {
    QTemporaryDir dir;
    Told told;
    CourseShape course;
    std::unique_ptr<ProgressWindow> window;

    void SetUp() override
    {
        course.keyboard = QImage(300, 100, QImage::Format_RGB32);
        course.keyboard.fill(Qt::white);
        course.keys = {{'j', QRect(0, 0, 40, 40)}, {'J', QRect(0, 0, 40, 40)}, {'f', QRect(50, 0, 40, 40)},
                       {'d', QRect(100, 0, 40, 40)}};
        course.exerciseLines[3] = 2;
        course.exerciseLines[4] = 1;
        SqlStore store(dir.path(), told.notice);
        // Lesson 3: both lines at 95 % or better, one of them again at 90 %.
        store.Add(Line(true, 3, 0, 100, 5, 60000, {{'j', 300, 12, {{'h', 2}, {'k', 7}, {'u', 5}}, 0, 0}}));
        store.Add(Line(true, 3, 1, 100, 10, 40000, {{'j', 12, 0, {}, 0, 0}, {'f', 50, 0, {}, 0, 0}}));
        store.Add(Line(true, 3, 1, 41, 2, 16001));
        // Lesson 4: its one line at 94 %; the right hand is another history.
        store.Add(Line(true, 4, 0, 50, 3, 20000, {{';', 5, 1, {{'"', 1}}, 0, 0}}));
        store.Add(Line(false, 3, 0, 100, 0, 10000));
        store.Flush();
        window = std::make_unique<ProgressWindow>(dir.path(), told.notice, nullptr);
        window->Show(true, course);
    }
};

TEST_F(ProgressTest, ShowsEachLessonsFigures)
{
    const QStringList want[]{{"3", "3", "153", "92 %", "geschafft"}, {"4", "1", "150", "94 %", ""}};
    QTableWidget& table = window->Lessons();
    ASSERT_EQ(table.rowCount(), 2);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(table.item(row, column)->text(), want[row][column]) << row << "," << column;
}

TEST_F(ProgressTest, TellsAKeysFiguresWherePointed)
{
    const std::pair<QPoint, QString> cases[]{{{20, 20}, "j: 312 Anschläge, 3 % Fehler, oft stattdessen: k"},
                                             {{70, 39}, "f: 50 Anschläge, 0 % Fehler"},
                                             {{120, 1}, "d: 0 Anschläge"},
                                             {{45, 20}, ""}};
    for (const auto& [point, tip] : cases)
        EXPECT_EQ(window->KeyTipAt(point), tip) << point.x();
}

// Without a mouse: the arrow keys walk the keys asked for (j, f; not d), and the picture's
// accessible description tells the chosen one's figures.
TEST_F(ProgressTest, TellsAKeysFiguresChosenWithTheArrowKeys)
{
    QWidget& keys = window->Keys();
    const auto press = [&keys](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&keys, &event);
        return keys.accessibleDescription();
    };
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&keys, &focus);
    const QString j = "j: 312 Anschläge, 3 % Fehler, oft stattdessen: k", f = "f: 50 Anschläge, 0 % Fehler";
    EXPECT_EQ(keys.accessibleDescription(), j);
    const std::pair<Qt::Key, QString> walk[]{{Qt::Key_Right, f}, {Qt::Key_Right, f}, {Qt::Key_Left, j}, {Qt::Key_End, f}, {Qt::Key_Home, j}};
    for (const auto& [key, tip] : walk)
        EXPECT_EQ(press(key), tip) << key;
}

TEST_F(ProgressTest, ExportsTheHandsLinesAsCsv)
{
    const QString path = dir.path() + "/export.csv";
    ASSERT_TRUE(window->Export(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], "\xEF\xBB\xBFZeitpunkt;Hand;Lektion;Zeile;Anschl\xC3\xA4ge;Fehler;Tippzeit (ms);"
                       "Anschl\xC3\xA4ge/Min.;Genauigkeit (%);Fehler je Taste\r");
    const QByteArray time = QDateTime::fromMSecsSinceEpoch(1796000004000).toString("yyyy-MM-dd HH:mm:ss").toUtf8();
    EXPECT_EQ(rows[1].left(rows[1].indexOf(';')), QDateTime::fromMSecsSinceEpoch(1796000003000).toString("yyyy-MM-dd HH:mm:ss"));
    EXPECT_EQ(rows[1].mid(rows[1].indexOf(';')), ";links;3;1;100;5;60000;100;95;j:12\r");
    EXPECT_EQ(rows[4], time + ";links;4;1;50;3;20000;150;94;\";:1\"\r");
    EXPECT_EQ(rows[5], "");
}

TEST_F(ProgressTest, ClearsOnlyTheChosenHand)
{
    window->Clear();
    EXPECT_EQ(window->Lessons().item(0, 1)->text(), "0");
    EXPECT_EQ(ReadBack(dir.path(), true).size(), 0u);
    EXPECT_EQ(ReadBack(dir.path(), false).size(), 1u);
}

TEST(HistoryModule, LoadsTheStoreOrTellsWhyNot)
{
    QTemporaryDir dir;
    Told told;
    EXPECT_EQ(LoadHistory(dir.path(), told.notice, {dir.path()}), nullptr);
    ASSERT_EQ(told.notices.size(), 1);
    EXPECT_TRUE(told.notices[0].startsWith("Der Verlauf ist nicht verfügbar: ")) << told.notices[0].toStdString();
    auto store = LoadHistory(dir.path(), told.notice, {dir.path(), TASTORA_MODULE_DIR});
    ASSERT_NE(store, nullptr);
    store->Add(Line(true, 2, 0, 10, 0, 4000));
    store.reset();
    EXPECT_EQ(ReadBack(dir.path(), true).size(), 1u);
}

}  // namespace
}  // namespace history
