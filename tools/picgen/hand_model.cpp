#include "hand_model.h"

#include "columns.h"
#include "keyboard.h"

#include "display/key_table.h"

#include <QRectF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>

namespace picgen {

namespace {

// The finger that strikes each column is the one resting on the column's home key.
constexpr std::array<Digit, kColumnCount> kLeftFinger{kLittle, kRing, kMiddle, kIndex};
constexpr std::array<Digit, kColumnCount> kRightFinger{kIndex, kMiddle, kRing, kLittle};

// The resting hand in its own frame: a left hand seen from above, fingers pointing up
// (-y), thumb toward +x, origin midway between the fingertips on f and j, fingertips one
// key (22 pixels) apart. The right hand is its mirror image.
struct DigitShape {
    QPointF base;
    QPointF rest;   // the fingertips on f g h j, the thumb on the space bar
    double baseRadius;
    double tipRadius;
    double reach;   // the longest it looks stretched out, in resting lengths
};

constexpr std::array<DigitShape, kDigitCount> kShape{{
    /* thumb  */ {{30, 70}, {62, 43}, 8.0, 7.2, 1.4},
    /* index  */ {{27, 33}, {33, 0}, 7.3, 6.5, 2.1},
    /* middle */ {{9, 35}, {11, 0}, 7.5, 6.8, 2.2},
    /* ring   */ {{-9, 34}, {-11, 0}, 7.0, 6.3, 2.0},
    /* little */ {{-26, 31}, {-33, 0}, 6.3, 5.6, 1.8},
}};

// How far the resting fingers draw back (curl up) while another finger strikes.
constexpr double kLift = 4;

// Where the thumb goes when a narrow picture leaves it no room beside the palm: mostly
// under it.
constexpr QPointF kThumbTucked{44, 50};

// Points of the palm's outline, clockwise, from the little finger's side over the wrist
// (far below any picture) to the thumb's side and back along the knuckles.
constexpr std::array<QPointF, 18> kPalmOutline{{
    {-31, 25}, {-35, 33}, {-37, 50}, {-37, 75}, {-34, 105}, {-28, 150}, {26, 150}, {34, 105},
    {40, 80}, {42, 55}, {38, 33}, {31, 25}, {22, 24}, {13, 23}, {4, 24}, {-5, 24}, {-14, 24},
    {-23, 24},
}};

// The hand turns about the middle of its knuckle line.
constexpr QPointF kPivot{0, 34};

// The frame's origin on the keyboard when the hand is at home: between the middles of f and j.
constexpr QPointF kHomeOrigin{158.5, 63.5};

// Nothing of the hand comes nearer than this to a picture's left, right and top edges.
constexpr double kEdgeMargin = 2.5;

constexpr double kDegree = std::numbers::pi / 180;

// How the hand is moved from its place at home.
struct Placement {
    double dx = 0;
    double dy = 0;
    double turn = 0;     // radians, clockwise on screen for the left hand
    double spread = 1;   // 1: resting fingertips a key apart; less: drawn together
    double tuck = 0;     // 0: thumb on the space bar; 1: drawn in under the palm
    double stay = 1;     // 1: resting fingertips stay on their home keys; 0: go with the hand
};

constexpr std::array<double Placement::*, 6> kParameters{
    &Placement::dx, &Placement::dy, &Placement::turn, &Placement::spread, &Placement::tuck, &Placement::stay};

double Square(double value)
{
    return value * value;
}

double Length(QPointF vector)
{
    return std::hypot(vector.x(), vector.y());
}

double DistanceToSegment(QPointF point, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double t = std::clamp(QPointF::dotProduct(point - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    return Length(point - (a + ab * t));
}

// A closed Catmull-Rom curve through the points.
template <std::size_t N>
QPolygonF SmoothClosedCurve(const std::array<QPointF, N>& points, int samplesPerSpan)
{
    QPolygonF curve;
    for (std::size_t i = 0; i < N; ++i) {
        const QPointF p0 = points[(i + N - 1) % N];
        const QPointF p1 = points[i];
        const QPointF p2 = points[(i + 1) % N];
        const QPointF p3 = points[(i + 2) % N];
        for (int sample = 0; sample < samplesPerSpan; ++sample) {
            const double t = double(sample) / samplesPerSpan;
            const double t2 = t * t;
            const double t3 = t2 * t;
            curve << 0.5 * (2 * p1 + (p2 - p0) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                            (3 * p1 - p0 - 3 * p2 + p3) * t3);
        }
    }
    return curve;
}

const QPolygonF& PalmShape()
{
    static const QPolygonF palm = SmoothClosedCurve(kPalmOutline, 4);
    return palm;
}

// Takes points of the hand's own frame to the keyboard.
class HandFrame {
public:
    HandFrame(bool leftHand, const Placement& placement)
        : mirror_(leftHand ? 1 : -1), placement_(placement), cos_(std::cos(placement.turn)),
          sin_(std::sin(placement.turn))
    {
    }

    QPointF ToKeyboard(QPointF local) const
    {
        const QPointF r = local - kPivot;
        const QPointF turned = kPivot + QPointF(r.x() * cos_ - r.y() * sin_, r.x() * sin_ + r.y() * cos_);
        return kHomeOrigin + QPointF(placement_.dx + mirror_ * turned.x(), placement_.dy + turned.y());
    }

private:
    double mirror_;
    Placement placement_;
    double cos_;
    double sin_;
};

QPointF RestingTip(Digit digit, const Placement& placement, bool lifted)
{
    const QPointF rest = kShape[digit].rest;
    if (digit == kThumb)
        return rest + (kThumbTucked - rest) * placement.tuck;
    const QPointF tip(rest.x() * placement.spread, rest.y());
    const QPointF back = kShape[digit].base - tip;
    return lifted ? tip + back * (kLift / Length(back)) : tip;
}

// A hand placed on the keyboard, with the striking digit's tip on the target.
struct Candidate {
    HandPose pose;
    std::array<QPointF, kDigitCount> restingTips;   // where the tips would rest in this placement
};

Candidate Place(bool leftHand, const Placement& placement, std::optional<Digit> striking, QPointF target)
{
    const HandFrame frame(leftHand, placement);
    const HandFrame home(leftHand, Placement{});
    const bool lifted = striking.has_value() && *striking != kThumb;
    Candidate candidate;
    candidate.pose.striking = striking;
    for (int d = 0; d < kDigitCount; ++d) {
        const Digit digit = static_cast<Digit>(d);
        const QPointF carried = frame.ToKeyboard(RestingTip(digit, placement, lifted));
        const QPointF atHome = home.ToKeyboard(RestingTip(digit, Placement{}, lifted));
        Capsule& capsule = candidate.pose.digits[d];
        capsule.base = frame.ToKeyboard(kShape[d].base);
        if (digit == striking)
            capsule.tip = target;
        else if (digit == kThumb)
            capsule.tip = carried;
        else
            capsule.tip = carried + (atHome - carried) * placement.stay;
        capsule.baseRadius = kShape[d].baseRadius;
        capsule.tipRadius = kShape[d].tipRadius;
        candidate.restingTips[d] = carried;
    }
    for (QPointF point : PalmShape())
        candidate.pose.palm << frame.ToKeyboard(point);
    return candidate;
}

// Clear of the left, right and top edges of `inner`.
bool CircleInside(QPointF centre, double radius, const QRectF& inner)
{
    return centre.x() - radius >= inner.left() && centre.x() + radius <= inner.right() &&
           centre.y() - radius >= inner.top();
}

// Inside `inner`; its bottom edge may cut the palm and the roots of the digits, never a tip.
bool Fits(const HandPose& pose, const QRectF& inner)
{
    for (const Capsule& capsule : pose.digits)
        if (!CircleInside(capsule.base, capsule.baseRadius, inner) ||
            !CircleInside(capsule.tip, capsule.tipRadius, inner) ||
            capsule.tip.y() + capsule.tipRadius > inner.bottom() - kEdgeMargin)
            return false;
    const double bottom = inner.bottom();
    const QPolygonF& palm = pose.palm;
    for (qsizetype i = 0; i < palm.size(); ++i) {
        QPointF a = palm[i];
        QPointF b = palm[(i + 1) % palm.size()];
        if (a.y() >= bottom && b.y() >= bottom)
            continue;
        if (a.y() > bottom)
            a = b + (a - b) * ((bottom - b.y()) / (a.y() - b.y()));
        if (b.y() > bottom)
            b = a + (b - a) * ((bottom - a.y()) / (b.y() - a.y()));
        if (!CircleInside(a, 0, inner) || !CircleInside(b, 0, inner))
            return false;
    }
    return true;
}

constexpr double kImpossible = std::numeric_limits<double>::infinity();

// How a digit is stretched (above 1) or curled (below 1), and bent sideways, against its
// resting shape in the same placement.
struct Flex {
    double stretch;
    double bend;   // radians, either way
};

Flex FlexOf(const Candidate& candidate, Digit digit)
{
    const Capsule& capsule = candidate.pose.digits[digit];
    const QPointF reach = capsule.tip - capsule.base;
    const QPointF rest = candidate.restingTips[digit] - capsule.base;
    return {Length(reach) / Length(kShape[digit].rest - kShape[digit].base),
            std::abs(std::atan2(rest.x() * reach.y() - rest.y() * reach.x(), QPointF::dotProduct(rest, reach)))};
}

// The striking digit may stretch out far; it should not bend much.
double StrikingStrain(const Flex& flex, Digit digit)
{
    if (flex.stretch < 0.5 || flex.stretch > kShape[digit].reach || flex.bend > 60 * kDegree)
        return kImpossible;
    return Square(std::max(0.0, flex.stretch - 1) / 0.6) + Square(std::max(0.0, 0.85 - flex.stretch) / 0.15) +
           Square(std::max(0.0, flex.bend - 10 * kDegree) / (12 * kDegree));
}

// A resting finger that stays on its home key while the hand moves bends and stretches a little.
double RestingStrain(const Flex& flex)
{
    if (flex.stretch < 0.7 || flex.stretch > 1.4 || flex.bend > 35 * kDegree)
        return kImpossible;
    return Square(std::max(0.0, std::abs(flex.stretch - 1) - 0.1) / 0.1) +
           Square(std::max(0.0, flex.bend - 8 * kDegree) / (8 * kDegree));
}

// The striking digit should not lie over another one.
double Crowding(const HandPose& pose, Digit striking)
{
    const Capsule& strike = pose.digits[striking];
    double crowding = 0;
    for (int d = 0; d < kDigitCount; ++d) {
        if (d == striking)
            continue;
        const Capsule& other = pose.digits[d];
        const double room = strike.tipRadius + other.tipRadius + 1;
        const double gap = std::min(DistanceToSegment(other.tip, strike.base, strike.tip),
                                    DistanceToSegment(strike.tip, other.base, other.tip));
        crowding += 2 * Square(std::max(0.0, room - gap) / 3);
    }
    return crowding;
}

// How far a placement moves the hand from its natural shape at home.
double PlacementStrain(const Placement& placement)
{
    return Square(std::hypot(placement.dx, placement.dy) / 20) + Square(placement.turn / (10 * kDegree)) +
           Square((1 - placement.spread) / 0.15) + Square(placement.tuck / 0.6) +
           Square((1 - placement.stay) / 0.5);
}

// How unnatural a placed hand looks: moved from home, its digits stretched, bent or
// crowded; impossible when the hand leaves the picture.
double Strain(const Placement& placement, const Candidate& candidate, Digit striking, const QRectF& inner)
{
    if (!Fits(candidate.pose, inner))
        return kImpossible;
    double strain = PlacementStrain(placement) + Crowding(candidate.pose, striking);
    // A resting thumb goes with the hand: only a striking one can be strained.
    for (int d = kIndex; d < kDigitCount; ++d) {
        const Digit digit = static_cast<Digit>(d);
        const Flex flex = FlexOf(candidate, digit);
        strain += digit == striking ? StrikingStrain(flex, digit) : RestingStrain(flex);
    }
    if (striking == kThumb)
        strain += StrikingStrain(FlexOf(candidate, kThumb), kThumb);
    return strain;
}

Placement KeepInRange(Placement placement)
{
    placement.turn = std::clamp(placement.turn, -30 * kDegree, 30 * kDegree);
    placement.spread = std::clamp(placement.spread, 0.7, 1.0);
    placement.tuck = std::clamp(placement.tuck, 0.0, 1.0);
    placement.stay = std::clamp(placement.stay, 0.0, 1.0);
    return placement;
}

// A coarse grid over all placements, then a pattern search around the best point.
Placement LeastStrain(bool leftHand, Digit striking, QPointF target, const QRectF& inner)
{
    const auto strainOf = [&](const Placement& placement) {
        return Strain(placement, Place(leftHand, placement, striking, target), striking, inner);
    };
    Placement best;
    double least = kImpossible;
    for (int dx = -112; dx <= 112; dx += 4)
        for (int dy = -48; dy <= 36; dy += 6)
            for (int turn = -30; turn <= 30; turn += 6)
                for (double tuck : {0.0, 0.5, 1.0})
                    for (double stay : {0.0, 0.5, 1.0}) {
                        const Placement placement{double(dx), double(dy), turn * kDegree, 1, tuck, stay};
                        if (PlacementStrain(placement) >= least)
                            continue;   // cannot beat the best even with a perfect fit
                        const double strain = strainOf(placement);
                        if (strain < least) {
                            least = strain;
                            best = placement;
                        }
                    }
    if (least == kImpossible)
        return best;

    std::array<double, kParameters.size()> steps{5, 3, 3 * kDegree, 0.0625, 0.25, 0.25};
    for (int round = 0; round < 4; ++round) {
        for (bool improved = true; improved;) {
            improved = false;
            for (std::size_t p = 0; p < kParameters.size(); ++p)
                for (double sign : {-1.0, 1.0}) {
                    Placement trial = best;
                    trial.*kParameters[p] += sign * steps[p];
                    trial = KeepInRange(trial);
                    const double strain = strainOf(trial);
                    if (strain < least - 1e-9) {
                        least = strain;
                        best = trial;
                        improved = true;
                    }
                }
        }
        for (double& step : steps)
            step /= 2;
    }
    return best;
}

std::runtime_error NoFit(bool leftHand, int keyIndex)
{
    return std::runtime_error(std::string("no hand fits the picture of the ") + (leftHand ? "left" : "right") +
                              " hand at key index " + std::to_string(keyIndex));
}

}  // namespace

Digit StrikingDigit(bool leftHand, int keyIndex)
{
    if (keyIndex == keys::kSpace)
        return kThumb;
    const Column column = ColumnOf(keyIndex);
    return leftHand ? kLeftFinger[column] : kRightFinger[column];
}

HandPose PoseForPicture(bool leftHand, int keyIndex, const QRect& picture)
{
    const QRectF inner = QRectF(picture).adjusted(kEdgeMargin, kEdgeMargin, -kEdgeMargin, 0);
    if (keyIndex == keys::kHome) {
        HandPose home = Place(leftHand, {}, std::nullopt, {}).pose;
        if (!Fits(home, inner))
            throw NoFit(leftHand, keyIndex);
        return home;
    }
    const Digit striking = StrikingDigit(leftHand, keyIndex);
    const QPointF target = QRectF(StrikeArea(leftHand, keyIndex)).center();
    const Placement placement = LeastStrain(leftHand, striking, target, inner);
    const Candidate candidate = Place(leftHand, placement, striking, target);
    if (Strain(placement, candidate, striking, inner) == kImpossible)
        throw NoFit(leftHand, keyIndex);
    return candidate.pose;
}

}  // namespace picgen
