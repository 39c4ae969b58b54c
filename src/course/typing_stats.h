#pragma once

#include "course/exercise.h"
#include "course/rates.h"
#include "course/state.h"

#include <QString>

#include <cstdint>
#include <map>
#include <optional>

// A pause between two keys counts at most this long.
constexpr int64_t kLongestPauseMs = 5000;

// A tally's keystrokes per minute and right keystrokes in percent.
inline int PerMinute(const Tally& tally)
{
    return KeysPerMinute(tally.keystrokes, tally.typingMs);
}
inline int AccuracyPercent(const Tally& tally)
{
    return AccuracyPercent(tally.keystrokes, tally.errors);
}

// An exercise line typed to its end.
struct FinishedLine {
    bool leftHand = true;
    int lesson = 0;
    int line = 0;
    Tally tally;
    std::map<unsigned char, KeyTally> keys;   // by the character asked for; Enter where it was due
};

// Counts a key typed on an exercise page at `atMs` (any steady clock), before it is carried
// out: its time, and, when it counts, its strike of the character asked for. A key of another
// line, lesson or hand than the one counted so far, or at a caret the keys did not leave,
// starts the line afresh. Returns the line when the key finished it.
std::optional<FinishedLine> CountTypedKey(TypingStats& stats, const CourseState& course, const KeyOutcome& outcome,
                                          int64_t atMs);

// The status bar's text: on an exercise page the line and the lesson so far, elsewhere the
// last finished line; empty before any.
QString StatusText(const TypingStats& stats, const CourseState& course, bool exercisePage);
