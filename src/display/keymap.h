#pragma once

#include <string>

struct Tutor;

// The key index (0..46) of a code page 1252 character.
int KeyIndexOf(unsigned char ch);
// Places every key rectangle on the keyboard as it lies in the client area.
void SetKeyRects(Tutor& tutor);
// Loads the hand picture of one key for the chosen hand; `name` receives the picture's
// name as built ("lcomma", "rhome"). True for the key index without a picture.
bool LoadHandGraphic(Tutor& tutor, int index, std::string& name);
// Takes the chosen hand's picture offsets and puts the hand at home.
void SetHandOffsets(Tutor& tutor);
