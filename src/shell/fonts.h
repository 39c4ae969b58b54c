#pragma once

#include "platform/geometry.h"

struct Tutor;

// A window rectangle at least the minimum size and at most the screen's, moved onto the
// screen when it is on none or its size changed. `screen` is the available area of the
// screen it should be on. Any corners will do, however far apart.
Rect FitWindowRect(const Rect& window, const Rect& screen, bool onSomeScreen, Size minimum);

// The outer window a session keeps: where the windowing system neither places windows nor tells
// where they are (Wayland), the corner the window was placed at and the size it has; elsewhere
// the window as it is.
Rect KeptWindowRect(const Rect& window, const Rect& placed, bool placesWindows);
