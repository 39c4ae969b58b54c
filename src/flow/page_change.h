#pragma once

struct Tutor;

// Moves one page back (-1) or on (+1), or redraws the current page (0): the page area, the
// keyboard as the page shows it, and the page's text and exercise.
void ChangePage(Tutor& tutor, int dir);
// Shows the hand the current page calls for: at the key-trial key, at home, or none.
void DrawPageHand(Tutor& tutor);
