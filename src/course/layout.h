#pragma once

#include "course/font_sizes.h"
#include "platform/geometry.h"

#include <string_view>

class Canvas;
struct Tutor;

// The width class of a page's text column at a font size (pages 1 to 4, lessons 0 to 23).
ColumnClass PageColumn(int fontSize, int lesson, int page);
int ColumnWidth(int fontSize, ColumnClass columnClass);
// True when the client area is too narrow for the text columns of a font size.
bool IsWindowTooNarrow(const Tutor& tutor, int fontSize);

// Takes the text font of the current font size (nFontSize) for the page's rows, and gives it
// to the main window.
void UseFontSize(Tutor& tutor);
// Centres the text column of (lesson, page) in the client area.
void PlaceColumn(Tutor& tutor, int lesson, int page);
// The page panel: the client area narrowed by 20 on each side, 4 around the page area.
Rect FrameRect(const Tutor& tutor);
Rect RowRect(const Canvas& canvas, Rect rect, int y);
void ClearRect(Canvas& canvas, const Rect& rect);
void TextOutLine(Canvas& canvas, std::string_view text, int x, int y);
// Writes string id base + offset at (x, y).
void DrawStringLine(Tutor& tutor, int base, int offset, int x, int y);
// The page's text, while it is collected: a line drawn at (x, y); the lines whose top lies in
// [top, bottom) cleared; all of it cleared.
void NotePageLine(Tutor& tutor, int x, int y, std::string_view text, bool exercise = false);
void ForgetPageRows(Tutor& tutor, int top, int bottom);
void ForgetPageText(Tutor& tutor);
// y of text row `row`.
int RowTop(const Tutor& tutor, int row);
