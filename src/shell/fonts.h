#pragma once

#include "platform/geometry.h"

#include <array>

struct Tutor;

struct FontSizeRow {
    int fontSize;
    int height;    // text height and row height in pixels
    Size minimum;  // smallest window
};

inline constexpr std::array<FontSizeRow, 3> kFontSizes{{
    {1000, 20, {630, 460}},
    {1001, 25, {680, 500}},
    {1002, 30, {790, 550}},
}};

// The row of a font size, or nullptr for a value that is none.
const FontSizeRow* FontSizeRowOf(int fontSize);
// True when the client area is too narrow for the text columns of a font size.
bool IsWindowTooNarrow(const Tutor& tutor, int fontSize);
// A window rectangle at least the minimum size and at most the screen's, moved onto the
// screen when it is on none or its size changed. `screen` is the available area of the
// screen it should be on. Any corners will do, however far apart.
Rect FitWindowRect(const Rect& window, const Rect& screen, bool onSomeScreen, Size minimum);
