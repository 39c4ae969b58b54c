#pragma once

#include <cstdint>

struct CourseState;
struct Tutor;

// What the learner's arrow key leads to.
struct PageMove {
    enum class Outcome : uint8_t { Moved, Refused, EndOfCourse };
    enum class Then : uint8_t { Nothing, EraseGuides, DrawGuides, HandOnTrialKey };
    static constexpr int8_t kKeepShade = -1;

    Outcome outcome = Outcome::Refused;
    int16_t lesson = 0;
    int16_t page = 0;
    bool resetExercise = false;   // nExLine = nCharPos = 0
    bool unmark = false;          // the marks of the page left are taken away (when shown)
    int8_t shade = kKeepShade;    // bHomeShaded afterwards
    Then then = Then::Nothing;    // drawn after the move, before the page
};

// The move one page back (dir < 0) or on (dir > 0) from where the learner is.
PageMove NextPage(const CourseState& course, int dir);
// The first page of a lesson entered directly, and whether its new keys are shown marked.
void SetLessonStartPage(Tutor& tutor);
// Takes away the marks of the page the learner is on.
void RemoveShading(Tutor& tutor);
// Blocks for the given time, after showing what was drawn.
void WaitMs(Tutor& tutor, int milliseconds);
