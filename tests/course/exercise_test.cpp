#include "course/exercise.h"
#include "course/layout.h"
#include "course/navigation.h"
#include "flow/typing.h"
#include "support/tutor_fixture.h"

#include <string>

namespace {

constexpr unsigned char kBackspace = 8;
constexpr unsigned char kEnter = 13;

class ExerciseTest : public TutorTest {
protected:
    void SetUp() override
    {
        resources.strings.Set(0, "jj hh gg ff ff gg hh jj");
        resources.strings.Set(1, "fjf jfj");
        resources.strings.Set(9, "hg");
        resources.strings.Set(320, "Was, wo?");
        resources.strings.Set(332, "ja");
        Start();
        GoTo(2, 2);
    }
    void GoTo(int lesson, int page)
    {
        tutor.course.nLesson = static_cast<int16_t>(lesson);
        tutor.course.nPage = static_cast<int16_t>(page);
        Paint();
    }
    void Type(const std::string& text)
    {
        for (char c : text)
            TypeExerciseChar(tutor, static_cast<unsigned char>(c));
    }
    int Width(int characters) const
    {
        return tutor.screen.TextWidth(tutor.course.szLine.substr(0, static_cast<std::size_t>(characters)));
    }
    // Black pixels on the caret line under character p.
    int CaretPixels(int p) const
    {
        const int y = RowTop(tutor, tutor.course.nLine) + 4 + tutor.screen.TextHeight();
        const int x0 = tutor.layout.xText + Width(p) + 2, x1 = tutor.layout.xText + Width(p + 1) - 2;
        int black = 0;
        for (int x = x0; x < x1; ++x)
            black += Pixel(x, y) == 0;
        return black;
    }
    int ExerciseRowInk() const
    {
        const int y = RowTop(tutor, tutor.course.nLine);
        return DarkPixels({tutor.layout.xText, y, tutor.layout.rcPageArea.right, y + tutor.screen.TextHeight()});
    }
    const CourseState& course = tutor.course;
};

TEST_F(ExerciseTest, TheExercisePageShowsItsFirstLineWithTheCaretUnderTheFirstCharacter)
{
    EXPECT_EQ(course.szLine, "jj hh gg ff ff gg hh jj");
    EXPECT_EQ(course.nLineLen, 23);
    EXPECT_EQ(course.nLine, 5);
    EXPECT_GT(ExerciseRowInk(), 50);
    EXPECT_GT(CaretPixels(0), 0);
    EXPECT_EQ(CaretPixels(1), 0);
}

// From the start of the first line: where the keys leave the position, what they count,
// and one caret, under the position.
TEST_F(ExerciseTest, KeysMoveThePositionAndCountAsTheySay)
{
    const std::string backspace(1, static_cast<char>(kBackspace)), enter(1, static_cast<char>(kEnter));
    struct Case {
        std::string keys;
        int position, keystrokes, correct, beeps;
    };
    for (const Case& c : {Case{"jx ", 3, 3, 2, 0},                      // a wrong key counts and advances
                          Case{"jx" + backspace, 1, 2, 1, 0},           // Backspace goes back, uncounted
                          Case{"jx" + backspace + "j", 2, 3, 2, 0},     // the key typed again counts again
                          Case{backspace, 0, 0, 0, 1},                  // nothing before the start: a beep
                          Case{"jj" + enter, 2, 2, 2, 0}}) {           // Enter inside the line: nothing
        tutor.course.nCharPos = tutor.course.nKeystrokes = tutor.course.nCorrect = 0;
        host.beeps = 0;
        GoTo(2, 2);
        Type(c.keys);
        EXPECT_EQ(course.nCharPos, c.position) << c.keys;
        EXPECT_EQ(course.nKeystrokes, c.keystrokes) << c.keys;
        EXPECT_EQ(course.nCorrect, c.correct) << c.keys;
        EXPECT_EQ(host.beeps, c.beeps) << c.keys;
        EXPECT_EQ(course.nExLine, 0) << c.keys;
        for (int p = 0; p < 5; ++p)
            EXPECT_EQ(CaretPixels(p) > 0, p == c.position) << c.keys << ": the caret under " << p;
    }
}

TEST_F(ExerciseTest, ACompleteLineShowsNoCaretAndCountsFurtherCharactersAsWrong)
{
    Type(course.szLine);
    EXPECT_EQ(course.nCharPos, 23);
    EXPECT_EQ(course.nCorrect, 23);
    for (int p = 0; p < 23; ++p)
        EXPECT_EQ(CaretPixels(p), 0) << p;
    Type("jj");
    EXPECT_EQ(course.nKeystrokes, 25);
    EXPECT_EQ(course.nCorrect, 23);
    EXPECT_EQ(course.nCharPos, 23);
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(ExerciseTest, EnterAtTheEndBringsTheNextLineOnTheSameRow)
{
    Type(course.szLine);
    Type(std::string(1, static_cast<char>(kEnter)));
    EXPECT_EQ(course.nExLine, 1);
    EXPECT_EQ(course.nCharPos, 0);
    EXPECT_EQ(course.szLine, "fjf jfj");
    EXPECT_EQ(course.nKeystrokes, 23);
    EXPECT_GT(CaretPixels(0), 0);
    const int y = RowTop(tutor, course.nLine);
    const int lineEnd = tutor.layout.xText + Width(7) + 4;
    EXPECT_EQ(DarkPixels({lineEnd, y, tutor.layout.rcPageArea.right, y + tutor.screen.TextHeight()}), 0)
        << "the longer old line is cleared";
}

// The first line of a page is written one pixel right of the column; the lines after it
// on the column.
TEST_F(ExerciseTest, TheFirstLineSitsOnePixelRightOfTheLinesAfterIt)
{
    resources.strings.Set(1, resources.strings.Get(0));
    const int y = RowTop(tutor, course.nLine);
    const Rect row{tutor.layout.xText, y, tutor.layout.rcPageArea.right, y + tutor.screen.TextHeight()};
    const QImage first = Area(row);
    Type(course.szLine + static_cast<char>(kEnter));
    const QImage second = Area(row);
    EXPECT_EQ(first.copy(1, 0, row.width() - 1, row.height()), second.copy(0, 0, row.width() - 1, row.height()));
    EXPECT_NE(first, second);
}

TEST_F(ExerciseTest, EnterAfterTheLastLineMovesOnePageOn)
{
    struct Case {
        int lesson;
        int page;
        int lastLine;
        const char* text;
        int nextLesson;
        int nextPage;
    };
    for (const Case& c : {Case{2, 2, 9, "hg", 2, 3}, Case{22, 2, 12, "ja", 23, 1}}) {
        GoTo(c.lesson, c.page);
        tutor.course.nExLine = static_cast<int16_t>(c.lastLine);
        Paint();
        Type(c.text);
        OnCharacter(tutor, kEnter);
        EXPECT_EQ(course.nLesson, c.nextLesson) << c.lesson;
        EXPECT_EQ(course.nPage, c.nextPage) << c.lesson;
    }
}

TEST_F(ExerciseTest, CaretPenWidthFollowsTheFontSize)
{
    struct Case {
        int fontSize;
        int penWidth;
    };
    for (const Case& c : {Case{1000, 2}, Case{1001, 3}, Case{1002, 4}}) {
        tutor.course.nFontSize = c.fontSize;
        ApplyFont();
        tutor.ResizeClient(800, 560);
        Paint();
        const int x = tutor.layout.xText + Width(1) / 2;
        const int baseline = RowTop(tutor, course.nLine) + 4 + tutor.screen.TextHeight();
        int thickness = 0;
        for (int y = baseline - 4; y <= baseline + 4; ++y)
            thickness += Pixel(x, y) == 0;
        EXPECT_EQ(thickness, c.penWidth) << c.fontSize;
    }
}

}  // namespace
