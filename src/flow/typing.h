#pragma once

#include "course/exercise.h"
#include "course/typing_stats.h"

#include <optional>

struct Tutor;

// What a typed character did: its outcome where typing is checked (nothing counted
// elsewhere), and the exercise line it finished.
struct TypedKey {
    KeyOutcome outcome;
    std::optional<FinishedLine> finished;
    // The wrong keys show, for the first time, a keyboard set to another layout than the German.
    bool otherLayout = false;
};

// What a typed character does: the hand strikes its key, and on the page where typing is
// checked the character is checked (or tried in the key trial).
TypedKey OnCharacter(Tutor& tutor, unsigned char ch);
// What letting go of a key does: the hand goes back to what the page shows, and dictation
// speaks what it queued meanwhile.
void OnKeyRelease(Tutor& tutor);
