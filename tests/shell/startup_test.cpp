#include "session/session_file.h"
#include "shell/fonts.h"
#include "shell/startup.h"
#include "support/tutor_fixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <limits>

namespace {

TEST(CommandLine, OptionsWhereverTheyStandAndOneFileAtMost)
{
    struct Case {
        std::vector<const char*> arguments;
        int exitCode;
        const char* answerBegins;
        std::string path;
    };
    for (const Case& c : std::vector<Case>{
             {{}, -1, "", ""},
             {{"Übung \xFF.klv"}, -1, "", "Übung \xFF.klv"},
             {{"--", "--help"}, -1, "", "--help"},
             {{"kurs.klv", "--help", "--version"}, 0, "Aufruf: tastora [DATEI.klv]\n", ""},
             {{"-h"}, 0, "Aufruf: tastora [DATEI.klv]\n", ""},
             {{"kurs.klv", "--version"}, 0, "Tastora ", ""},
             {{"a.klv", "b.klv"}, 2, "tastora: nur eine Datei, nicht 'a.klv' und 'b.klv'\nAufruf:", ""},
             {{"--platform", "a.klv"}, 2, "tastora: unbekannte Option 'platform'\n", ""},
         }) {
        std::vector<const char*> argv{"tastora"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const CommandLine command = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
        const std::string shown = testing::PrintToString(c.arguments);
        EXPECT_EQ(command.exitCode, c.exitCode) << shown;
        EXPECT_EQ(command.answer.substr(0, std::strlen(c.answerBegins)), c.answerBegins) << shown;
        EXPECT_EQ(command.path, c.path) << shown;
    }
}

class StartUpTest : public TutorTest {};

// The session file sets the window even on a narrow screen; an unreadable one starts as
// without a file, and the default window shrinks on a narrow screen.
TEST_F(StartUpTest, TheSessionFileOrTheDefaultWindow)
{
    QTemporaryDir directory;
    const std::string path = (directory.path() + "/Übung-日本.klv").toStdString();
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const auto bytes = EncodeSession({1, 12, 1001, 25, 0, 0, {40, 30, 760, 560}});
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    file.close();
    StartUp(tutor, path, 640);
    EXPECT_EQ(tutor.shell.szTitleName, "Übung-日本.klv") << "as the file system spells it";
    EXPECT_EQ(tutor.shell.rcWindow, (Rect{40, 30, 760, 560}));
    EXPECT_EQ(tutor.course.nLesson, 12);

    StartUp(tutor, path + ".fehlt", 1280);
    EXPECT_EQ(tutor.shell.szFileName, "");
    EXPECT_EQ(tutor.shell.rcWindow, (Rect{5, 5, 705, 505}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "READ FILE ERROR");
    EXPECT_FALSE(host.messages[0].owned) << "no main window yet";
    StartUp(tutor, "", 640);
    EXPECT_EQ(tutor.shell.rcWindow, (Rect{5, 5, 635, 465}));
}

TEST(FitWindowRect, KeepsAGoodRectangleAndFitsAnyOtherOntoTheScreen)
{
    const Rect screen{0, 24, 1280, 1024};
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    struct Case {
        Rect window;
        Rect fitted;
    };
    for (const Case& c : {Case{{5, 30, 705, 530}, {5, 30, 705, 530}}, Case{{-3000, 5, -2300, 505}, {0, 24, 700, 524}},
                          Case{{2000, 2000, 2700, 2500}, {580, 524, 1280, 1024}},
                          Case{{1200, 900, 1300, 950}, {650, 564, 1280, 1024}},
                          Case{{500, 400, 2500, 700}, {0, 400, 1280, 860}},
                          Case{{kMin, kMin, kMax, kMax}, {0, 24, 1280, 1024}},
                          Case{{kMax, kMax, kMin, kMin}, {650, 564, 1280, 1024}}}) {
        EXPECT_EQ(FitWindowRect(c.window, screen, Intersects(c.window, screen), {630, 460}), c.fitted)
            << testing::PrintToString(c.window);
    }
}

}  // namespace
