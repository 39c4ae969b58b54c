#pragma once

#include "platform/geometry.h"

#include <array>
#include <cstdint>

// Font-size choices, as stored in session files.
enum FontSize : int32_t { kFontStandard = 1000, kFontMedium = 1001, kFontLargest = 1002 };

enum ColumnClass { kNarrow = 0, kMedium = 1, kWide = 2 };

// Everything that depends on the font size, one row per size.
struct FontSizeRow {
    int32_t fontSize;
    int16_t height;                     // text height and row height in pixels
    int caretPen;                       // thickness of the underline caret
    std::array<int, 3> columnWidth;     // by ColumnClass
    Size minimumWindow;                 // outer window
};

// clang-format off
inline constexpr std::array<FontSizeRow, 3> kFontSizes{{
    {kFontStandard, 20, 2, {470, 510, 570}, {630, 460}},
    {kFontMedium,   25, 3, {500, 570, 630}, {680, 500}},
    {kFontLargest,  30, 4, {580, 680, 740}, {790, 550}},
}};
// clang-format on

constexpr bool IsFontSize(int fontSize)
{
    return fontSize >= kFontStandard && fontSize <= kFontLargest;
}

// The row of a font size; the standard size's row for a value that is none.
constexpr const FontSizeRow& FontSizeRowOf(int fontSize)
{
    return kFontSizes[IsFontSize(fontSize) ? static_cast<std::size_t>(fontSize - kFontStandard) : 0];
}

// A client area no wider than this is too narrow for the page panel at that font size.
constexpr int PanelThreshold(int fontSize)
{
    return FontSizeRowOf(fontSize).columnWidth[kWide] + 40;
}
