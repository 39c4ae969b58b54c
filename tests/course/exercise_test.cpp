#include "course/exercise.h"
#include "course/layout.h"
#include "flow/typing.h"
#include "support/tutor_fixture.h"

#include <algorithm>
#include <string>

namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;
const std::string kLine = "jj hh gg ff ff gg hh jj";

class ExerciseTest : public TutorTest {
protected:
    void SetUp() override
    {
        resources.strings.Set(0, kLine);
        resources.strings.Set(1, "fjf jfj");
        resources.strings.Set(9, "hg");
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
    int CaretLine() const { return RowTop(tutor, tutor.course.nLine) + 4 + tutor.screen.TextHeight(); }
    // Black pixels in the band of the caret line but under the characters [from, to), where
    // the round ends of the pen may reach one pixel further, though not out of the column.
    int CaretInkBesides(int from, int to) const
    {
        const int x0 = std::max(tutor.layout.xText + Width(from) - 1, tutor.layout.xText);
        const int x1 = tutor.layout.xText + Width(to) + 1;
        int black = 0;
        for (int y = CaretLine() - 4; y <= CaretLine() + 4; ++y)
            for (int x = tutor.layout.rcPageArea.left - 4; x < tutor.layout.rcPageArea.right; ++x)
                black += Pixel(x, y) == 0 && (x < x0 || x >= x1);
        return black;
    }
    // The caret underlines the character at p, and nothing else is left on its line.
    void ExpectCaretUnder(int p, const std::string& what) const
    {
        EXPECT_EQ(CaretInkBesides(p, p + 1), 0) << what;
        EXPECT_GE(CaretInkBesides(0, 0), Width(p + 1) - Width(p)) << what;
    }
    int RowInk(int left) const
    {
        const int y = RowTop(tutor, tutor.course.nLine);
        return DarkPixels({left, y, tutor.layout.rcPageArea.right, y + tutor.screen.TextHeight()});
    }
    const CourseState& course = tutor.course;
};

// From the start of the first line: where the keys leave the position, what they count,
// and one caret, under the position, with nothing left where it was before.
TEST_F(ExerciseTest, KeysMoveThePositionAndCountAsTheySay)
{
    const std::string backspace(1, kBackspace), enter(1, kEnter);
    struct Case {
        std::string keys;
        int position, keystrokes, correct, beeps;
    };
    for (const Case& c : {Case{"", 0, 0, 0, 0},                         // the line shown, the caret under j
                          Case{"jx ", 3, 3, 2, 0},                      // a wrong key counts and advances
                          Case{"jx" + backspace, 1, 2, 1, 0},           // Backspace goes back, uncounted
                          Case{"jx" + backspace + "j", 2, 3, 2, 0},     // the key typed again counts again
                          Case{backspace, 0, 0, 0, 1},                  // nothing before the start: a beep
                          Case{"jj" + enter, 2, 2, 2, 0},               // Enter inside the line: nothing
                          Case{kLine + "jj", 23, 25, 23, 0}}) {         // after the end: wrong, no caret
        tutor.course.nCharPos = tutor.course.nKeystrokes = tutor.course.nCorrect = 0;
        host.beeps = 0;
        GoTo(2, 2);
        Type(c.keys);
        EXPECT_EQ(course.nCharPos, c.position) << c.keys;
        EXPECT_EQ(course.nKeystrokes, c.keystrokes) << c.keys;
        EXPECT_EQ(course.nCorrect, c.correct) << c.keys;
        EXPECT_EQ(host.beeps, c.beeps) << c.keys;
        EXPECT_EQ(course.nExLine, 0) << c.keys;
        if (c.position < course.nLineLen)
            ExpectCaretUnder(c.position, c.keys);
        else
            EXPECT_EQ(CaretInkBesides(0, 0), 0) << c.keys;
    }
    EXPECT_EQ(course.szLine, kLine);
    EXPECT_GT(RowInk(tutor.layout.xText), 50);
}

// Enter at the end of a line writes the next one on the same row, over the longer old one,
// on the column (the first line of a page sits one pixel right of it).
TEST_F(ExerciseTest, EnterAtTheEndBringsTheNextLineOnTheSameRow)
{
    const int y = RowTop(tutor, course.nLine);
    const Rect row{tutor.layout.xText, y, tutor.layout.rcPageArea.right, y + tutor.screen.TextHeight()};
    resources.strings.Set(1, "jj hh gg");
    const QImage first = Area(row);
    Type(kLine + kEnter);
    EXPECT_EQ(course.nExLine, 1);
    EXPECT_EQ(course.szLine, "jj hh gg");
    EXPECT_EQ(course.nKeystrokes, 23);
    ExpectCaretUnder(0, "the next line");
    EXPECT_EQ(RowInk(tutor.layout.xText + Width(8) + 4), 0) << "the longer old line is cleared";
    const QImage second = Area(row);
    const int w = Width(8);
    EXPECT_EQ(first.copy(1, 0, w, row.height()), second.copy(0, 0, w, row.height()));
}

TEST_F(ExerciseTest, EnterAfterTheLastLineMovesOnePageOn)
{
    struct Case {
        int lesson, page, lastLine;
        const char* text;
        int nextLesson, nextPage;
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
    for (const auto& [fontSize, penWidth] : {std::pair{1000, 2}, std::pair{1001, 3}, std::pair{1002, 4}}) {
        tutor.course.nFontSize = fontSize;
        ApplyFont();
        tutor.ResizeClient(800, 560);
        Paint();
        const int x = tutor.layout.xText + Width(1) / 2;
        int thickness = 0;
        for (int y = CaretLine() - 4; y <= CaretLine() + 4; ++y)
            thickness += Pixel(x, y) == 0;
        EXPECT_EQ(thickness, penWidth) << fontSize;
    }
}

}  // namespace
