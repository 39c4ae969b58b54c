#pragma once

#include "course/state.h"

struct Tutor;

// Moves one page back (-1) or on (+1), or redraws the current page (0): the page area, the
// keyboard as the page shows it, and the page's text and exercise. From the practice page
// either step goes back to the course page the learner left.
void ChangePage(Tutor& tutor, int dir);
// Shows the hand the current page calls for: at the key-trial key, at home, or none.
void DrawPageHand(Tutor& tutor);
// Shows the practice page of a kind from its first line (the own text must be in
// tutor.practice). False, changing nothing, when no keys are taught yet for free practice.
bool StartPractice(Tutor& tutor, Practice kind);
