#pragma once

#include "platform/geometry.h"

struct Tutor;

// True when the client area is too narrow for the text columns of a font size.
bool IsWindowTooNarrow(const Tutor& tutor, int fontSize);
// A window rectangle moved and grown so that it lies on the screen and is at least the
// minimum size. `screen` is the available area of the screen it should be on.
Rect FitWindowRect(Rect window, const Rect& screen, bool onSomeScreen, Size minimum);
