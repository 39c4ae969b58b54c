#include "course/exercise.h"

#include "course/layout.h"
#include "course/practice.h"
#include "platform/control_codes.h"
#include "platform/palette.h"
#include "tutor.h"

#include <algorithm>

namespace {

int PrefixWidth(const Tutor& tutor, int characters)
{
    return tutor.screen.TextWidth(std::string_view(tutor.course.szLine).substr(0, static_cast<std::size_t>(characters)));
}

int ExerciseRowTop(const Tutor& tutor)
{
    return RowTop(tutor, tutor.course.nLine);
}

void LoadExerciseLine(Tutor& tutor)
{
    CourseState& course = tutor.course;
    course.szLine = course.practicing == Practice::None ? tutor.resources.strings.Get(course.nExBase + course.nExLine)
                                                        : PracticePageLine(tutor, course.nExLine);
    course.nLineLen = static_cast<int32_t>(course.szLine.size());
}

}  // namespace

KeyOutcome CheckExerciseChar(const CourseState& course, unsigned char c)
{
    using Step = KeyOutcome::Step;
    using Sound = KeyOutcome::Sound;
    const int p = course.nCharPos;
    KeyOutcome outcome{.typed = c};
    if (p < course.nLineLen)
        outcome.expected = static_cast<unsigned char>(course.szLine[static_cast<std::size_t>(p)]);
    if (c == kBackspace) {
        if (p == 0)
            outcome.sound = Sound::Beep;
        else if (!Dictating(course))
            outcome.step = Step::Back;
        return outcome;
    }
    if (c == kEnter) {
        if (p >= course.nLineLen)
            outcome.step = course.nExLine < course.nExLines - 1 ? Step::NextLine : Step::LessonDone;
        return outcome;
    }
    outcome.counted = true;
    outcome.correct = c == outcome.expected;
    if (p >= course.nLineLen) {
        if (Dictating(course))
            outcome.sound = Sound::EnterReminder;
    } else if (outcome.correct) {
        outcome.step = Step::On;
    } else if (Dictating(course)) {
        outcome.sound = Sound::NameExpected;   // refused: the caret stays
    } else {
        outcome.step = Step::On;
        if (course.nErrorTone != kErrorToneOff)
            outcome.sound = Sound::ErrorTone;
    }
    return outcome;
}

void CountKey(CourseState& course, const KeyOutcome& outcome)
{
    course.nKeystrokes += outcome.counted;
    course.nCorrect += outcome.correct;
    if (outcome.step == KeyOutcome::Step::Back)
        --course.nCharPos;
    else if (outcome.step == KeyOutcome::Step::On)
        ++course.nCharPos;
}

// A complete line shows no caret.
void DrawExerciseCaret(Tutor& tutor, bool draw)
{
    const CourseState& course = tutor.course;
    if (course.nCharPos >= course.nLineLen)
        return;
    const int x = tutor.layout.xText;
    const int baseline = ExerciseRowTop(tutor) + 4 + tutor.screen.TextHeight();
    const int pen = FontSizeRowOf(course.nFontSize).caretPen;
    // The round end reaches half the pen beyond the line's start: at the start of a line it
    // would reach out of the text column, where erasing it would leave the page's colour.
    const int x0 = std::max(course.nCharPos >= 1 ? x + PrefixWidth(tutor, course.nCharPos) : x, x + pen / 2);
    const int x1 = x + PrefixWidth(tutor, course.nCharPos + 1);
    tutor.screen.Line({x0, baseline}, {x1, baseline}, Pen{pen, draw ? palette::kBlack : palette::kText});
}

void DrawExerciseLine(Tutor& tutor)
{
    LoadExerciseLine(tutor);
    TextOutLine(tutor.screen, tutor.course.szLine, tutor.layout.xText + 1, ExerciseRowTop(tutor));
    NotePageLine(tutor, tutor.layout.xText + 1, ExerciseRowTop(tutor), tutor.course.szLine, true);
    DrawExerciseCaret(tutor, true);
}

void DrawNextExerciseLine(Tutor& tutor)
{
    CourseState& course = tutor.course;
    const int y = ExerciseRowTop(tutor);
    const Rect row{tutor.layout.rcPageArea.left, y, FrameRect(tutor).right - 1, y + tutor.screen.TextHeight()};
    ClearRect(tutor.screen, row);
    ForgetPageRows(tutor, row.top, row.bottom);
    ++course.nExLine;
    course.nCharPos = 0;
    LoadExerciseLine(tutor);
    TextOutLine(tutor.screen, course.szLine, tutor.layout.xText, y);
    NotePageLine(tutor, tutor.layout.xText, y, course.szLine, true);
    DrawExerciseCaret(tutor, true);
}
