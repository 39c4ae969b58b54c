#pragma once

#include "platform/geometry.h"

#include <string>

// A fresh start's window, outer rectangle.
inline constexpr Rect kDefaultWindow{5, 5, 705, 505};

struct ShellState {
    std::string szFileName;    // full path of the session file; empty: none
    std::string szTitleName;   // its name without folder as the file system holds it (not
                               // code page 1252), for the caption and the file messages
    Rect rcWindow = kDefaultWindow;   // the outer window to start with: the session file's
};
