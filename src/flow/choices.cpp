#include "flow/choices.h"

#include "course/layout.h"
#include "course/navigation.h"
#include "flow/dictation.h"
#include "flow/page_change.h"
#include "tutor.h"

bool GoToLesson(Tutor& tutor, int lesson)
{
    CourseState& course = tutor.course;
    if (lesson < 0 || lesson > kLastLesson) {
        tutor.speaker.Beep();
        tutor.dialogs.ShowMessage({"Nr 23 ist die letzte \xDC" "bung Sie k\xF6nnen nicht weiter als die letzten \xDC"
                                   "bung w\xE4hlen, Nr. 23",
                                   "Tastora", BoxIcon::Stop});
        return false;
    }
    // The marks of the page left are taken away, as a page step does; the lesson jumped to
    // may not draw its keyboard afresh.
    if (course.bHomeShaded)
        RemoveShading(tutor);
    course.nLesson = static_cast<int16_t>(lesson);
    course.practicing = Practice::None;
    course.nCharPos = 0;
    course.nExLine = 0;
    SetLessonStartPage(tutor);
    ChangePage(tutor, 0);
    return true;
}

FontChoice ApplyFontSizeChoice(Tutor& tutor, int fontSize)
{
    if (IsWindowTooNarrow(tutor, fontSize)) {
        tutor.speaker.Beep();
        tutor.dialogs.ShowNotice(Notice::WindowTooSmall);
        return FontChoice::TooBig;
    }
    if (fontSize == tutor.course.nFontSize)
        return FontChoice::Unchanged;
    tutor.course.nFontSize = fontSize;
    UseFontSize(tutor);
    return FontChoice::Applied;
}

bool ApplySoundStudioChoice(Tutor& tutor, int soundStudio)
{
    if (soundStudio == kSoundDictation && tutor.course.nErrorTone != 0) {
        tutor.speaker.Beep();
        tutor.dialogs.ShowNotice(Notice::DictationWhileErrorTones);
        return false;
    }
    tutor.course.nSoundStudio = soundStudio;
    if (soundStudio == kSoundDictation)
        StartDictation(tutor);
    else
        tutor.clock.KillTimer(kDictationTimer);   // announcing ends with dictation
    return true;
}

bool ApplyErrorToneChoice(Tutor& tutor, int errorTone)
{
    if (errorTone != 0 && Dictating(tutor.course)) {
        tutor.speaker.Beep();
        tutor.dialogs.ShowNotice(Notice::ErrorTonesWhileDictation);
        return false;
    }
    tutor.course.nErrorTone = errorTone;
    return true;
}
