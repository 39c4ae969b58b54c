#include "flow/timers.h"

#include "tutor.h"

void OnTimer(Tutor& tutor, int id)
{
    switch (id) {
    default:
        // A timer that nothing here serves would wake the program for ever.
        tutor.host.KillTimer(id);
        break;
    }
}
