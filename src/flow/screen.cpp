#include "flow/screen.h"

#include "display/bitmaps.h"
#include "display/hand.h"
#include "display/keymap.h"
#include "flow/page_change.h"
#include "tutor.h"

namespace {

constexpr int kDemoDelayMs = 800;

}  // namespace

void UpdateMainWindow(Tutor& tutor)
{
    DisplayState& display = tutor.display;
    CalcScreenLayout(tutor);
    SetKeyRects(tutor);
    tutor.typingArea.MoveTypingArea(display.rcTypingArea);
    const QSize size = LogicalSize(display.hbmComposite);
    if (!tutor.screen.Copy(&display.hbmComposite, 0, 0, size.width(), size.height(), display.rcKeyboard.left,
                           display.rcKeyboard.top)) {
        tutor.dialogs.ShowMessage({"Unable to update the keyboard. Insufficient memory?", "UpdateMainWindow",
                                   BoxIcon::Exclamation});
        return;
    }
    DrawRaisedFrame(tutor.screen, display.rcKeyboard);
    ChangePage(tutor, 0);
    DrawPageHand(tutor);
    // A fresh start comes alive: the demonstration begins a while after the last paint.
    const DemoState& demo = tutor.demo;
    if (!demo.bDemoDone && demo.nDemoTick == -1 && tutor.course.nLesson == 0 && tutor.shell.szFileName.empty())
        tutor.clock.SetTimer(kDemoTimer, kDemoDelayMs);
}

bool ChangeHand(Tutor& tutor)
{
    LiftHand(tutor);   // the old hand's places are about to be forgotten
    DeleteHandGraphics(tutor);
    if (!CreateHandGraphics(tutor))
        return false;
    DrawKeyboard(tutor);
    SetHandOffsets(tutor);
    tutor.course.nCharPos = 0;
    ChangePage(tutor, 0);
    DrawPageHand(tutor);
    return true;
}
