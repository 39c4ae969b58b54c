#include "flow/timers.h"

#include "course/demo.h"
#include "flow/dictation.h"
#include "tutor.h"

namespace {

constexpr int kDemoTickMs = 60;

// The demonstration's first tick hides the typing area's caret and sets the pace.
void OnDemoTimer(Tutor& tutor)
{
    DemoState& demo = tutor.demo;
    if (demo.nDemoTick == -1) {
        tutor.clock.KillTimer(kDemoTimer);
        tutor.typingArea.ShowTypingCaret(false);
        tutor.clock.SetTimer(kDemoTimer, kDemoTickMs);
    }
    ++demo.nDemoTick;
    DemoStep(tutor);
}

}  // namespace

void OnTimer(Tutor& tutor, int id)
{
    switch (id) {
    case kDemoTimer:
        OnDemoTimer(tutor);
        break;
    case kDictationTimer:
        OnDictationTimer(tutor);
        break;
    default:
        tutor.clock.KillTimer(id);   // nothing serves it: it would wake the program for ever
        break;
    }
}
