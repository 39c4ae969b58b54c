#include "platform/fonts.h"

#include <QFontMetrics>

#include <algorithm>

QFont TextFontForHeight(int height)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    // The ratio of pixel size to line height depends on the font: the smallest pixel size from
    // two thirds of the height up whose lines are as high is searched from nine tenths, where
    // Liberation Sans has it, so that few sizes are tried: each one loads the font anew.
    const int lowest = height * 2 / 3;
    const auto tallEnough = [&font, height](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height() >= height;
    };
    int pixels = std::max(height * 9 / 10, lowest);
    if (tallEnough(pixels)) {
        while (pixels > lowest && tallEnough(pixels - 1))
            --pixels;
    } else {
        do
            ++pixels;
        while (pixels < height && !tallEnough(pixels));
    }
    font.setPixelSize(pixels);
    return font;
}
