#pragma once

struct Tutor;

// What a typed character does: the hand strikes its key, and on the exercise page of the
// lesson it is checked (or tried in the key trial). Sets the latch against auto-repeat.
void OnCharacter(Tutor& tutor, unsigned char ch);
// What letting go of a key does: the hand goes home and the latch is released.
void OnKeyRelease(Tutor& tutor);
