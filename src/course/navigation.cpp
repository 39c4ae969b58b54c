#include "course/navigation.h"

#include "course/page_table.h"
#include "display/marks.h"
#include "tutor.h"

#include <array>
#include <span>

namespace {

using Then = PageMove::Then;

enum class Before : uint8_t {
    No,
    Stop,     // refused: beep, stay
    End,      // the end of the course: stay
    Unmark,   // the marks of the page left are taken away (when shown)
};

constexpr int kAny = 0;        // `from`: any page not matched before
constexpr int kStep = -1;      // `page`: the page before or after p in this lesson
constexpr int kKeep = PageMove::kKeepShade;

// What one arrow key does on one page of a lesson.
struct Move {
    int8_t from;           // the page p this applies to, or kAny
    int8_t lesson;         // -1, 0 or +1: the lesson moved to
    int8_t page;           // page in that lesson, or kStep
    bool reset;            // nExLine = nCharPos = 0
    int8_t shade;          // bHomeShaded afterwards, or kKeep
    Before before;
    Then after;            // drawn after the move
};

struct LessonMoves {
    std::array<Move, 4> up;    // first match wins; the list ends with a kAny entry
    std::array<Move, 4> down;
};

// clang-format off
constexpr LessonMoves kStartScreen{   // lesson 0
    {{{1, 0, 0, false, kKeep, Before::Stop, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::No, Then::Nothing}}},
    {{{1, 0, 2, false, kKeep, Before::No, Then::Nothing},
      {kAny, +1, 1, false, kKeep, Before::No, Then::Nothing}}}};
constexpr LessonMoves kIntroduction{   // lesson 1
    {{{1, -1, 1, false, kKeep, Before::No, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::No, Then::Nothing}}},
    {{{3, 0, 4, false, kKeep, Before::No, Then::HandOnTrialKey},
      {4, +1, 2, true, kKeep, Before::No, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::No, Then::Nothing}}}};
constexpr LessonMoves kHomeRow{   // lesson 2
    {{{3, 0, 2, true, kKeep, Before::No, Then::Nothing},
      {kAny, -1, 1, true, kKeep, Before::No, Then::Nothing}}},
    {{{2, 0, 3, false, kKeep, Before::No, Then::Nothing},
      {kAny, +1, 1, true, 1, Before::No, Then::Nothing}}}};
constexpr LessonMoves kGuideLines{   // lesson 3
    {{{1, -1, 2, true, kKeep, Before::No, Then::EraseGuides},
      {3, 0, 2, false, kKeep, Before::Unmark, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::No, Then::Nothing}}},
    {{{2, 0, 3, false, kKeep, Before::No, Then::EraseGuides},
      {3, 0, 4, false, kKeep, Before::Unmark, Then::Nothing},
      {4, +1, 1, true, 1, Before::No, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::No, Then::Nothing}}}};
constexpr LessonMoves kAfterGuides{   // lesson 4
    {{{2, 0, 1, false, kKeep, Before::No, Then::Nothing},
      {kAny, -1, 1, true, 1, Before::Unmark, Then::DrawGuides}}},
    {{{1, 0, 2, false, kKeep, Before::Unmark, Then::Nothing},
      {kAny, +1, 1, true, 1, Before::No, Then::Nothing}}}};
constexpr LessonMoves kNewKeys{   // lessons 5, 9, 13, 14, 15, 16, 20
    {{{2, 0, 1, false, kKeep, Before::No, Then::Nothing},
      {kAny, -1, 1, true, 1, Before::Unmark, Then::Nothing}}},
    {{{1, 0, 2, false, kKeep, Before::Unmark, Then::Nothing},
      {kAny, +1, 1, true, 1, Before::No, Then::Nothing}}}};
constexpr LessonMoves kBeforeRevision{   // lessons 6, 10, 21: on to a one-page lesson
    kNewKeys.up,
    {{{1, 0, 2, false, kKeep, Before::Unmark, Then::Nothing},
      {kAny, +1, 2, true, 0, Before::No, Then::Nothing}}}};
constexpr LessonMoves kBeforeMethod{   // lesson 17: on to page 1 of lesson 18
    kNewKeys.up,
    {{{1, 0, 2, false, kKeep, Before::Unmark, Then::Nothing},
      {kAny, +1, 1, true, 0, Before::No, Then::Nothing}}}};
constexpr LessonMoves kRevision{   // lessons 7, 11, 22
    {{{kAny, -1, 1, true, 1, Before::No, Then::Nothing}}},
    {{{kAny, +1, 1, true, 1, Before::No, Then::Nothing}}}};
constexpr LessonMoves kAfterRevision{   // lesson 8: back to the one page of lesson 7
    {{{2, 0, 1, false, kKeep, Before::No, Then::Nothing},
      {kAny, -1, 2, true, 0, Before::Unmark, Then::Nothing}}},
    kNewKeys.down};
constexpr LessonMoves kAfterMethod{   // lesson 19: back to page 1 of lesson 18
    {{{2, 0, 1, false, kKeep, Before::No, Then::Nothing},
      {kAny, -1, 1, true, 0, Before::Unmark, Then::Nothing}}},
    kNewKeys.down};
constexpr LessonMoves kCapitals{   // lesson 12
    {{{1, -1, 2, true, kKeep, Before::No, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::No, Then::Nothing}}},
    {{{4, +1, 1, true, 1, Before::No, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::No, Then::Nothing}}}};
constexpr LessonMoves kMethod{   // lesson 18
    {{{2, 0, 1, false, kKeep, Before::No, Then::Nothing},
      {kAny, -1, 1, true, 1, Before::No, Then::Nothing}}},
    {{{1, 0, 2, false, kKeep, Before::No, Then::Nothing},
      {kAny, +1, 1, true, 1, Before::No, Then::Nothing}}}};
constexpr LessonMoves kDigits{   // lesson 23
    {{{1, -1, 2, true, 0, Before::Unmark, Then::Nothing},
      {2, 0, 1, false, kKeep, Before::Unmark, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::No, Then::Nothing}}},
    {{{3, 0, 3, false, kKeep, Before::End, Then::Nothing},
      {1, 0, 2, false, 1, Before::Unmark, Then::Nothing},
      {kAny, 0, kStep, false, kKeep, Before::Unmark, Then::Nothing}}}};

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

}  // namespace

