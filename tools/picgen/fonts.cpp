#include "fonts.h"

#include <QFontInfo>

#include <stdexcept>

namespace picgen {

QFont ExactFont(const QString& family, int pixelSize, QFont::Weight weight)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    if (QFontInfo(font).family() != family)
        throw std::runtime_error("font not installed: " + family.toStdString());
    return font;
}

}  // namespace picgen
