#pragma once

#include <cstdint>

struct CourseState;
struct Tutor;

// What a character typed on an exercise page does, decided from the course alone; the flow
// carries it out (counts, caret, sounds, the next line or page).
struct KeyOutcome {
    enum class Step : uint8_t {
        Stay,         // the caret stays: Enter inside the line, Backspace while dictating, a refused key
        Back,         // Backspace: the caret one back
        On,           // the caret one on, past a right or a wrong character
        NextLine,     // Enter at the end of a line: the next line follows
        LessonDone,   // Enter at the end of the last line: the page turns
    };
    enum class Sound : uint8_t {
        None,
        Beep,            // Backspace at the line's start
        ErrorTone,       // a wrong character, with an error tone chosen
        NameExpected,    // dictation refused a wrong character and names the right one
        EnterReminder,   // dictation: a character after the line's end, where Enter is due
    };

    unsigned char typed = 0;
    unsigned char expected = 0;   // the line's character at the caret; 0 at the line's end
    bool counted = false;         // a keystroke of the statistics: neither Backspace nor Enter
    bool correct = false;         // counted, and the expected character
    Step step = Step::Stay;
    Sound sound = Sound::None;

    bool operator==(const KeyOutcome&) const = default;
};

// Checks one character typed on an exercise page against the line at the caret.
KeyOutcome CheckExerciseChar(const CourseState& course, unsigned char c);
// Counts the outcome's keystroke and moves the caret (nCharPos) as it says.
void CountKey(CourseState& course, const KeyOutcome& outcome);

// Loads the current exercise line and draws it on the exercise row with its caret.
void DrawExerciseLine(Tutor& tutor);
// Draws (or erases) the underline under the character at nCharPos of the exercise line.
void DrawExerciseCaret(Tutor& tutor, bool draw);
// Clears the exercise row and draws the next line there, with its caret at the start.
void DrawNextExerciseLine(Tutor& tutor);
