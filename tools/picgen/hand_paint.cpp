#include "hand_paint.h"

#include "picture_files.h"

#include "display/key_table.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>
#include <vector>

namespace picgen {

namespace {

const QColor kSkinLight(250, 218, 190);
const QColor kSkinShade(226, 172, 140);
const QColor kOutline(125, 74, 52);
const QColor kNail(255, 240, 236);
const QColor kNailEdge(208, 150, 134);
const QColor kCrease(196, 136, 106);
constexpr double kOutlineWidth = 1.3;

QPointF Unit(QPointF vector)
{
    return vector / std::hypot(vector.x(), vector.y());
}

QPointF Normal(QPointF unit)
{
    return {-unit.y(), unit.x()};
}

// The outline of a capsule whose ends are circles of different sizes: round tip, straight
// sides along the outer tangents, round base.
QPolygonF TaperedCapsule(const Capsule& capsule)
{
    const QPointF axis = capsule.tip - capsule.base;
    const double length = std::hypot(axis.x(), axis.y());
    const QPointF u = axis / length;
    const QPointF n = Normal(u);
    // The tangents touch both circles where their radii make this angle with the axis.
    const double side = std::numbers::pi / 2 + std::asin((capsule.tipRadius - capsule.baseRadius) / length);
    const auto around = [&](QPointF centre, double radius, double from, double to) {
        constexpr int kSteps = 12;
        QPolygonF arc;
        for (int step = 0; step <= kSteps; ++step) {
            const double angle = from + (to - from) * step / kSteps;
            arc << centre + radius * (std::cos(angle) * u + std::sin(angle) * n);
        }
        return arc;
    };
    return around(capsule.tip, capsule.tipRadius, side, -side) +
           around(capsule.base, capsule.baseRadius, -side, side - 2 * std::numbers::pi);
}

// Lighter along the middle, darker at the sides: the digit looks round.
QBrush RoundBrush(QPointF from, QPointF to)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, kSkinShade);
    gradient.setColorAt(0.45, kSkinLight);
    gradient.setColorAt(1, kSkinShade);
    return gradient;
}

void PaintNail(QPainter& painter, const Capsule& capsule)
{
    const QPointF u = Unit(capsule.tip - capsule.base);
    const double r = capsule.tipRadius;
    painter.save();
    painter.translate(capsule.tip + u * (0.1 * r));
    painter.rotate(std::atan2(u.y(), u.x()) * 180 / std::numbers::pi);
    painter.setPen(QPen(kNailEdge, 0.8));
    painter.setBrush(kNail);
    painter.drawEllipse(QPointF(0, 0), 0.7 * r, 0.55 * r);
    painter.restore();
}

// The fold over the last joint, where the digit is long enough to show one.
void PaintCrease(QPainter& painter, const Capsule& capsule)
{
    const QPointF axis = capsule.tip - capsule.base;
    const double length = std::hypot(axis.x(), axis.y());
    const double fromTip = 2.2 * capsule.tipRadius;
    if (length < fromTip + capsule.baseRadius)
        return;
    const QPointF u = axis / length;
    const QPointF across = Normal(u) * (0.5 * capsule.tipRadius);
    const QPointF middle = capsule.tip - u * fromTip;
    QPainterPath crease(middle - across);
    crease.quadTo(middle + u * 1.5, middle + across);
    painter.setPen(QPen(kCrease, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(crease);
}

void PaintDigit(QPainter& painter, const Capsule& capsule)
{
    const QPointF middle = (capsule.base + capsule.tip) / 2;
    const QPointF across = Normal(Unit(capsule.tip - capsule.base)) * capsule.baseRadius;
    painter.setPen(QPen(kOutline, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(RoundBrush(middle - across, middle + across));
    painter.drawPolygon(TaperedCapsule(capsule));
    PaintCrease(painter, capsule);
    PaintNail(painter, capsule);
}

// Back to front: the thumb lies lowest, the striking digit on top of all.
std::vector<Digit> PaintingOrder(const HandPose& pose)
{
    std::vector<Digit> order;
    for (Digit digit : {kThumb, kLittle, kRing, kMiddle, kIndex})
        if (digit != pose.striking)
            order.push_back(digit);
    if (pose.striking)
        order.push_back(*pose.striking);
    return order;
}

}  // namespace

void PaintHand(QPainter& painter, const HandPose& pose)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The palm's silhouette first: its outline stays visible wherever no digit covers it.
    painter.setPen(QPen(kOutline, 2 * kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kOutline);
    painter.drawPolygon(pose.palm);
    for (Digit digit : PaintingOrder(pose))
        PaintDigit(painter, pose.digits[digit]);
    // Then the palm itself, hiding the roots of the digits.
    const QPointF littleKnuckle = pose.digits[kLittle].base;
    const QPointF indexKnuckle = pose.digits[kIndex].base;
    const QPointF overhang = Unit(indexKnuckle - littleKnuckle) * 10.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(RoundBrush(littleKnuckle - overhang, indexKnuckle + overhang));
    painter.drawPolygon(pose.palm);
    painter.restore();
}

QImage HandPicture(const QImage& keyboard, bool leftHand, int keyIndex)
{
    const keys::HandPicture& spot = leftHand ? keys::kTable[keyIndex].left : keys::kTable[keyIndex].right;
    const QRect place(spot.offset.x, spot.offset.y, spot.size.width, spot.size.height);
    QImage picture = BlankImage(place.size(), Qt::white, static_cast<int>(keyboard.devicePixelRatio()));
    QPainter painter(&picture);
    painter.translate(-place.topLeft());
    painter.drawImage(0, 0, keyboard);
    PaintHand(painter, PoseForPicture(leftHand, keyIndex, place));
    return picture;
}

}  // namespace picgen
