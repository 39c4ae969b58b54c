#pragma once

#include <QFont>
#include <QString>

namespace picgen {

// A font of the given family at a pixel size. Throws when the family is not installed:
// a stand-in font would change the pixels.
QFont ExactFont(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal);

}  // namespace picgen
