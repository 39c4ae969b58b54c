#include "flow/dictation.h"

#include "course/page_table.h"
#include "sound/dictation.h"
#include "tutor.h"

namespace {

// Dictation speaks only where an exercise line is on the page; elsewhere the line it holds
// is a page's text, not keys to type.
bool OnAnnouncePage(const Tutor& tutor)
{
    const pages::PageRecord* page = pages::CurrentPage(tutor.course);
    return page && pages::IsAnnouncePage(*page);
}

}  // namespace

void StartDictation(Tutor& tutor)
{
    if (!OnAnnouncePage(tutor))
        return;
    AnnounceFromCaret(tutor);
}

void OnMainWindowActive(Tutor& tutor, bool active)
{
    if (!Dictating(tutor.course))
        return;
    // At the start of a line the line is announced soon, as when it was first shown (the
    // window becomes active only after its first paint).
    if (!active)
        tutor.clock.KillTimer(kDictationTimer);
    else if (OnAnnouncePage(tutor))
        tutor.clock.SetTimer(kDictationTimer, tutor.course.nCharPos > 0 ? kReminderMs : kFirstAnnouncementMs);
}

void OnMenuOpened(Tutor& tutor)
{
    if (Dictating(tutor.course))
        tutor.clock.KillTimer(kDictationTimer);
}

void OnDictationTimer(Tutor& tutor)
{
    if (!Dictating(tutor.course)) {
        tutor.clock.KillTimer(kDictationTimer);
        return;
    }
    SpeakSayQueue(tutor);
    if (tutor.course.nCharPos == 0) {
        tutor.clock.KillTimer(kDictationTimer);
        tutor.clock.SetTimer(kDictationTimer, kReminderMs);
    }
}
