#include "shell/input.h"

#include "course/exercise.h"
#include "course/lessons.h"
#include "course/navigation.h"
#include "course/trial.h"
#include "display/hand.h"
#include "tutor.h"

void OnCharacter(Tutor& tutor, unsigned char ch)
{
    CourseState& course = tutor.course;
    const bool guidePage = course.nLesson == 3 && (course.nPage == 1 || course.nPage == 2);
    if (!guidePage) {
        if (course.bHomeShaded)
            RemoveShading(tutor);
        DrawHandAtKey(tutor, ch);
    }
    course.bHomeShaded = 0;
    if (course.bExercisePage)
        course.nWorkedLesson = course.nLesson;
    tutor.shell.bKeyLatch = 1;
    if (course.nLesson < 1 || course.nLesson > kLastLesson ||
        course.nPage != kLessonLines[static_cast<std::size_t>(course.nLesson)].exercisePage)
        return;
    if (course.nLesson == 1)
        TypeTrialKey(tutor, ch);
    else
        TypeExerciseChar(tutor, ch);
}

void OnKeyRelease(Tutor& tutor)
{
    if (!(tutor.course.nLesson == 1 && tutor.course.nPage == 4))
        DrawPageHand(tutor);
    tutor.shell.bKeyLatch = 0;
}
