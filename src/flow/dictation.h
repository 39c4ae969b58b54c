#pragma once

struct Tutor;

// Dictation ("Tasten ansagen") was switched on: on an exercise page the keys to type are
// announced from the caret on.
void StartDictation(Tutor& tutor);
// The main window became active (it has the focus again) or inactive: announcing goes on,
// with a reminder inside a line, or stops while the learner is elsewhere.
void OnMainWindowActive(Tutor& tutor, bool active);
// A menu opens: announcing stops until the window has the focus again.
void OnMenuOpened(Tutor& tutor);
// The dictation timer expired: the queue is spoken again.
void OnDictationTimer(Tutor& tutor);
