#pragma once

struct Tutor;

// A timer of the main window (kDemoTimer, kDictationTimer) has expired.
void OnTimer(Tutor& tutor, int id);
