#pragma once

#include <string_view>

struct SoundState;
struct Tutor;

// The dictation timer: the first announcement of a line comes soon, a reminder after the
// learner has stopped for a while.
constexpr int kFirstAnnouncementMs = 1000;
constexpr int kReminderMs = 7000;

// Fills the dictation queue from the caret of a line: the next word with the space after it,
// or the first half of a run of more than five characters, and Enter where the queued
// characters reach the end of the line. At the end of the line it is left as it is.
void FillSayQueue(SoundState& sound, std::string_view line, int caret);
// After a correct character, the caret now past it: drops it from the queue, or, when it was
// the last one queued, fills the queue afresh to be spoken at the key's release.
void AdvanceSayQueue(SoundState& sound, std::string_view line, int caret);
// Fills the queue from the caret of the exercise line and sets the dictation timer: the first announcement at
// the start of a line, a reminder inside it.
void AnnounceFromCaret(Tutor& tutor);
// Speaks the queued characters in order, each to its end.
void SpeakSayQueue(Tutor& tutor);
