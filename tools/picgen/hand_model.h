#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRect>

#include <array>
#include <optional>

namespace picgen {

enum Digit { kThumb, kIndex, kMiddle, kRing, kLittle, kDigitCount };

// One digit as drawn: a capsule narrowing from its base (the knuckle) to its tip.
struct Capsule {
    QPointF base;
    QPointF tip;
    double baseRadius = 0;
    double tipRadius = 0;
};

// A hand seen from above, palm down, in keyboard coordinates.
struct HandPose {
    std::array<Capsule, kDigitCount> digits;
    QPolygonF palm;                  // reaches well below the keyboard: the wrist is never seen
    std::optional<Digit> striking;   // lies on top of the other digits
};

// The digit that strikes key index 0..44 (the thumb strikes the space bar).
Digit StrikingDigit(bool leftHand, int keyIndex);

// The hand of one picture: at rest on the home keys (keys::kHome) or striking the key, its
// tip in the middle of StrikeArea(). The placement is the most natural one that keeps the
// hand wholly inside `picture`, except where the picture's bottom edge cuts the palm.
// Throws when none fits.
HandPose PoseForPicture(bool leftHand, int keyIndex, const QRect& picture);

}  // namespace picgen
