#pragma once

#include <QImage>

namespace picgen {

// The title picture of the start screen: the name, the course, how to begin.
QImage DrawBanner();

// The program's icon: a key cap with a T, on white, 64 x 64.
QImage DrawAppIcon();

// The icon of a session file: a sheet of paper with the program's key cap on it, on white.
QImage DrawDocIcon();

// The same icons for the desktop's icon theme: SIZE x SIZE, on a transparent ground.
QImage DrawAppIcon(int size);
QImage DrawDocIcon(int size);

}  // namespace picgen
