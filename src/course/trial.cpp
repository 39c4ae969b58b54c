#include "course/trial.h"

#include "course/layout.h"
#include "course/page_table.h"
#include "platform/control_codes.h"
#include "tutor.h"

#include <array>

namespace {

constexpr int kEnterStep = 4;

struct TrialStep {
    unsigned char left;
    unsigned char right;
};
constexpr std::array<TrialStep, kTrialSteps> kSteps{{{'j', 'f'}, {'h', 'g'}, {'g', 'h'}, {'f', 'j'}, {kEnter, kEnter}}};

// Lines of the page block: the prompt of step s is line 5 + 2s for the left hand and the
// one after it for the right; the Enter line and the two hands' Enter prompts follow.
constexpr int kPromptLine = 5;
constexpr int kEnterLine = 13;
constexpr int kEnterPromptLeft = 14;
constexpr int kPromptRow = 5;
constexpr int kEnterRow = 3;
constexpr int kTrialTextIndent = 35;
constexpr int kEnterPromptIndent = kTrialTextIndent - 20;

void ClearRow(Tutor& tutor, int row)
{
    const Rect rect = RowRect(tutor.screen, tutor.layout.rcPageArea, RowTop(tutor, row));
    ClearRect(tutor.screen, rect);
    ForgetPageRows(tutor, rect.top, rect.bottom);
}

// The prompt of a step: the key and its finger on row 5, or, for Enter, the line on
// Enter on row 3 and its prompt on row 5.
void DrawPrompt(Tutor& tutor, int block, int step)
{
    const int hand = tutor.course.bLeftHand ? 0 : 1;
    const int x = tutor.layout.xText;
    if (step < kEnterStep) {
        DrawStringLine(tutor, block, kPromptLine + 2 * step + hand, x + tutor.course.dxTrialText,
                       RowTop(tutor, kPromptRow));
    } else {
        DrawStringLine(tutor, block, kEnterLine, x, RowTop(tutor, kEnterRow));
        DrawStringLine(tutor, block, kEnterPromptLeft + hand, x + kEnterPromptIndent, RowTop(tutor, kPromptRow));
    }
}

}  // namespace

unsigned char TrialKey(const CourseState& course, int step)
{
    const TrialStep& keys = kSteps[static_cast<std::size_t>(step)];
    return course.bLeftHand ? keys.left : keys.right;
}

TrialOutcome CheckTrialKey(const CourseState& course, unsigned char c)
{
    using Kind = TrialOutcome::Kind;
    const int step = course.nExLine;
    if (step < 0 || step >= kTrialSteps)
        return {};
    const unsigned char expected = TrialKey(course, step);
    if (c == expected)
        return {step == kEnterStep ? Kind::Done : Kind::NextStep, expected};
    return {c + 32 == expected && !course.bCapsWarned ? Kind::CapsLock : Kind::Refused, expected};
}

void DrawTrialPage(Tutor& tutor, int block)
{
    CourseState& course = tutor.course;
    course.dxTrialText = kTrialTextIndent;
    const int step = course.nExLine;
    if (step < kEnterStep) {
        DrawStringLine(tutor, block, 3, tutor.layout.xText, RowTop(tutor, 3));
        DrawStringLine(tutor, block, 4, tutor.layout.xText, RowTop(tutor, 4));
    }
    if (step >= 0 && step <= kEnterStep)
        DrawPrompt(tutor, block, step);
    course.nLine = static_cast<int16_t>(step <= kEnterStep ? kPromptRow : kEnterRow);
}

void DrawNextTrialStep(Tutor& tutor)
{
    CourseState& course = tutor.course;
    const int step = course.nExLine;
    course.nLine = kPromptRow;
    if (step == kEnterStep - 1) {
        ClearRow(tutor, 3);
        ClearRow(tutor, 4);
    }
    ClearRow(tutor, kPromptRow);
    DrawPrompt(tutor, pages::TrialBlock(), step + 1);
    ++course.nExLine;
}
