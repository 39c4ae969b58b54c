#pragma once

struct Tutor;

// Checks and counts one character typed on an exercise page; true when Enter ended the
// last line and the page is to be turned.
bool TypeExerciseChar(Tutor& tutor, unsigned char c);
// Loads the current exercise line and draws it on the exercise row with its caret.
void DrawExerciseLine(Tutor& tutor);
// Draws (or erases) the underline under the character at nCharPos; y is the row's top + 4.
void DrawCaret(Tutor& tutor, int x, int y, bool draw);
