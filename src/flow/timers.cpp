#include "flow/timers.h"

#include "tutor.h"

void OnTimer(Tutor& tutor, int id)
{
    // The start-screen demonstration (kDemoTimer) and dictation (kDictationTimer) are
    // served here once they exist; until then a timer that expires is one nothing serves,
    // and it is stopped rather than left to wake the program for ever.
    tutor.host.KillTimer(id);
}
