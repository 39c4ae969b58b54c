#include "session/file_commands.h"
#include "session/session_file.h"
#include "support/tutor_fixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

class FileCommandsTest : public TutorTest {
protected:
    void SetUp() override { Start(); }

    std::string Path(const char* name) const { return QFile::encodeName(directory.filePath(name)).toStdString(); }
    // A session file of a hand, lesson and font size, at 40, 30 - 760, 560.
    std::string File(const char* name, int hand, int lesson, int fontSize = 1000)
    {
        const auto bytes = EncodeSession({static_cast<int16_t>(hand), static_cast<int16_t>(lesson),
                                          static_cast<int16_t>(fontSize), FontSizeRowOf(fontSize).height, 0, 0,
                                          {40, 30, 760, 560}});
        QFile file(directory.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return Path(name);
    }
    QByteArray Bytes(const std::string& path) const
    {
        QFile file(QFile::decodeName(path.c_str()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Work on lesson 5 that no file holds yet.
    void Work()
    {
        tutor.course.nLesson = 5;
        tutor.course.nWorkedLesson = 5;
        tutor.course.nKeystrokes = 7;
    }

    QTemporaryDir directory;
    CourseState& course = tutor.course;
};

// Neu and Öffnen with unsaved work ask first: Ja saves (into the file, or through Speichern
// Unter, whose cancelling stops the command), Nein drops the work, Abbruch stops.
TEST_F(FileCommandsTest, NeuAndOeffnenOfferToSaveUnsavedWork)
{
    struct Case {
        const char* what;
        std::function<void(Tutor&)> command;
        bool hasFile;
        std::vector<SaveAnswer> answers;
        std::vector<const char*> paths;   // chosen in the file dialogs, in order
        bool goesOn;
        bool saved;
    };
    const auto yes = SaveAnswer::Yes, no = SaveAnswer::No, cancel = SaveAnswer::Cancel;
    for (const Case& c : std::vector<Case>{
             {"Neu, Ja with a file", FileNew, true, {yes}, {}, true, true},
             {"Neu, Ja, Speichern Unter", FileNew, false, {yes}, {"neu.klv"}, true, true},
             {"Neu, Ja, Speichern Unter cancelled", FileNew, false, {yes}, {""}, false, false},
             {"Neu, Nein", FileNew, true, {no}, {}, true, false},
             {"Neu, Abbruch", FileNew, true, {cancel}, {}, false, false},
             {"Öffnen, Ja", FileOpen, true, {yes}, {"offen.klv"}, true, true},
             {"Öffnen, Abbruch", FileOpen, true, {cancel}, {"offen.klv"}, false, false},
         }) {
        const std::string saved = File("alt.klv", 0, 3);
        File("offen.klv", 0, 9);
        QFile::remove(directory.filePath("neu.klv"));
        tutor.shell.szFileName = c.hasFile ? saved : std::string();
        tutor.shell.szTitleName = c.hasFile ? "alt.klv" : "";
        Work();
        host.answers = c.answers;
        host.paths.clear();
        for (const char* path : c.paths)
            host.paths.push_back(*path ? Path(path) : std::string());
        c.command(tutor);
        EXPECT_EQ(host.asked.back(), c.hasFile ? "alt.klv" : "") << c.what << ": the question names the file";
        EXPECT_EQ(course.nLesson != 5, c.goesOn) << c.what << ": Neu goes to lesson 0, Öffnen to the file's 9";
        const std::string written = c.hasFile ? saved : Path("neu.klv");
        EXPECT_EQ(Bytes(written).size() == 28 && Bytes(written)[2] == 5, c.saved) << c.what;
    }
}

// Leaving: no question when nothing is unsaved; Ja saves and ends, but a failed write keeps
// the program open so that the work can be saved elsewhere.
TEST_F(FileCommandsTest, LeavingOffersToSaveAndAFailedSaveKeepsTheProgramOpen)
{
    struct Case {
        const char* what;
        bool unsaved;
        const char* file;   // the session's file; "" none
        SaveAnswer answer;
        const char* chosen;  // in Speichern Unter
        bool leaves;
    };
    for (const Case& c : {Case{"saved", false, "", SaveAnswer::Cancel, "", true},
                          Case{"Ja", true, "a.klv", SaveAnswer::Yes, "", true},
                          Case{"Ja, the write fails", true, "kein/ordner.klv", SaveAnswer::Yes, "", false},
                          Case{"Ja, Speichern Unter", true, "", SaveAnswer::Yes, "b.klv", true},
                          Case{"Ja, Speichern Unter cancelled", true, "", SaveAnswer::Yes, "", false},
                          Case{"Nein", true, "a.klv", SaveAnswer::No, "", true},
                          Case{"Abbruch", true, "a.klv", SaveAnswer::Cancel, "", false}}) {
        course.nWorkedLesson = c.unsaved ? 5 : 0;
        tutor.session.nSavedLesson = 0;
        tutor.shell.szFileName = *c.file ? Path(c.file) : std::string();
        host.answers = {c.answer};
        host.asked.clear();
        host.messages.clear();
        host.paths = {*c.chosen ? Path(c.chosen) : std::string()};
        EXPECT_EQ(MayLeave(tutor), c.leaves) << c.what;
        EXPECT_EQ(host.asked.size(), c.unsaved ? 1u : 0u) << c.what;
        EXPECT_EQ(host.messages.size(), std::string(c.what).find("fails") != std::string::npos ? 1u : 0u) << c.what;
    }
}

// Öffnen takes the file's hand, lesson, font size and window; the caption and the check
// mark follow. A file that cannot be read changes nothing.
TEST_F(FileCommandsTest, OeffnenTakesTheSessionAndAFailedOneChangesNothing)
{
    const std::string right = File("rechts.klv", 1, 7, 1001);
    host.paths = {right};
    FileOpen(tutor);
    EXPECT_EQ(course.bLeftHand, 0);
    EXPECT_FALSE(host.leftHandChecked);
    EXPECT_EQ(tutor.display.hbmHand[keys::kHome], resources.Picture("rhome.png")) << "the right hand's pictures";
    EXPECT_EQ(course.nLesson, 7);
    EXPECT_EQ(course.nPage, 2) << "the lesson's start page";
    EXPECT_EQ(host.fontChanges, 1) << "the font follows the file's size";
    EXPECT_EQ(host.window, (Rect{40, 30, 760, 560}));
    EXPECT_EQ(host.caption, "Tastora -- rechts.klv");

    QFile(directory.filePath("kurz.klv")).open(QIODevice::WriteOnly);
    host.paths = {Path("kurz.klv")};
    FileOpen(tutor);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Unable to open, or read, the file 'kurz.klv'.");
    EXPECT_EQ(tutor.shell.szTitleName, "rechts.klv") << "the next question names the file still open";
    EXPECT_EQ(tutor.shell.szFileName, right);
    EXPECT_EQ(host.caption, "Tastora -- rechts.klv");
    EXPECT_EQ(course.nLesson, 7);
}

// Neu right after Öffnen: no question, the start page, the caption without a file; Speichern
// then writes lesson 0 into the opened file, in the session file's bytes.
TEST_F(FileCommandsTest, NeuAfterOeffnenKeepsTheFileForTheNextSave)
{
    const std::string file = File("kurs.klv", 0, 12);
    host.paths = {file};
    FileOpen(tutor);
    FileNew(tutor);
    EXPECT_TRUE(host.asked.empty());
    EXPECT_EQ(course.nLesson, 0);
    EXPECT_EQ(course.nPage, 1);
    EXPECT_EQ(host.caption, "Tastora");
    host.window = {-5, 6, 705, 0x01020304};
    ASSERT_TRUE(FileSave(tutor));
    const unsigned char expected[28] = {0, 0, 0, 0, 0xE8, 0x03, 20, 0, 0, 0, 0, 0, 0xFB, 0xFF,
                                        0xFF, 0xFF, 6, 0, 0, 0, 0xC1, 0x02, 0, 0, 4, 3, 2, 1};
    EXPECT_EQ(Bytes(file), QByteArray(reinterpret_cast<const char*>(expected), 28));
}

}  // namespace
