#include "flow/typing.h"

#include "course/exercise.h"
#include "course/keyboard_layout.h"
#include "course/navigation.h"
#include "course/page_table.h"
#include "course/trial.h"
#include "display/hand.h"
#include "flow/page_change.h"
#include "sound/dictation.h"
#include "sound/speech.h"
#include "tutor.h"

namespace {

// Returns true when the page is done and is to be turned.
bool CarryOut(Tutor& tutor, const KeyOutcome& outcome)
{
    using Step = KeyOutcome::Step;
    CourseState& course = tutor.course;
    const bool moves = outcome.step == Step::Back || outcome.step == Step::On;
    if (moves)
        DrawExerciseCaret(tutor, false);
    CountKey(course, outcome);
    if (moves)
        DrawExerciseCaret(tutor, true);
    switch (outcome.sound) {
    case KeyOutcome::Sound::None:
        break;
    case KeyOutcome::Sound::Beep:
        tutor.speaker.Beep();
        break;
    case KeyOutcome::Sound::ErrorTone:
        PlayErrorTone(tutor, course.nErrorTone + kErrorTones);
        break;
    case KeyOutcome::Sound::NameExpected:
        tutor.clock.KillTimer(kDictationTimer);
        SpeakKey(tutor, outcome.expected);
        tutor.clock.SetTimer(kDictationTimer, kReminderMs);
        break;
    case KeyOutcome::Sound::EnterReminder:
        PlayRecording(tutor, kEnterReminder);
        break;
    }
    if (outcome.step == Step::On && Dictating(course)) {
        tutor.clock.KillTimer(kDictationTimer);
        AdvanceSayQueue(tutor.sound, course.szLine, course.nCharPos);
        tutor.clock.SetTimer(kDictationTimer, kReminderMs);
    } else if (outcome.step == Step::NextLine) {
        DrawNextExerciseLine(tutor);
        if (Dictating(course)) {
            tutor.clock.KillTimer(kDictationTimer);
            AnnounceFromCaret(tutor);
        }
    } else if (outcome.step == Step::LessonDone) {
        DrawHomeHand(tutor);
    }
    return outcome.step == Step::LessonDone;
}

// Returns true when the trial is complete and the page is to be turned.
bool CarryOut(Tutor& tutor, const TrialOutcome& outcome)
{
    using Kind = TrialOutcome::Kind;
    switch (outcome.kind) {
    case Kind::Outside:
        tutor.speaker.Beep();
        return false;
    case Kind::CapsLock:
    case Kind::Refused:
        if (outcome.kind == Kind::CapsLock) {
            tutor.dialogs.ShowMessage(
                {"The 'CAPS LOCK' key may be down. 'CAPS LOCK' should be up in the early Lessons.",
                 "Caps Lock Warning", BoxIcon::Information});
            tutor.course.bCapsWarned = true;
        } else {
            tutor.speaker.Beep();
        }
        DrawHomeHand(tutor);
        DrawHandAtKey(tutor, outcome.expected);
        return false;
    case Kind::NextStep:
        DrawHomeHand(tutor);
        DrawNextTrialStep(tutor);
        if (tutor.course.nExLine < kTrialSteps - 1)
            DrawHandAtKey(tutor, TrialKey(tutor.course, tutor.course.nExLine));
        return false;
    case Kind::Done:
        DrawHomeHand(tutor);
        DrawHandAtKey(tutor, outcome.expected);
        WaitMs(tutor, 150);
        DrawHomeHand(tutor);
        return true;
    }
    return false;
}

}  // namespace

TypedKey OnCharacter(Tutor& tutor, unsigned char ch)
{
    CourseState& course = tutor.course;
    const pages::PageRecord* page = pages::CurrentPage(course);
    if (!page || page->hand != pages::HandShown::Off) {
        if (course.bHomeShaded)
            RemoveShading(tutor);
        DrawHandAtKey(tutor, ch);
    }
    course.bHomeShaded = false;
    if (course.bExercisePage)
        course.nWorkedLesson = course.nLesson;
    TypedKey typed;
    if (!page)
        return typed;
    bool pageDone = false;
    if (page->kind == pages::Kind::KeyTrial) {
        pageDone = CarryOut(tutor, CheckTrialKey(course, ch));
    } else if (page->kind == pages::Kind::Exercise) {
        if (course.nSoundStudio == kSoundSpeakKeys)
            SpeakKey(tutor, ch);
        else if (course.nSoundStudio == kSoundTypewriter)
            PlayRecording(tutor, kClickRecording);
        typed.outcome = CheckExerciseChar(course, ch);
        typed.finished = CountTypedKey(tutor.stats, course, typed.outcome, tutor.clock.NowMs());
        if (TypedOnOtherLayout(typed.outcome.expected, ch))
            typed.otherLayout = ++tutor.stats.otherLayoutKeys == kOtherLayoutKeys;
        pageDone = CarryOut(tutor, typed.outcome);
    }
    if (pageDone)
        ChangePage(tutor, +1);
    return typed;
}

void OnKeyRelease(Tutor& tutor)
{
    // The key trial draws its own hand.
    const pages::PageRecord* page = pages::CurrentPage(tutor.course);
    if (!page || page->hand != pages::HandShown::OnKey) {
        DrawPageHand(tutor);
        if (Dictating(tutor.course) && tutor.sound.bSayWordPending) {
            SpeakSayQueue(tutor);
            tutor.sound.bSayWordPending = false;
        }
    }
}
