#pragma once

#include "platform/geometry.h"

class Canvas;
struct Tutor;

// Loads the keyboard and the chosen hand's pictures and makes the composite.
bool CreateBitMaps(Tutor& tutor);
bool CreateHandGraphics(Tutor& tutor);
void DeleteHandGraphics(Tutor& tutor);
bool CreateCompositeBM(Tutor& tutor);
// Places the typing area, the keyboard and the rows of the page area in the client area.
void CalcScreenLayout(Tutor& tutor);
// A raised two-pixel frame just outside rect, and its removal in the background colour.
void DrawRaisedFrame(Canvas& canvas, const Rect& rect);
void EraseFrame(Canvas& canvas, const Rect& rect);
