#include "course/trial.h"

#include "course/layout.h"
#include "course/navigation.h"
#include "display/hand.h"
#include "tutor.h"

#include <array>

namespace {

constexpr unsigned char kEnter = 13;

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
constexpr int kTrialBlock = 1064;

int PromptLine(const Tutor& tutor, int step)
{
    return kPromptLine + 2 * step + (tutor.course.bLeftHand ? 0 : 1);
}

int EnterPromptLine(const Tutor& tutor)
{
    return kEnterPromptLeft + (tutor.course.bLeftHand ? 0 : 1);
}

void ClearRow(Tutor& tutor, int row)
{
    ClearRect(tutor.screen, RowRect(tutor.screen, tutor.layout.rcPageArea, RowTop(tutor, row)));
}

}  // namespace

unsigned char TrialKey(const Tutor& tutor, int step)
{
    const TrialStep& keys = kSteps[static_cast<std::size_t>(step)];
    return tutor.course.bLeftHand ? keys.left : keys.right;
}

void DrawTrialPage(Tutor& tutor, int block)
{
    CourseState& course = tutor.course;
    course.dxTrialText = 35;
    const int step = course.nExLine;
    const int x = tutor.layout.xText + course.dxTrialText;
    if (step < 4) {
        DrawStringLine(tutor, block, 3, tutor.layout.xText, RowTop(tutor, 3));
        DrawStringLine(tutor, block, 4, tutor.layout.xText, RowTop(tutor, 4));
        DrawStringLine(tutor, block, PromptLine(tutor, step), x, RowTop(tutor, kPromptRow));
    } else if (step == 4) {
        DrawStringLine(tutor, block, kEnterLine, x, RowTop(tutor, kEnterRow));
        DrawStringLine(tutor, block, EnterPromptLine(tutor), x, RowTop(tutor, kPromptRow));
    }
    course.nLine = static_cast<int16_t>(step <= 4 ? kPromptRow : kEnterRow);
}

void TypeTrialKey(Tutor& tutor, unsigned char c)
{
    CourseState& course = tutor.course;
    const int step = course.nExLine;
    if (step < 0 || step >= kTrialSteps) {
        tutor.host.Beep();
        return;
    }
    const unsigned char expected = TrialKey(tutor, step);
    if (c != expected) {
        if (c + 32 == expected && !course.bCapsWarned) {
            tutor.host.ShowMessage(
                "The 'CAPS LOCK' key may be down. 'CAPS LOCK' should be up in the early Lessons.",
                "Caps Lock Warning", BoxIcon::Information);
            course.bCapsWarned = 1;
        } else {
            tutor.host.Beep();
        }
        DrawHomeHand(tutor);
        DrawHandAtKey(tutor, expected);
        return;
    }
    if (step == 4) {
        DrawHomeHand(tutor);
        DrawHandAtKey(tutor, kEnter);
        WaitMs(tutor, 150);
        DrawHomeHand(tutor);
        ChangePage(tutor, +1);
        return;
    }
    course.nLine = kPromptRow;
    if (step == 3) {
        ClearRow(tutor, 3);
        ClearRow(tutor, 4);
    }
    ClearRow(tutor, kPromptRow);
    DrawHomeHand(tutor);
    const int x = tutor.layout.xText;
    if (step < 3) {
        DrawStringLine(tutor, kTrialBlock, PromptLine(tutor, step + 1), x + course.dxTrialText,
                       RowTop(tutor, kPromptRow));
        DrawHandAtKey(tutor, TrialKey(tutor, step + 1));
    } else {
        DrawStringLine(tutor, kTrialBlock, kEnterLine, x, RowTop(tutor, kEnterRow));
        DrawStringLine(tutor, kTrialBlock, EnterPromptLine(tutor), x + course.dxTrialText - 20,
                       RowTop(tutor, kPromptRow));
    }
    ++course.nExLine;
}
