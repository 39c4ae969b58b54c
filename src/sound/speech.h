#pragma once

#include <string_view>

struct Tutor;

// What SpeakKey did.
enum SpeakResult : int {
    kSpoken = 0,
    kNoName = -1,        // the character has no spoken name: silence
    kNoRecording = -2,   // the name has no recording: a beep instead
    kNotPlayed = -5,     // the sound output refused it
};

constexpr int kKeyNames = 2000;     // string ids of the key names' recordings
constexpr int kErrorTones = 1048;   // error tone n plays the recording named by string n + 1048
// The recordings played by name.
constexpr std::string_view kClickRecording = "CLICK";   // the typewriter's key
constexpr std::string_view kEnterReminder = "SNTR";     // the line is done: press Enter

// Speaks the name of the key of c and returns when it has been heard; the screen is shown
// first, so the hand is seen on the key while its name is spoken.
int SpeakKey(Tutor& tutor, unsigned char c);
// Plays the recording named by string id `id`, at once and without waiting; a missing one
// plays nothing.
void PlayErrorTone(Tutor& tutor, int id);
// Plays a recording by name without waiting: the click, the Enter reminder.
void PlayRecording(Tutor& tutor, std::string_view name);
