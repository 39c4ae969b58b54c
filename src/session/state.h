#pragma once

#include "session/session_file.h"

#include <cstdint>

struct SessionState {
    int16_t nSavedLesson = 0;    // the lesson last read from or written to a session file
    bool bSaveCancelled = false; // the save prompt of Neu or Öffnen stopped the command
    // The record last read or written (a fresh start holds the starting settings): the
    // session is unsaved while the settings it would write now differ from it.
    SessionRecord savedRecord;
};
