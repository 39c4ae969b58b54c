#include "course/navigation.h"

#include "course/layout.h"
#include "course/trial.h"
#include "display/bitmaps.h"
#include "display/hand.h"
#include "display/marks.h"
#include "pages/instruction_page.h"
#include "platform/palette.h"
#include "tutor.h"

#include <array>
#include <span>

namespace {

enum class Action : uint8_t {
    None,
    Stop,             // beep, stay
    EndOfCourse,      // beep and the end of the course, stay
    Unshade,          // UnShadeTwoKeys if the keys are shaded
    UnshadeGroup4,    // UnShadeKeyGroup(0, 0) if shaded
    UnshadeGroup6,    // UnShadeKeyGroup(1, 1) if shaded
    EraseGuides,
    DrawGuides,
    HandOnTrialKey,   // the hand on the first key of the key trial
};

constexpr int kAny = 0;        // `from`: any page not matched before
constexpr int kStep = -1;      // `page`: the page before or after p in this lesson
constexpr int kKeep = -1;      // `shade`: bHomeShaded stays as it is

// What one arrow key does on one page of a lesson.
struct Move {
    int8_t from;           // the page p this applies to, or kAny
    int8_t lesson;         // -1, 0 or +1: the lesson moved to
    int8_t page;           // page in that lesson, or kStep
    bool reset;            // nExLine = nCharPos = 0
    int8_t shade;          // bHomeShaded afterwards, or kKeep
    Action before;         // done before the page changes
    Action after;          // done after it
};

struct LessonMoves {
    std::array<Move, 4> up;    // first match wins; the list ends with a kAny entry
    std::array<Move, 4> down;
};

// clang-format off
constexpr LessonMoves kStartScreen{   // lesson 0
    {{{1, 0, 0, false, kKeep, Action::Stop, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::None, Action::None}}},
    {{{1, 0, 2, false, kKeep, Action::None, Action::None},
      {kAny, +1, 1, false, kKeep, Action::None, Action::None}}}};
constexpr LessonMoves kIntroduction{   // lesson 1
    {{{1, -1, 1, false, kKeep, Action::None, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::None, Action::None}}},
    {{{3, 0, 4, false, kKeep, Action::None, Action::HandOnTrialKey},
      {4, +1, 2, true, kKeep, Action::None, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::None, Action::None}}}};
constexpr LessonMoves kHomeRow{   // lesson 2
    {{{3, 0, 2, true, kKeep, Action::None, Action::None},
      {kAny, -1, 1, true, kKeep, Action::None, Action::None}}},
    {{{2, 0, 3, false, kKeep, Action::None, Action::None},
      {kAny, +1, 1, true, 1, Action::None, Action::None}}}};
constexpr LessonMoves kGuideLines{   // lesson 3
    {{{1, -1, 2, true, kKeep, Action::None, Action::EraseGuides},
      {3, 0, 2, false, kKeep, Action::Unshade, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::None, Action::None}}},
    {{{2, 0, 3, false, kKeep, Action::None, Action::EraseGuides},
      {3, 0, 4, false, kKeep, Action::Unshade, Action::None},
      {4, +1, 1, true, 1, Action::None, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::None, Action::None}}}};
constexpr LessonMoves kAfterGuides{   // lesson 4
    {{{2, 0, 1, false, kKeep, Action::None, Action::None},
      {kAny, -1, 1, true, 1, Action::Unshade, Action::DrawGuides}}},
    {{{1, 0, 2, false, kKeep, Action::Unshade, Action::None},
      {kAny, +1, 1, true, 1, Action::None, Action::None}}}};
constexpr LessonMoves kNewKeys{   // lessons 5, 9, 13, 14, 15, 16, 20
    {{{2, 0, 1, false, kKeep, Action::None, Action::None},
      {kAny, -1, 1, true, 1, Action::Unshade, Action::None}}},
    {{{1, 0, 2, false, kKeep, Action::Unshade, Action::None},
      {kAny, +1, 1, true, 1, Action::None, Action::None}}}};
constexpr LessonMoves kBeforeRevision{   // lessons 6, 10, 21: on to a one-page lesson
    kNewKeys.up,
    {{{1, 0, 2, false, kKeep, Action::Unshade, Action::None},
      {kAny, +1, 2, true, 0, Action::None, Action::None}}}};
constexpr LessonMoves kBeforeMethod{   // lesson 17: on to page 1 of lesson 18
    kNewKeys.up,
    {{{1, 0, 2, false, kKeep, Action::Unshade, Action::None},
      {kAny, +1, 1, true, 0, Action::None, Action::None}}}};
constexpr LessonMoves kRevision{   // lessons 7, 11, 22
    {{{kAny, -1, 1, true, 1, Action::None, Action::None}}},
    {{{kAny, +1, 1, true, 1, Action::None, Action::None}}}};
constexpr LessonMoves kAfterRevision{   // lesson 8: back to the one page of lesson 7
    {{{2, 0, 1, false, kKeep, Action::None, Action::None},
      {kAny, -1, 2, true, 0, Action::Unshade, Action::None}}},
    kNewKeys.down};
constexpr LessonMoves kAfterMethod{   // lesson 19: back to page 1 of lesson 18
    {{{2, 0, 1, false, kKeep, Action::None, Action::None},
      {kAny, -1, 1, true, 0, Action::Unshade, Action::None}}},
    kNewKeys.down};
constexpr LessonMoves kCapitals{   // lesson 12
    {{{1, -1, 2, true, kKeep, Action::None, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::None, Action::None}}},
    {{{4, +1, 1, true, 1, Action::None, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::None, Action::None}}}};
constexpr LessonMoves kMethod{   // lesson 18
    {{{2, 0, 1, false, kKeep, Action::None, Action::None},
      {kAny, -1, 1, true, 1, Action::None, Action::None}}},
    {{{1, 0, 2, false, kKeep, Action::None, Action::None},
      {kAny, +1, 1, true, 1, Action::None, Action::None}}}};
constexpr LessonMoves kDigits{   // lesson 23
    {{{1, -1, 2, true, 0, Action::UnshadeGroup4, Action::None},
      {2, 0, 1, false, kKeep, Action::UnshadeGroup6, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::None, Action::None}}},
    {{{3, 0, 3, false, kKeep, Action::EndOfCourse, Action::None},
      {1, 0, 2, false, 1, Action::UnshadeGroup4, Action::None},
      {kAny, 0, kStep, false, kKeep, Action::UnshadeGroup6, Action::None}}}};

constexpr std::array<const LessonMoves*, 24> kLessonMoves{
    &kStartScreen, &kIntroduction, &kHomeRow, &kGuideLines, &kAfterGuides,   //  0..4
    &kNewKeys, &kBeforeRevision, &kRevision, &kAfterRevision, &kNewKeys,     //  5..9
    &kBeforeRevision, &kRevision, &kCapitals, &kNewKeys, &kNewKeys,          // 10..14
    &kNewKeys, &kNewKeys, &kBeforeMethod, &kMethod, &kAfterMethod,           // 15..19
    &kNewKeys, &kBeforeRevision, &kRevision, &kDigits};                      // 20..23
// clang-format on

const Move& FindMove(std::span<const Move> moves, int page)
{
    for (const Move& move : moves)
        if (move.from == page || move.from == kAny)
            return move;
    return moves.back();
}

void Do(Tutor& tutor, Action action)
{
    const bool shaded = tutor.course.bHomeShaded != 0;
    switch (action) {
    case Action::None:
    case Action::Stop:
        break;
    case Action::EndOfCourse:
        tutor.host.Beep();
        break;
    case Action::Unshade:
        if (shaded)
            UnShadeTwoKeys(tutor);
        break;
    case Action::UnshadeGroup4:
    case Action::UnshadeGroup6:
        if (shaded)
            UnShadeKeyGroup(tutor, action == Action::UnshadeGroup6, action == Action::UnshadeGroup6);
        break;
    case Action::EraseGuides:
        EraseGuides(tutor);
        break;
    case Action::DrawGuides:
        DrawGuides(tutor);
        break;
    case Action::HandOnTrialKey:
        DrawHandAtKey(tutor, TrialKey(tutor, 0));
        break;
    }
}

// Applies the rule of the current lesson; false when the learner stays where he is.
bool Step(Tutor& tutor, int dir)
{
    CourseState& course = tutor.course;
    const LessonMoves& moves = *kLessonMoves[static_cast<std::size_t>(course.nLesson)];
    const Move& move = FindMove(dir < 0 ? std::span<const Move>(moves.up) : std::span<const Move>(moves.down),
                                course.nPage);
    if (move.before == Action::Stop) {
        tutor.host.Beep();
        return false;
    }
    Do(tutor, move.before);
    if (move.before == Action::EndOfCourse)
        return false;
    course.nLesson = static_cast<int16_t>(course.nLesson + move.lesson);
    course.nPage = static_cast<int16_t>(move.page == kStep ? course.nPage + dir : move.page);
    if (move.reset) {
        course.nExLine = 0;
        course.nCharPos = 0;
    }
    if (move.shade != kKeep)
        course.bHomeShaded = move.shade;
    Do(tutor, move.after);
    return true;
}

void Redraw(Tutor& tutor)
{
    const CourseState& course = tutor.course;
    const Rect frame = FrameRect(tutor);
    PlaceColumn(tutor, course.nLesson, course.nPage);
    ClearRect(tutor.screen, frame);
    const bool wideEnough = frame.width() > PanelThreshold(course.nFontSize);
    if (course.nLesson == 0 && course.nPage == 1) {
        tutor.screen.Fill(frame, palette::kBackground);
        if (wideEnough)
            EraseFrame(tutor.screen, frame);
    } else if (wideEnough) {
        DrawRaisedFrame(tutor.screen, frame);
    }
    const bool guidePage = course.nLesson == 3 && course.nPage < 3;
    if (course.nLesson >= 3 && !guidePage) {
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
    if (dir != 0 && tutor.course.nSoundStudio == kSoundDictation)
        tutor.host.KillTimer(2);
    if (dir != 0 && !Step(tutor, dir))
        return;
    Redraw(tutor);
}

void SetLessonStartPage(Tutor& tutor)
{
    CourseState& course = tutor.course;
    course.nPage = 1;
    switch (course.nLesson) {
    case 2: case 7: case 11: case 22:
        course.nPage = 2;
        course.bHomeShaded = 0;
        break;
    case 18:
        course.bHomeShaded = 0;
        break;
    default:
        course.bHomeShaded = 1;
        break;
    }
}

void RemoveShading(Tutor& tutor)
{
    const CourseState& course = tutor.course;
    switch (course.nLesson) {
    case 0: case 1: case 2: case 7: case 11: case 12:
        break;
    case 3:
        if (course.nPage == 3)
            UnShadeTwoKeys(tutor);
        break;
    case 23:
        if (course.nPage == 1)
            UnShadeKeyGroup(tutor, false, false);
        else if (course.nPage == 2)
            UnShadeKeyGroup(tutor, true, true);
        break;
    default:
        if (course.nPage == 1)
            UnShadeTwoKeys(tutor);
        break;
    }
}

void WaitMs(Tutor& tutor, int milliseconds)
{
    tutor.host.FlushScreen();
    tutor.host.Sleep(milliseconds);
}
