#include "session/file_commands.h"
#include "session/session_file.h"
#include "session/session_read_check.h"
#include "support/tutor_fixture.h"
#include "flow/choices.h"

#include <QTemporaryDir>

#include <csignal>
#include <filesystem>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <poll.h>
#include <sys/wait.h>

namespace {

class SessionTest : public TutorTest {
protected:
    void SetUp() override { Start(); }
    std::string Path(const std::string& name) const { return name.empty() ? name : directory.path().toStdString() + "/" + name; }
    QByteArray Read(const std::string& name) const
    {
        QFile file(QString::fromStdString(Path(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::string Write(const std::string& name, const QByteArray& bytes) const
    {
        QFile file(QString::fromStdString(Path(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
        return Path(name);
    }
    static QByteArray Bytes(const SessionRecord& record)
    {
        return QByteArray(reinterpret_cast<const char*>(EncodeSession(record).data()), kSessionRecordSize);
    }

    QTemporaryDir directory;
    CourseState& course = tutor.course;
};

// Öffnen takes the file's 28 little-endian bytes, and Speichern writes them back. Neu starts a
// saved session without a file: the start page begins no demonstration, saving asks for a name.
TEST_F(SessionTest, OeffnenSpeichernAndNeu)
{
    const char file[] = {5, 0, 2, 0, '\xEA', 3, 20, 0, '\xE9', 3, '\xEE', 3, '\xFB', '\xFF', '\xFF', '\xFF',
                         6, 0, 0, 0, '\xC1', 2, 0, 0, 4, 3, 2, 1, 'x', 'y'};
    host.paths = {Write("a.klv", QByteArray(file, sizeof file))};
    host.fontChanges = 0;
    FileOpen(tutor);
    EXPECT_EQ(std::tuple(course.bLeftHand, host.leftHandChecked, course.nLesson, course.nPage, course.nFontSize, tutor.layout.cyLine,
                         course.nSoundStudio, course.nErrorTone, host.window, host.caption, host.fontChanges),
              std::tuple(0, false, 2, 2, 1002, 30, 1001, 1006, Rect{-5, 6, 705, 0x01020304}, "Tastora -- a.klv", 1));
    EXPECT_EQ(tutor.display.hbmHand[keys::kHome], resources.Picture("rhome.png")) << "the right hand's pictures";
    ASSERT_TRUE(FileSave(tutor));
    const QByteArray saved = QByteArray("\1\0", 2) + QByteArray(file + 2, 4) + "\x1E" + QByteArray(file + 7, 21);
    EXPECT_EQ(Read("a.klv"), saved);
    host.timers.clear();
    tutor.demo = DemoState{};   // as after a start with a file of lesson 0
    ApplyErrorToneChoice(tutor, 1003), host.answers = {SaveAnswer::No};
    FileNew(tutor);
    EXPECT_EQ(std::tuple(host.asked.size(), course.nLesson, course.nPage, host.caption), std::tuple(1u, 0, 1, "Tastora"));
    EXPECT_TRUE(MayLeave(tutor) && host.asked.size() == 1) << "the new session is to be saved";
    Paint();
    EXPECT_FALSE(host.timers.contains(kDemoTimer)) << "the demonstration is to start";
    EXPECT_FALSE(FileSave(tutor)) << "Speichern Unter, cancelled here, is to ask for a name";
    EXPECT_EQ(Read("a.klv"), saved);
}

// Neu, Öffnen and leaving ask before unsaved work is dropped. Ja saves; a save cancelled or
// failed stops the command as Abbruch does, so nothing is lost.
TEST_F(SessionTest, UnsavedWorkIsOfferedForSaving)
{
    EXPECT_TRUE(MayLeave(tutor) && host.asked.empty()) << "a fresh start asks";
    const auto neu = [](Tutor& t) { FileNew(t); return t.course.nLesson == 0; };   // true: it went on
    const auto open = [](Tutor& t) { FileOpen(t); return t.course.nLesson == 9; };
    const auto leave = [](Tutor& t) { return MayLeave(t); };
    struct Case {   // the session's file, the answer, the file chosen in the dialog, the file saved into
        const char* what; std::function<bool(Tutor&)> command; std::string file; SaveAnswer answer; std::string chosen;
        bool goesOn; std::string saved, message;
    };
    const auto yes = SaveAnswer::Yes, no = SaveAnswer::No, cancel = SaveAnswer::Cancel;
    for (const Case& c : std::vector<Case>{
             {"Neu, Ja, Speichern Unter", neu, "", yes, "neu.klv", true, "neu.klv", ""},
             {"Neu, Ja, the save fails", neu, "kein/alt.klv", yes, "", false, "", "Unable to open, or write to, the file 'alt.klv'."},
             {"Neu, Abbruch", neu, "alt.klv", cancel, "", false, "", ""},
             {"Öffnen, Ja", open, "alt.klv", yes, "offen.klv", true, "alt.klv", ""},
             {"Öffnen, Ja, the save fails", open, "kein/alt.klv", yes, "offen.klv", false, "", "Unable to open, or write to, the file 'alt.klv'."},
             {"leaving, Ja", leave, "alt.klv", yes, "", true, "alt.klv", ""},
             {"leaving, Ja, the save fails", leave, "kein/alt.klv", yes, "", false, "", "Unable to open, or write to, the file 'alt.klv'."},
             {"leaving, Nein", leave, "alt.klv", no, "", true, "", ""}}) {
        Write("alt.klv", Bytes({0, 3, 1000, 20, 0, 0, {}}));
        Write("offen.klv", Bytes({0, 9, 1000, 20, 0, 0, {}}));
        tutor.shell.szFileName = Path(c.file);
        tutor.shell.szTitleName = c.file.empty() ? "" : "alt.klv";
        course.nLesson = course.nWorkedLesson = 5;
        tutor.session.nSavedLesson = 3;
        host = FakeHost();
        host.answers = {c.answer};
        host.paths = {Path(c.chosen)};
        EXPECT_EQ(c.command(tutor), c.goesOn) << c.what;
        EXPECT_EQ(host.asked, std::vector<std::string>{c.file.empty() ? "" : "alt.klv"}) << c.what;
        EXPECT_EQ(host.messages.empty() ? "" : host.messages[0].text, c.message) << c.what;
        EXPECT_EQ(Read(c.saved.empty() ? "alt.klv" : c.saved)[2], c.saved.empty() ? 3 : 5) << c.what;
    }

    // Leaving asks only when the file would hold other settings than it was read or written
    // with, the window's place aside, or an exercise of another lesson was typed.
    struct Change { const char* what; std::function<void()> change; bool asks; };
    for (const Change& c : std::vector<Change>{
             {"the window moved", [&] { host.window = {0, 0, 900, 700}; }, false},
             {"another lesson looked at", [&] { GoToLesson(tutor, 7); }, false},
             {"in another lesson, the same choices applied", [&] {
                  GoToLesson(tutor, 7), ApplyFontSizeChoice(tutor, 1000), ApplySoundStudioChoice(tutor, 0), ApplyErrorToneChoice(tutor, 0);
              }, false},
             {"another lesson typed", [&] { GoToLesson(tutor, 7), course.nWorkedLesson = 7; }, true},
             {"another font size", [&] { ApplyFontSizeChoice(tutor, 1001); }, true},
             {"another sound", [&] { ApplySoundStudioChoice(tutor, kSoundTypewriter); }, true},
             {"another error tone", [&] { ApplyErrorToneChoice(tutor, 1003); }, true},
             {"the other hand", [&] { course.bLeftHand = 0; }, true}}) {
        tutor.shell.szFileName = Write("kurs.klv", Bytes({0, 3, 1000, 20, 0, 0, {5, 5, 705, 505}}));
        ASSERT_TRUE(ReadSessionFile(tutor, tutor.shell.szFileName, host.window));
        c.change();
        host.asked.clear();
        host.answers = {SaveAnswer::Yes, SaveAnswer::Cancel};
        EXPECT_TRUE(MayLeave(tutor)) << c.what;
        EXPECT_EQ(host.asked.size(), c.asks ? 1u : 0u) << c.what;
        EXPECT_TRUE(MayLeave(tutor)) << c.what << ": asks again after the save";
    }
}

// The fuzz corpus, a FIFO and a folder: each is taken sound or refused whole (as its name says
// where it names a hand or a refusal), and a FIFO does not keep the reader waiting.
TEST_F(SessionTest, EveryFileIsTakenSoundOrRefusedWhole)
{
    ASSERT_EQ(mkfifo(Path("refused-fifo").c_str(), 0600) | mkdir(Path("refused-folder").c_str(), 0700), 0);
    std::vector<std::filesystem::path> paths{Path("refused-fifo"), Path("refused-folder")};
    paths.insert(paths.end(), std::filesystem::directory_iterator(TASTORA_SOURCE_DIR "/tests/fuzz/corpus"), {});
    for (const std::filesystem::path& path : paths) {
        const std::string name = path.filename(), file = path;
        tutor.shell.szTitleName = name;
        auto reading = std::async(std::launch::async, [&] { return ReadSessionAndCheck(tutor, host, file); });
        if (reading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << name << ": the reader waits for a writer";
            close(open(file.c_str(), O_WRONLY | O_NONBLOCK));   // lets it go, so the test ends
        }
        EXPECT_EQ(reading.get(), "") << name;
        const std::string shown = host.messages.empty() ? "" : host.messages[0].text, refusal = "Unable to open, or read, the file '" + name + "'.";
        EXPECT_TRUE(name.find('-') == std::string::npos || shown == (name.starts_with("refused-") ? refusal : "")) << name;
    }
}

// A save replaces the file whole, keeping its mode and link, or writes it in place where no
// new file can be made beside it. A failed save, or one to a file the user may not write (root
// may write any: the test acts as nobody), keeps the old bytes. Nothing is left behind.
TEST_F(SessionTest, SavingReplacesTheFileWholeOrKeepsIt)
{
    struct Case { std::string name, target; mode_t mode; bool diskFull, nobody, written; };
    const auto entries = [&] { return QDir(directory.path()).entryList(QDir::AllEntries | QDir::Hidden).size(); };
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{10, limit.rlim_max};   // no file grows beyond 10 bytes, as on a full disk
    std::signal(SIGXFSZ, SIG_IGN);   // a file that grows too large is not written
    ASSERT_EQ(chmod(directory.path().toLocal8Bit(), 0777), 0);
    course.nLesson = course.nWorkedLesson = 9;
    for (const Case& c : {Case{"link.klv", "target.klv", 0640, false, false, true},
                          Case{std::string(252, 'g'), std::string(252, 'g'), 0644, false, false, true},   // no room for a temporary
                          Case{"full.klv", "full.klv", 0644, true, false, false},
                          Case{"readonly.klv", "readonly.klv", 0444, false, true, false}}) {
        Write(c.target, QByteArray(50, 'o'));
        ASSERT_EQ(chmod(Path(c.target).c_str(), c.mode), 0);
        ASSERT_TRUE(c.name == c.target || symlink(c.target.c_str(), Path(c.name).c_str()) == 0);
        const auto before = entries();
        tutor.session.nSavedLesson = 0;
        host.messages.clear();
        setrlimit(RLIMIT_FSIZE, c.diskFull ? &full : &limit);
        const bool asNobody = c.nobody && geteuid() == 0 && seteuid(65534) == 0;
        const bool written = WriteSessionFile(tutor, Path(c.name), {7, 8, 807, 608});
        ASSERT_TRUE((!asNobody || seteuid(0) == 0) && setrlimit(RLIMIT_FSIZE, &limit) == 0);
        EXPECT_EQ(written, c.written) << c.name;
        EXPECT_EQ(host.messages.empty() ? "" : host.messages[0].text,
                  c.written ? "" : "Unable to open, or write to, the file ''.") << c.name;
        EXPECT_EQ(tutor.session.nSavedLesson, c.written ? 9 : 0) << c.name;
        EXPECT_EQ(entries(), before) << c.name;
        EXPECT_EQ(Read(c.target), c.written ? Bytes({0, 9, 1000, 20, 0, 0, {7, 8, 807, 608}}) : QByteArray(50, 'o'));
        EXPECT_EQ(std::filesystem::status(Path(c.target)).permissions(), std::filesystem::perms(c.mode)) << c.name;
    }
    EXPECT_EQ(host.beeps, 2);
}

// A save killed at any moment leaves the old record or the new one. A temporary file left
// behind (the property temporaries_left) is named so that it tells whose it is.
TEST_F(SessionTest, ASaveKilledAtAnyMomentLeavesTheFileWhole)
{
    const QByteArray records[2] = {Bytes({0, 3, 1000, 20, 0, 0, {}}), Bytes({0, 9, 1000, 20, 0, 0, {7, 8, 807, 608}})};
    Write("kill.klv", records[0]);
    int held[2] = {}, temporaries = 0, which = 0;
    for (int round = 0; round < 200; ++round) {
        int saved[2];
        ASSERT_EQ(pipe(saved), 0);
        const pid_t writer = fork();
        for (int i = 1; writer == 0; ++i) {   // saves the record the file does not hold, then the other, until killed
            course.nLesson = (which + i) % 2 ? 9 : 3;
            WriteSessionFile(tutor, Path("kill.klv"), (which + i) % 2 ? Rect{7, 8, 807, 608} : Rect{});
            if (i == 1 && write(saved[1], "s", 1) != 1)
                _exit(1);
        }
        ASSERT_GT(writer, 0);
        // On a busy machine the writer may not even start within the wait: it is killed only
        // after its first save, at a moment of the saves that follow.
        pollfd first{saved[0], POLLIN, 0};
        poll(&first, 1, 10000);   // 10 s at most
        close(saved[0]);
        close(saved[1]);
        usleep(static_cast<useconds_t>(round * 1987 % 4000));
        kill(writer, SIGKILL);
        for (int waited = 0; waitpid(writer, nullptr, WNOHANG) != writer && waited < 10000; ++waited)   // 10 s at most
            usleep(1000);
        which = Read("kill.klv") == records[0] ? 0 : Read("kill.klv") == records[1] ? 1 : -1;
        ASSERT_NE(which, -1) << "round " << round << ": " << Read("kill.klv").size() << " bytes";
        ++held[which];
        for (const QString& file : QDir(directory.path()).entryList(QDir::Files | QDir::Hidden)) {
            ASSERT_TRUE(file == "kill.klv" || file.startsWith("kill.klv.tastora-")) << "left " << file.toStdString();
            temporaries += file != "kill.klv" && QFile::remove(directory.filePath(file));
        }
    }
    EXPECT_TRUE(held[0] && held[1]) << "rounds that kept the first record " << held[0] << ", the second " << held[1];
    RecordProperty("temporaries_left", temporaries);
}

}  // namespace
