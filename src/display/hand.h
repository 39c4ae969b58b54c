#pragma once

struct Tutor;

// Shows the hand striking the key of ch (nothing for a character without a key).
void DrawHandAtKey(Tutor& tutor, unsigned char ch);
// Takes the hand off its key and shows it at home.
void DrawHomeHand(Tutor& tutor);
// Takes a struck hand out of the composite (not off the screen): the composite is the bare
// keyboard again.
void LiftHand(Tutor& tutor);
// Copies the whole composite to the screen.
void DrawKeyboard(Tutor& tutor);
