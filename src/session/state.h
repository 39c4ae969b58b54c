#pragma once

#include <cstdint>

struct SessionState {
    int16_t nSavedLesson = 0;    // the lesson last read from or written to a session file
    int32_t bSaveCancelled = 0;  // the save prompt of Neu or Öffnen stopped the command
};
