#include "session/session_file.h"
#include "platform/fonts.h"
#include "course/layout.h"
#include "shell/fonts.h"
#include "shell/startup.h"
#include "session/title_name.h"
#include "support/tutor_fixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <limits>

namespace {

TEST(ExtractTitleName, TakesThePartAfterTheLastSeparator)
{
    struct Case {
        const char* path;
        const char* title;
    };
    for (const Case& c : {Case{"/home/anna/kurs.klv", "kurs.klv"}, Case{"kurs.klv", "kurs.klv"},
                          Case{"C:\\Kurse\\anna.klv", "anna.klv"}, Case{"a/b\\c.klv", "c.klv"},
                          Case{"dir/", ""}, Case{"", ""}}) {
        EXPECT_EQ(ExtractTitleName(c.path), c.title) << c.path;
    }
}

class StartUpTest : public TutorTest {
protected:
    std::string WriteSession(const SessionRecord& record)
    {
        const std::string path = (directory.path() + "/Übung-日本.klv").toStdString();
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        const auto bytes = EncodeSession(record);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        return path;
    }
    QTemporaryDir directory;
};

TEST_F(StartUpTest, WithoutAFileTheDefaultWindowIsUsedAndShrunkOnANarrowScreen)
{
    StartUp(tutor, "", 1280);
    EXPECT_EQ(tutor.shell.rcWindow, (Rect{5, 5, 705, 505}));
    StartUp(tutor, "", 640);
    EXPECT_EQ(tutor.shell.rcWindow, (Rect{5, 5, 635, 465}));
}

TEST_F(StartUpTest, ASessionFileSetsTheWindowEvenOnANarrowScreen)
{
    const std::string path = WriteSession({1, 12, 1001, 25, 0, 0, {40, 30, 760, 560}});
    StartUp(tutor, path, 640);
    EXPECT_EQ(tutor.shell.szFileName, path);
    EXPECT_EQ(tutor.shell.szTitleName, "Übung-日本.klv") << "as the file system spells it";
    EXPECT_EQ(tutor.shell.rcWindow, (Rect{40, 30, 760, 560}));
    EXPECT_EQ(tutor.course.nLesson, 12);
    EXPECT_EQ(tutor.course.bLeftHand, 0);
}

TEST_F(StartUpTest, AnUnreadableFileStartsAsWithoutAFile)
{
    const std::string path = WriteSession({0, 12, 1000, 20, 0, 0, {40, 30, 760, 560}});
    StartUp(tutor, "\"" + path + "\"", 1280);
    EXPECT_TRUE(tutor.shell.szFileName.empty());
    EXPECT_TRUE(tutor.shell.szTitleName.empty());
    EXPECT_EQ(tutor.shell.rcWindow, (Rect{5, 5, 705, 505}));
    EXPECT_EQ(tutor.course.nLesson, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "READ FILE ERROR");
    EXPECT_FALSE(host.messages[0].owned);
}

TEST(FitWindowRect, KeepsAGoodRectangleAndFitsAnyOtherOntoTheScreen)
{
    const Rect screen{0, 24, 1280, 1024};
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    struct Case {
        Rect window;
        bool onScreen;
        Rect fitted;
    };
    for (const Case& c : {Case{{5, 30, 705, 530}, true, {5, 30, 705, 530}},
                          Case{{5, 5, 705, 505}, true, {5, 5, 705, 505}},
                          Case{{-3000, 5, -2300, 505}, false, {0, 24, 700, 524}},
                          Case{{2000, 2000, 2700, 2500}, false, {580, 524, 1280, 1024}},
                          Case{{100, 100, 200, 150}, true, {100, 100, 730, 560}},
                          Case{{1200, 900, 1300, 950}, true, {650, 564, 1280, 1024}},
                          Case{{500, 400, 2500, 700}, true, {0, 400, 1280, 860}},
                          Case{{0, 0, 100000, 100000}, true, {0, 24, 1280, 1024}},
                          Case{{-100000, -100000, 100000, 100000}, true, {0, 24, 1280, 1024}},
                          Case{{kMin, kMin, kMax, kMax}, true, {0, 24, 1280, 1024}},
                          Case{{kMax, kMax, kMin, kMin}, false, {650, 564, 1280, 1024}},
                          Case{{kMin, kMin, kMin + 700, kMin + 500}, false, {0, 24, 700, 524}},
                          Case{{kMax - 700, kMax - 500, kMax, kMax}, false, {580, 524, 1280, 1024}},
                          Case{{0, 0, 1280, 24}, false, {0, 24, 1280, 484}}}) {
        EXPECT_EQ(Intersects(c.window, screen), c.onScreen) << testing::PrintToString(c.window);
        EXPECT_EQ(FitWindowRect(c.window, screen, c.onScreen, {630, 460}), c.fitted) << testing::PrintToString(c.window);
    }
}

// Every font size: its text font is exactly a row high, and the client is too narrow up to
// the widest text column plus its margins.
TEST(FontSizes, FontFillsTheRowAndNarrowEndsPastTheWidestColumn)
{
    for (const FontSizeRow& row : kFontSizes) {
        EXPECT_EQ(QFontMetrics(TextFontForHeight(row.height)).height(), row.height);
        FakeHost host;
        Resources resources;
        Tutor tutor(host, resources);
        const int widest = *std::max_element(row.columnWidth.begin(), row.columnWidth.end());
        tutor.ResizeClient(widest + 40, 500);
        EXPECT_TRUE(IsWindowTooNarrow(tutor, row.fontSize));
        tutor.ResizeClient(widest + 41, 500);
        EXPECT_FALSE(IsWindowTooNarrow(tutor, row.fontSize));
    }
}

}  // namespace
