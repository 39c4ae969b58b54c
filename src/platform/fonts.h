#pragma once

#include <QFont>

// The bold text font whose line height (QFontMetrics::height) is exactly `height` pixels.
QFont TextFontForHeight(int height);
