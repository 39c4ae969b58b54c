#include "platform/fonts.h"

#include <QFontMetrics>

QFont TextFontForHeight(int height)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    // The ratio of pixel size to line height depends on the font: search for it.
    for (int pixels = height * 2 / 3; pixels <= height; ++pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() >= height)
            return font;
    }
    return font;
}
