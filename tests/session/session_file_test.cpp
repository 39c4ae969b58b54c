#include "session/session_file.h"
#include "support/tutor_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <fcntl.h>
#include <future>
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
    WriteBytes(Path("a.klv"), Bytes({1, 5, 1001, 25, 1002, 1003, {10, 20, 810, 620}}));
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
        host.messages.clear();
        const int beeps = host.beeps;
        WriteBytes(Path("b.klv"), c.bytes);
        tutor.course.nLesson = 7;
        tutor.course.nKeystrokes = 3;
        window = {1, 2, 3, 4};
        EXPECT_FALSE(ReadSessionFile(tutor, Path("b.klv"), window, false)) << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_EQ(host.messages[0].title, "READ FILE ERROR");
        EXPECT_EQ(host.messages[0].text, "Unable to open, or read, the file 'b.klv'.");
        EXPECT_FALSE(host.messages[0].owned);
        EXPECT_EQ(host.beeps, beeps + 1);
        EXPECT_EQ(tutor.course.nLesson, 7) << c.what;
        EXPECT_EQ(tutor.course.nKeystrokes, 3) << c.what;
        EXPECT_EQ(window, (Rect{1, 2, 3, 4})) << c.what;
    }
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

TEST_F(SessionFileTest, LongFilesAreReadFromTheirFirst28Bytes)
{
    WriteBytes(Path("c.klv"), Bytes({0, 18, 1000, 20, 0, 1000, {5, 5, 705, 505}}) + QByteArray(12, 'x'));
    ASSERT_TRUE(ReadSessionFile(tutor, Path("c.klv"), window));
    EXPECT_EQ(tutor.course.nLesson, 18);
    EXPECT_EQ(tutor.course.nPage, 1);
    EXPECT_EQ(tutor.course.bHomeShaded, 0);
    EXPECT_EQ(tutor.course.nErrorTone, 1000);
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

TEST_F(SessionFileTest, WritingReplacesTheOldFileWholeAndLeavesNothingElse)
{
    WriteBytes(Path("f.klv"), QByteArray(50, 'o'));
    tutor.course.nLesson = 9;
    tutor.course.nWorkedLesson = 9;
    ASSERT_TRUE(WriteSessionFile(tutor, Path("f.klv"), {5, 5, 705, 505}));
    EXPECT_EQ(ReadBytes(Path("f.klv")).size(), 28);
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files), QStringList{"f.klv"});
    EXPECT_EQ(tutor.session.nSavedLesson, 9);
}

TEST_F(SessionFileTest, AFailedWriteKeepsTheOldFileAndTheSessionUnsaved)
{
    // A name so long that no temporary file can be made beside it.
    const std::string name = std::string(248, 'g') + ".klv";
    const QByteArray old = Bytes({0, 3, 1000, 20, 0, 0, {5, 5, 705, 505}});
    WriteBytes(Path(name.c_str()), old);
    tutor.shell.szTitleName = name;
    tutor.course.nLesson = 9;
    tutor.course.nWorkedLesson = 9;
    EXPECT_FALSE(WriteSessionFile(tutor, Path(name.c_str()), {5, 5, 705, 505}));
    EXPECT_EQ(ReadBytes(Path(name.c_str())), old);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "WRITE FILE ERROR");
    EXPECT_EQ(host.messages[0].text, "Unable to open, or write to, the file '" + name + "'.");
    EXPECT_EQ(tutor.session.nSavedLesson, 0);
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(SessionFileTest, WritingIntoAMissingFolderFails)
{
    tutor.shell.szTitleName = "h.klv";
    EXPECT_FALSE(WriteSessionFile(tutor, Path("missing/h.klv"), {5, 5, 705, 505}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "WRITE FILE ERROR");
    EXPECT_EQ(host.beeps, 1);
}

}  // namespace
