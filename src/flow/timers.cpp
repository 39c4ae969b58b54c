#include "flow/timers.h"

#include "flow/dictation.h"
#include "tutor.h"

void OnTimer(Tutor& tutor, int id)
{
    switch (id) {
    case kDictationTimer:
        OnDictationTimer(tutor);
        break;
    default:
        // The start-screen demonstration (kDemoTimer) is served here once it exists; a
        // timer that nothing serves is stopped rather than left to wake the program.
        tutor.host.KillTimer(id);
        break;
    }
}
