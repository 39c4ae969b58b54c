#include "flow/page_change.h"

#include "course/demo.h"
#include "course/free_practice.h"
#include "course/layout.h"
#include "course/navigation.h"
#include "course/page_table.h"
#include "course/trial.h"
#include "display/bitmaps.h"
#include "display/hand.h"
#include "display/marks.h"
#include "pages/instruction_page.h"
#include "platform/palette.h"
#include "tutor.h"

namespace {

void Apply(Tutor& tutor, const PageMove& move)
{
    CourseState& course = tutor.course;
    if (move.unmark && course.bHomeShaded)
        RemoveShading(tutor);
    course.nLesson = move.lesson;
    course.nPage = move.page;
    if (move.resetExercise) {
        course.nExLine = 0;
        course.nCharPos = 0;
    }
    if (move.shade != PageMove::kKeepShade)
        course.bHomeShaded = move.shade != 0;
    switch (move.then) {
    case PageMove::Then::Nothing:
        break;
    case PageMove::Then::EraseGuides:
        EraseGuides(tutor);
        break;
    case PageMove::Then::DrawGuides:
        DrawGuides(tutor);
        break;
    case PageMove::Then::HandOnTrialKey:
        DrawHandAtKey(tutor, TrialKey(tutor.course, 0));
        break;
    }
}

void Redraw(Tutor& tutor)
{
    const CourseState& course = tutor.course;
    const pages::PageRecord* page = pages::CurrentPage(course);
    if (page && pages::HasPanel(*page))
        StopDemo(tutor);   // the start screen is left: its demonstration ends
    // A hand still struck (the key trial's, when the learner jumps away from it) must not
    // come back with the keyboard of a page that shows none.
    LiftHand(tutor);
    const Rect frame = FrameRect(tutor);
    PlaceColumn(tutor, page ? page->lesson : course.nLesson, page ? page->page : course.nPage);
    ClearRect(tutor.screen, frame);
    const bool wideEnough = tutor.ClientWidth() > PanelThreshold(course.nFontSize);
    if (page && !pages::HasPanel(*page)) {
        tutor.screen.Fill(frame, palette::kBackground);
        if (wideEnough)
            EraseFrame(tutor.screen, frame);
    } else if (wideEnough) {
        DrawRaisedFrame(tutor.screen, frame);
    }
    if (page && pages::RestoresKeyboard(*page)) {
        if (course.bHomeShaded)
            DrawKeyboard(tutor);
        else
            DrawHomeHand(tutor);
    }
    DrawInstructionPage(tutor);
}

}  // namespace

void ChangePage(Tutor& tutor, int dir)
{
    if (dir != 0) {
        if (Dictating(tutor.course))
            tutor.clock.KillTimer(kDictationTimer);
        if (tutor.course.practicing != Practice::None) {   // back to the course page left
            tutor.course.practicing = Practice::None;
            tutor.course.nExLine = 0;
            tutor.course.nCharPos = 0;
            Redraw(tutor);
            return;
        }
        const PageMove move = NextPage(tutor.course, dir);
        if (move.outcome != PageMove::Outcome::Moved) {
            tutor.speaker.Beep();
            if (move.outcome == PageMove::Outcome::EndOfCourse)
                tutor.dialogs.ShowNotice(Notice::EndOfCourse);
            return;
        }
        Apply(tutor, move);
    }
    Redraw(tutor);
}

void DrawPageHand(Tutor& tutor)
{
    const CourseState& course = tutor.course;
    const pages::PageRecord* page = pages::CurrentPage(course);
    switch (page ? page->hand : pages::HandShown::Home) {
    case pages::HandShown::Home:
        DrawHomeHand(tutor);
        break;
    case pages::HandShown::Unmarked:
        if (!course.bHomeShaded)
            DrawHomeHand(tutor);
        break;
    case pages::HandShown::Off:
        break;
    case pages::HandShown::OnKey:
        if (course.nExLine >= 0 && course.nExLine < kTrialSteps - 1)
            DrawHandAtKey(tutor, TrialKey(tutor.course, course.nExLine));
        else if (course.nExLine == kTrialSteps - 1)
            DrawHomeHand(tutor);
        break;
    }
}

bool StartPractice(Tutor& tutor, Practice kind)
{
    CourseState& course = tutor.course;
    if (kind == Practice::Words && TaughtCharacters(tutor.resources.strings, course.nLesson, course.bLeftHand).empty())
        return false;
    if (Dictating(course))
        tutor.clock.KillTimer(kDictationTimer);
    if (course.bHomeShaded)
        RemoveShading(tutor);
    course.bHomeShaded = false;
    course.practicing = kind;
    course.nExLine = 0;
    course.nCharPos = 0;
    ChangePage(tutor, 0);
    return true;
}
