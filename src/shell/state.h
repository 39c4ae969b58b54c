#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <string>

struct ShellState {
    std::string szFileName;    // full path of the session file; empty: none
    std::string szTitleName;   // its name without folder, for the caption
    Rect rcWindow{5, 5, 705, 505};
    int32_t bKeyLatch = 0;     // a typed character was handled; cleared by the next release
    std::string szCaption;
    int idDemoTimer = 0;
};