PageMove NextPage(const CourseState& course, int dir)
{
    const LessonMoves& moves = *kLessonMoves[static_cast<std::size_t>(course.nLesson)];
    const Move& move = FindMove(dir < 0 ? std::span<const Move>(moves.up) : std::span<const Move>(moves.down),
                                course.nPage);
    PageMove next;
    if (move.before == Before::Stop || move.before == Before::End) {
        next.outcome = move.before == Before::Stop ? PageMove::Outcome::Refused : PageMove::Outcome::EndOfCourse;
        return next;
    }
    next.outcome = PageMove::Outcome::Moved;
    next.lesson = static_cast<int16_t>(course.nLesson + move.lesson);
    next.page = static_cast<int16_t>(move.page == kStep ? course.nPage + (dir < 0 ? -1 : 1) : move.page);
    next.resetExercise = move.reset;
    next.unmark = move.before == Before::Unmark;
    next.shade = move.shade;
    next.then = move.after;
    return next;
}

void SetLessonStartPage(Tutor& tutor)
{
    CourseState& course = tutor.course;
    const pages::PageRecord* start = pages::StartPage(course.nLesson);
    course.nPage = start ? start->page : 1;
    course.bHomeShaded = !start || start->entry == pages::Entry::Marked;
}

void RemoveShading(Tutor& tutor)
{
    const pages::PageRecord* page = pages::CurrentPage(tutor.course);
    if (!page)
        return;
    const auto marked = [&](std::size_t i) { return i < page->keys.size(); };
    if (page->demo == pages::Demo::ShadeTwo)
        UnShadeTwoKeys(tutor);
    else if (page->demo == pages::Demo::ShadeGroup)
        UnShadeKeyGroup(tutor, marked(4), marked(5));
}

void WaitMs(Tutor& tutor, int milliseconds)
{
    tutor.view.FlushScreen();
    tutor.clock.Sleep(milliseconds);
}
