#pragma once

#include <cstdint>

struct CourseState;
struct Tutor;

constexpr int kTrialSteps = 5;   // four home keys, then Enter

// What a key typed in the key trial does, decided from the course alone.
struct TrialOutcome {
    enum class Kind : uint8_t {
        Refused,    // not the key of the step: a beep, and the hand shows the key
        CapsLock,   // the capital of the key, the first time: the Caps Lock notice instead of the beep
        NextStep,   // the key of the step: the next prompt
        Done,       // Enter after the four keys: the page turns
        Outside,    // no step is open: a beep
    };
    Kind kind = Kind::Outside;
    unsigned char expected = 0;

    bool operator==(const TrialOutcome&) const = default;
};

// The key expected at a step (0..4) of the key trial for the chosen hand.
unsigned char TrialKey(const CourseState& course, int step);
TrialOutcome CheckTrialKey(const CourseState& course, unsigned char c);
// Draws the key-trial page as it stands at the current step.
void DrawTrialPage(Tutor& tutor, int block);
// The trial's step (nExLine) goes one on: the rows of the step done are cleared, and the
// next prompt is drawn.
void DrawNextTrialStep(Tutor& tutor);
