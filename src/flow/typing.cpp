#include "flow/typing.h"

#include "course/exercise.h"
#include "course/navigation.h"
#include "course/page_table.h"
#include "course/trial.h"
#include "display/hand.h"
#include "flow/page_change.h"
#include "sound/dictation.h"
#include "sound/speech.h"
#include "tutor.h"

void OnCharacter(Tutor& tutor, unsigned char ch)
{
    CourseState& course = tutor.course;
    const pages::PageRecord* page = pages::CurrentPage(course);
    if (!page || page->hand != pages::HandShown::Off) {
        if (course.bHomeShaded)
            RemoveShading(tutor);
        DrawHandAtKey(tutor, ch);
    }
    course.bHomeShaded = 0;
    if (course.bExercisePage)
        course.nWorkedLesson = course.nLesson;
    tutor.shell.bKeyLatch = 1;
    if (!page)
        return;
    bool pageDone = false;
    if (page->kind == pages::Kind::KeyTrial) {
        pageDone = TypeTrialKey(tutor, ch);
    } else if (page->kind == pages::Kind::Exercise) {
        if (course.nSoundStudio == kSoundSpeakKeys)
            SpeakKey(tutor, ch);
        else if (course.nSoundStudio == kSoundTypewriter)
            PlayRecording(tutor, kClickRecording);
        pageDone = TypeExerciseChar(tutor, ch);
    }
    if (pageDone)
        ChangePage(tutor, +1);
}

void OnKeyRelease(Tutor& tutor)
{
    // The key trial draws its own hand.
    const pages::PageRecord* page = pages::CurrentPage(tutor.course);
    if (!page || page->hand != pages::HandShown::OnKey) {
        DrawPageHand(tutor);
        if (Dictating(tutor.course) && tutor.sound.bSayWordPending) {
            SpeakSayQueue(tutor);
            tutor.sound.bSayWordPending = 0;
        }
    }
    tutor.shell.bKeyLatch = 0;
}
