#include "course/exercise.h"

#include "course/layout.h"
#include "display/hand.h"
#include "platform/control_codes.h"
#include "platform/palette.h"
#include "sound/dictation.h"
#include "sound/speech.h"
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

void Caret(Tutor& tutor, bool draw)
{
    DrawCaret(tutor, tutor.layout.xText, ExerciseRowTop(tutor) + 4, draw);
}

void LoadExerciseLine(Tutor& tutor)
{
    CourseState& course = tutor.course;
    course.szLine = tutor.resources.strings.Get(course.nExBase + course.nExLine);
    course.nLineLen = static_cast<int32_t>(course.szLine.size());
}

// Moves the caret one character on; a complete line shows no caret.
void Advance(Tutor& tutor)
{
    Caret(tutor, false);
    ++tutor.course.nCharPos;
    if (tutor.course.nCharPos < tutor.course.nLineLen)
        Caret(tutor, true);
}

void NextLine(Tutor& tutor)
{
    CourseState& course = tutor.course;
    const int y = ExerciseRowTop(tutor);
    const Rect row{tutor.layout.rcPageArea.left, y, FrameRect(tutor).right - 1, y + tutor.screen.TextHeight()};
    ClearRect(tutor.screen, row);
    ++course.nExLine;
    course.nCharPos = 0;
    LoadExerciseLine(tutor);
    TextOutLine(tutor.screen, course.szLine, tutor.layout.xText, y);
    Caret(tutor, true);
    if (Dictating(tutor.course)) {
        tutor.clock.KillTimer(kDictationTimer);
        AnnounceFromCaret(tutor);
    }
}

}  // namespace

void DrawCaret(Tutor& tutor, int x, int y, bool draw)
{
    const CourseState& course = tutor.course;
    if (course.nCharPos >= course.nLineLen)
        return;
    const int baseline = y + tutor.screen.TextHeight();
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
    Caret(tutor, true);
    if (Dictating(tutor.course))
        AnnounceFromCaret(tutor);
}

bool TypeExerciseChar(Tutor& tutor, unsigned char c)
{
    CourseState& course = tutor.course;
    const int p = course.nCharPos, n = course.nLineLen;
    if (c == kBackspace) {
        if (p == 0) {
            tutor.speaker.Beep();
        } else if (!Dictating(tutor.course)) {
            Caret(tutor, false);
            --course.nCharPos;
            Caret(tutor, true);
        }
        return false;
    }
    if (c != kEnter)
        ++course.nKeystrokes;
    if (p < n) {
        if (c == kEnter)
            return false;
        const auto expected = static_cast<unsigned char>(course.szLine[static_cast<std::size_t>(p)]);
        if (c == expected) {
            ++course.nCorrect;
            Advance(tutor);
            if (Dictating(tutor.course)) {
                tutor.clock.KillTimer(kDictationTimer);
                AdvanceSayQueue(tutor);
                tutor.clock.SetTimer(kDictationTimer, kReminderMs);
            }
        } else if (Dictating(tutor.course)) {
            // Refused: the caret stays, and the key to type is named.
            tutor.clock.KillTimer(kDictationTimer);
            SpeakKey(tutor, expected);
            tutor.clock.SetTimer(kDictationTimer, kReminderMs);
        } else {
            Advance(tutor);
            if (course.nErrorTone != 0)
                PlayErrorTone(tutor, course.nErrorTone + kErrorTones);
        }
        return false;
    }
    if (c != kEnter) {
        if (Dictating(tutor.course))
            PlayRecording(tutor, kEnterReminder);
        return false;
    }
    if (course.nExLine < course.nExLines - 1) {
        NextLine(tutor);
        return false;
    }
    DrawHomeHand(tutor);
    return true;
}
