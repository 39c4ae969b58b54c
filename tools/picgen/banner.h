#pragma once

#include <QImage>

namespace picgen {

// The title picture of the start screen: the name, the course, how to begin.
QImage DrawBanner();

// The program's icon: a key cap with a T.
QImage DrawAppIcon();

// The icon of a session file: a sheet of paper with the program's key cap on it.
QImage DrawDocIcon();

}  // namespace picgen
