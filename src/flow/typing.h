#pragma once

struct Tutor;

// What a typed character does: the hand strikes its key, and on the page where typing is
// checked the character is checked (or tried in the key trial).
void OnCharacter(Tutor& tutor, unsigned char ch);
// What letting go of a key does: the hand goes back to what the page shows, and dictation
// speaks what it queued meanwhile.
void OnKeyRelease(Tutor& tutor);
