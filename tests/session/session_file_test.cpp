#include "session/session_file.h"
#include "support/tutor_fixture.h"

#include "session/session_read_check.h"
#include "session/title_name.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <optional>
#include <random>
#include <sys/wait.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SessionFileTest : public TutorTest {
protected:
    std::string Path(const char* name) const { return (directory.path() + "/" + name).toStdString(); }
    void WriteBytes(const std::string& path, const QByteArray& bytes)
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadBytes(const std::string& path) const
    {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QByteArray Bytes(const SessionRecord& record)
    {
        const auto bytes = EncodeSession(record);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }

    QStringList Entries() const;

    QTemporaryDir directory;
    Rect window;
};

TEST_F(SessionFileTest, RecordLayoutIsLittleEndianWithoutHeader)
{
    const SessionRecord record{1, 23, 1002, 30, 1001, 1006, {-5, 6, 705, 0x01020304}};
    const auto bytes = EncodeSession(record);
    const unsigned char expected[28] = {1, 0, 23, 0, 0xEA, 0x03, 30, 0, 0xE9, 0x03, 0xEE, 0x03, 0xFB, 0xFF,
                                        0xFF, 0xFF, 6, 0, 0, 0, 0xC1, 0x02, 0, 0, 4, 3, 2, 1};
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected));
    EXPECT_EQ(DecodeSession(bytes), record);
}

TEST_F(SessionFileTest, ReadingSetsTheCourseAndTheWindowRectangle)
{
    tutor.course.nKeystrokes = 9;
    tutor.course.nCorrect = 4;
    tutor.course.nExLine = 3;
    // A longer file is read from its first 28 bytes.
    WriteBytes(Path("a.klv"), Bytes({1, 5, 1001, 25, 1002, 1003, {10, 20, 810, 620}}) + QByteArray(12, 'x'));
    ASSERT_TRUE(ReadSessionFile(tutor, Path("a.klv"), window));
    EXPECT_EQ(tutor.course.bLeftHand, 0);
    EXPECT_EQ(tutor.course.nLesson, 5);
    EXPECT_EQ(tutor.course.nPage, 1);
    EXPECT_EQ(tutor.course.bHomeShaded, 1);
    EXPECT_EQ(tutor.course.nFontSize, 1001);
    EXPECT_EQ(tutor.layout.cyLine, 25);
    EXPECT_EQ(tutor.course.nSoundStudio, 1002);
    EXPECT_EQ(tutor.course.nErrorTone, 1003);
    EXPECT_EQ(window, (Rect{10, 20, 810, 620}));
    EXPECT_EQ(tutor.course.nKeystrokes, 0);
    EXPECT_EQ(tutor.course.nCorrect, 0);
    EXPECT_EQ(tutor.course.nExLine, 0);
    EXPECT_EQ(tutor.course.nWorkedLesson, 5);
    EXPECT_EQ(tutor.session.nSavedLesson, 5);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SessionFileTest, ShortFilesAndUnknownSettingsAreRefusedAndChangeNothing)
{
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const QByteArray good = Bytes({0, 5, 1000, 20, 0, 0, {5, 5, 705, 505}});
    const std::vector<Case> cases{
        {"27 bytes", good.left(27)},
        {"empty", QByteArray()},
        {"lesson 24", Bytes({0, 24, 1000, 20, 0, 0, {}})},
        {"lesson -1", Bytes({0, -1, 1000, 20, 0, 0, {}})},
        {"font 999", Bytes({0, 5, 999, 20, 0, 0, {}})},
        {"font 1003", Bytes({0, 5, 1003, 20, 0, 0, {}})},
        {"sound 1", Bytes({0, 5, 1000, 20, 1, 0, {}})},
        {"sound 1003", Bytes({0, 5, 1000, 20, 1003, 0, {}})},
        {"tone 999", Bytes({0, 5, 1000, 20, 0, 999, {}})},
        {"tone 1007", Bytes({0, 5, 1000, 20, 0, 1007, {}})},
    };
    tutor.shell.szTitleName = "b.klv";
    for (const Case& c : cases) {
        WriteBytes(Path("b.klv"), c.bytes);
        EXPECT_EQ(ReadSessionAndCheck(tutor, host, Path("b.klv")), "") << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what << ": refused";
        EXPECT_EQ(host.messages[0].text, "Unable to open, or read, the file 'b.klv'.");
        EXPECT_FALSE(host.messages[0].owned);
    }
}

// What the reader's fuzz target found worth keeping: each file is taken with settings the
// program knows, or refused whole.
TEST_F(SessionFileTest, EveryFileOfTheFuzzCorpusIsTakenSoundOrRefusedWhole)
{
    const QDir corpus(TASTORA_SOURCE_DIR "/tests/fuzz/corpus");
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GE(names.size(), 4);
    qsizetype taken = 0;
    for (const QString& name : names) {
        EXPECT_EQ(ReadSessionAndCheck(tutor, host, QFile::encodeName(corpus.filePath(name)).toStdString()), "")
            << name.toStdString();
        taken += host.messages.empty();
    }
    EXPECT_GT(taken, 0) << "files taken";
    EXPECT_LT(taken, names.size()) << "files refused";
}

