#pragma once

#include "hand_model.h"

#include <QImage>
#include <QPainter>

namespace picgen {

// Paints the hand; the painter works in keyboard coordinates.
void PaintHand(QPainter& painter, const HandPose& pose);

// The picture of one hand at key index 0..44 or at home: the keyboard's own pixels at the
// picture's place (white below the keyboard) with the hand painted over them, at the
// keyboard's scale.
QImage HandPicture(const QImage& keyboard, bool leftHand, int keyIndex);

}  // namespace picgen
