#pragma once

struct Tutor;

// The start-screen demonstration: the hand types a sentence into the typing area by itself,
// three ticks a character (strike, type, home), then Enter. One tick of it.
void DemoStep(Tutor& tutor);
// The learner has left the start page: the demonstration ends at once, the hand at home,
// what it typed taken away and the caret shown, and it does not start again.
void StopDemo(Tutor& tutor);
