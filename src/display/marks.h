#pragma once

struct Tutor;

// Marks drawn straight on the screen over the keyboard, never into the composite.
void EraseHome(Tutor& tutor);
void DrawGuides(Tutor& tutor);
void EraseGuides(Tutor& tutor);
void ShadeKey(Tutor& tutor, unsigned char ch, int slot);
void ShadeHome(Tutor& tutor);
void ShadeTwoKeys(Tutor& tutor, unsigned char ch1, unsigned char ch2);
// Shades four keys, and a fifth and sixth where they are not 0.
void ShadeKeyGroup(Tutor& tutor, const unsigned char (&chars)[6]);
void UnShadeHome(Tutor& tutor);
void UnShadeTwoKeys(Tutor& tutor);
void UnShadeKeyGroup(Tutor& tutor, bool fifth, bool sixth);
