#include "pages/instruction_page.h"

#include "course/exercise.h"
#include "course/layout.h"
#include "course/lessons.h"
#include "course/page_table.h"
#include "course/practice.h"
#include "course/trial.h"
#include "display/banner.h"
#include "display/hand.h"
#include "display/marks.h"
#include "sound/dictation.h"
#include "tutor.h"

namespace {

void RunDemo(Tutor& tutor, const pages::PageRecord& page)
{
    const bool shaded = tutor.course.bHomeShaded;
    const auto key = [&](std::size_t i) {
        return i < page.keys.size() ? static_cast<unsigned char>(page.keys[i]) : static_cast<unsigned char>(0);
    };
    switch (page.demo) {
    case pages::Demo::None:
        break;
    case pages::Demo::HomeAndBanner:
        DrawHomeHand(tutor);
        DrawBanner(tutor);
        break;
    case pages::Demo::Guides:
        DrawGuides(tutor);
        break;
    case pages::Demo::ShadeTwo:
        if (shaded)
            ShadeTwoKeys(tutor, key(0), key(1));
        break;
    case pages::Demo::ShadeGroup:
        if (shaded) {
            const unsigned char group[6] = {key(0), key(1), key(2), key(3), key(4), key(5)};
            ShadeKeyGroup(tutor, group);
        }
        break;
    }
}

}  // namespace

void DrawInstructionPage(Tutor& tutor)
{
    CourseState& course = tutor.course;
    const pages::PageRecord* page = pages::CurrentPage(course);
    ForgetPageText(tutor);
    if (!page)
        return;
    if (page->exerciseFlag != pages::kKeepFlag)
        course.bExercisePage = page->exerciseFlag != 0;
    if (page->kind == pages::Kind::TrialStart)
        course.nExLine = 0;
    RunDemo(tutor, *page);
    int nextRow = 0;
    for (const pages::Line& line : page->lines.view()) {
        DrawStringLine(tutor, page->block, line.index, tutor.layout.xText + line.dx, RowTop(tutor, line.row) + line.dy);
        nextRow = line.row + 1;
    }
    course.nLine = static_cast<int16_t>(nextRow);
    if (page->kind == pages::Kind::KeyTrial) {
        DrawTrialPage(tutor, page->block);
    } else if (page->kind == pages::Kind::Exercise) {
        if (course.practicing == Practice::None) {
            const ExerciseSet set = ExerciseSetFor(course.nLesson, course.bLeftHand);
            course.nExBase = set.base;
            course.nExLines = set.lines;
        } else {
            course.nExLines = static_cast<int16_t>(PracticeLines(tutor));
        }
        course.nLine = page->exerciseRow;
        DrawExerciseLine(tutor);
        if (Dictating(course))
            AnnounceFromCaret(tutor);
    }
}