TEST_F(SessionFileTest, WhatIsNoRegularFileIsRefusedWithoutWaitingForAWriter)
{
    struct Case {
        const char* name;
        int (*make)(const char* path);
    };
    for (const Case& c : {Case{"fifo.klv", [](const char* path) { return mkfifo(path, 0600); }},
                          Case{"folder.klv", [](const char* path) { return mkdir(path, 0700); }}}) {
        const std::string path = Path(c.name);
        ASSERT_EQ(c.make(path.c_str()), 0) << c.name;
        tutor.shell.szTitleName = c.name;
        host.messages.clear();
        window = {1, 2, 3, 4};
        auto reading = std::async(std::launch::async, [&] { return ReadSessionFile(tutor, path, window, false); });
        if (reading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << c.name << ": the reader waits for a writer";
            close(open(path.c_str(), O_WRONLY | O_NONBLOCK));   // lets it go, so the test ends
        }
        EXPECT_FALSE(reading.get()) << c.name;
        ASSERT_EQ(host.messages.size(), 1u) << c.name;
        EXPECT_EQ(host.messages[0].title, "READ FILE ERROR");
        EXPECT_EQ(host.messages[0].text, "Unable to open, or read, the file '" + std::string(c.name) + "'.");
        EXPECT_EQ(window, (Rect{1, 2, 3, 4})) << c.name;
    }
}

TEST_F(SessionFileTest, AnyNonZeroHandIsTheRightHandAndIsWrittenBackAsOne)
{
    WriteBytes(Path("d.klv"), Bytes({5, 2, 1002, 20, 0, 0, {5, 5, 805, 605}}));
    ASSERT_TRUE(ReadSessionFile(tutor, Path("d.klv"), window));
    EXPECT_EQ(tutor.course.bLeftHand, 0);
    EXPECT_EQ(tutor.course.nPage, 2);
    EXPECT_EQ(tutor.layout.cyLine, 30) << "the row height follows the font size";
    ASSERT_TRUE(WriteSessionFile(tutor, Path("e.klv"), {7, 8, 807, 608}));
    EXPECT_EQ(ReadBytes(Path("e.klv")), Bytes({1, 2, 1002, 30, 0, 0, {7, 8, 807, 608}}));
}

// Every name under the test's folder, to see that a write leaves nothing behind.
QStringList SessionFileTest::Entries() const
{
    QStringList names;
    QDirIterator it(directory.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << it.next();
    names.sort();
    return names;
}

TEST_F(SessionFileTest, SavingReplacesTheFileWholeKeepingItsLinkAndMode)
{
    struct Case {
        const char* what;
        std::string name;     // given to the writer
        std::string target;   // the file that holds the bytes
        mode_t mode;
        mode_t folderMode;    // of the target's folder; 0: as made
    };
    const std::string longName = std::string(248, 'g') + ".klv";   // no room for a temporary name beside it
    const std::vector<Case> cases{
        {"a plain file", "f.klv", "f.klv", 0644, 0},
        {"a link", "link.klv", "real/target.klv", 0640, 0},
        {"a private file", "private.klv", "private.klv", 0600, 0},
        {"a long name", longName, longName, 0644, 0},
        {"a read-only folder", "locked/l.klv", "locked/l.klv", 0644, 0555},
    };
    const QByteArray saved = Bytes({0, 9, 1000, 20, 0, 0, {7, 8, 807, 608}});
    for (const Case& c : cases) {
        const std::string path = Path(c.name.c_str()), target = Path(c.target.c_str());
        const QString folder = QFileInfo(QString::fromStdString(target)).path();
        ASSERT_TRUE(QDir().mkpath(folder));
        WriteBytes(target, QByteArray(50, 'o'));
        ASSERT_EQ(chmod(target.c_str(), c.mode), 0);
        if (path != target) {
            ASSERT_EQ(symlink(c.target.c_str(), path.c_str()), 0);   // relative to its folder
        }
        if (c.folderMode) {
            ASSERT_EQ(chmod(folder.toLocal8Bit().constData(), c.folderMode), 0);
        }
        const QStringList before = Entries();
        tutor.course.nLesson = 9;
        tutor.course.nWorkedLesson = 9;
        tutor.session.nSavedLesson = 0;

        EXPECT_TRUE(WriteSessionFile(tutor, path, {7, 8, 807, 608})) << c.what;
        chmod(folder.toLocal8Bit().constData(), 0755);
        EXPECT_EQ(ReadBytes(target), saved) << c.what;
        struct stat status {};
        ASSERT_EQ(stat(target.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.mode) << c.what;
        EXPECT_EQ(QFileInfo(QString::fromStdString(path)).isSymLink(), path != target) << c.what;
        EXPECT_EQ(Entries(), before) << c.what;
        EXPECT_EQ(tutor.session.nSavedLesson, 9) << c.what;
    }
    EXPECT_TRUE(host.messages.empty());
}

// Lets no file grow beyond a few bytes while it lives, so that a write fails as on a full
// disk, even for root.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = 10;
        setrlimit(RLIMIT_FSIZE, &small);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit old_{};
    void (*signal_)(int) = nullptr;
};

TEST_F(SessionFileTest, AFailedSaveKeepsWhatWasThereAndTheSessionUnsaved)
{
    struct Case {
        const char* what;
        const char* name;
        bool diskFull;
    };
    const QByteArray old = Bytes({0, 3, 1000, 20, 0, 0, {5, 5, 705, 505}});
    WriteBytes(Path("full.klv"), old);
    ASSERT_TRUE(QDir(directory.path()).mkdir("folder.klv"));
    for (const Case& c : {Case{"a full disk", "full.klv", true}, Case{"a folder", "folder.klv", false},
                          Case{"a missing folder", "missing/h.klv", false}}) {
        const std::string title = ExtractTitleName(c.name);
        tutor.shell.szTitleName = title;
        tutor.course.nLesson = 9;
        tutor.course.nWorkedLesson = 9;
        host.messages.clear();
        const int beeps = host.beeps;
        const QStringList before = Entries();
        bool written = true;
        {
            std::optional<FileSizeLimit> limit;
            if (c.diskFull)
                limit.emplace();
            written = WriteSessionFile(tutor, Path(c.name), {7, 8, 807, 608});
        }
        EXPECT_FALSE(written) << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_EQ(host.messages[0].title, "WRITE FILE ERROR");
        EXPECT_EQ(host.messages[0].text, "Unable to open, or write to, the file '" + title + "'.");
        EXPECT_EQ(host.beeps, beeps + 1);
        EXPECT_EQ(tutor.session.nSavedLesson, 0) << c.what;
        EXPECT_EQ(Entries(), before) << c.what;
    }
    EXPECT_EQ(ReadBytes(Path("full.klv")), old);
}

}  // namespace

