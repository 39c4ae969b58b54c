#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace picgen {

// The German typewriter keyboard, keys::kKeyboardWidth x keys::kKeyboardHeight, drawn at
// `scale` device pixels to the pixel (the image's device pixel ratio).
QImage DrawKeyboard(int scale = 1);

// The lettered top face of key index 0..42, as the key table has it.
QRect KeyFace(int keyIndex);

// The colour of a lettered key's top face (key index 0..42): that of its column group.
QColor KeyFaceColour(int keyIndex);

// Where a hand strikes key index 0..44, in keyboard coordinates: the key's top face; for
// RETURN the lower part of the Enter key; for SPACE the spot of the space bar under the thumb.
QRect StrikeArea(bool leftHand, int keyIndex);

}  // namespace picgen
