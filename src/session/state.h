#pragma once

#include <cstdint>

struct SessionState {
    int16_t nSavedLesson = 0;   // the lesson last read from or written to a session file
};
