#pragma once

struct Tutor;

constexpr int kTrialSteps = 5;   // four home keys, then Enter

// The key expected at a step (0..4) of the key trial for the chosen hand.
unsigned char TrialKey(const Tutor& tutor, int step);
// Handles one character typed during the key trial; true when the trial is complete and
// the page is to be turned.
bool TypeTrialKey(Tutor& tutor, unsigned char c);
// Draws the key-trial page as it stands at the current step.
void DrawTrialPage(Tutor& tutor, int block);
