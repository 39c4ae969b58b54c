#pragma once

#include <QImage>

namespace picgen {

// These draw at `scale` device pixels to the pixel.
// The title picture of the start screen: the name, the course, how to begin.
QImage DrawBanner(int scale = 1);

// The program's icon: a key cap with a T, on white, 64 x 64.
QImage DrawAppIcon(int scale = 1);

// The icon of a session file: a sheet of paper with the program's key cap on it, on white.
QImage DrawDocIcon(int scale = 1);

// The same icons for the desktop's icon theme: SIZE x SIZE, on a transparent ground.
QImage ThemeAppIcon(int size);
QImage ThemeDocIcon(int size);

}  // namespace picgen