namespace {

// Waits at most ten seconds for a killed child to end.
bool Reaped(pid_t child)
{
    for (int i = 0; i < 10000; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return true;
        usleep(1000);
    }
    return false;
}

// A save killed at any moment leaves the file whole: the old record or the new one, never a
// part of either. A kill between making the temporary file and renaming it over the file
// leaves the temporary behind (reported as the test's property temporaries_left), named
// after the file; nothing else is left.
TEST_F(SessionFileTest, ASaveKilledAtAnyMomentLeavesTheFileWhole)
{
    const std::string path = Path("kill.klv");
    const SessionRecord records[2] = {{0, 3, 1000, 20, 0, 0, {5, 5, 705, 505}},
                                      {1, 9, 1002, 30, 1002, 1001, {7, 8, 807, 608}}};
    WriteBytes(path, Bytes(records[0]));
    const QRegularExpression temporary("^kill\\.klv\\.[A-Za-z0-9]{6}$");
    std::mt19937 random(7);
    int held[2] = {};
    int temporaries = 0;
    for (int round = 0; round < 200; ++round) {
        const pid_t writer = fork();
        if (writer == 0) {   // saves the two sessions in turn, the other one first, until killed
            for (int i = 1; i < 100000; ++i) {
                const SessionRecord& record = records[i % 2];
                tutor.course.bLeftHand = record.hand == 0;
                tutor.course.nLesson = record.lesson;
                tutor.course.nFontSize = record.fontSize;
                tutor.layout.cyLine = record.rowHeight;
                tutor.course.nSoundStudio = record.soundStudio;
                tutor.course.nErrorTone = record.errorTone;
                WriteSessionFile(tutor, path, record.window);
            }
            _exit(0);
        }
        ASSERT_GT(writer, 0);
        usleep(static_cast<useconds_t>(random() % 4000));
        kill(writer, SIGKILL);
        ASSERT_TRUE(Reaped(writer)) << "round " << round;
        const QByteArray bytes = ReadBytes(path);
        const int which = bytes == Bytes(records[0]) ? 0 : bytes == Bytes(records[1]) ? 1 : -1;
        ASSERT_NE(which, -1) << "round " << round << ": " << bytes.size() << " bytes";
        ++held[which];
        const QDir folder(directory.path());
        for (const QString& name : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            if (name == "kill.klv")
                continue;
            ASSERT_TRUE(temporary.match(name).hasMatch()) << "round " << round << " left " << name.toStdString();
            ++temporaries;
            QFile::remove(folder.filePath(name));
        }
    }
    EXPECT_GT(held[0], 0) << "rounds that kept the first record";
    EXPECT_GT(held[1], 0) << "rounds that kept the second record";
    RecordProperty("temporaries_left", temporaries);
}

}  // namespace
