#pragma once

#include <QFont>

// The bold text font of the smallest pixel size whose line height (QFontMetrics::height) is at
// least `height` pixels: exactly that where the font has such a size.
QFont TextFontForHeight(int height);
