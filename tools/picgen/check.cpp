#include "check.h"

#include "columns.h"
#include "keyboard.h"
#include "picture_files.h"

#include "display/key_table.h"

#include <QDir>
#include <QImage>

#include <cmath>
#include <iostream>
#include <vector>
#include <string>

namespace picgen {

namespace {

// At least this share of a struck key's face must be covered by the fingertip.
constexpr double kCoveredShare = 0.4;

class Checker {
public:
    explicit Checker(const QString& directory) : dir_(directory) {}

    int faults() const { return faults_; }

    void Fault(const std::string& file, const std::string& what)
    {
        std::cerr << file << ": " << what << '\n';
        ++faults_;
    }

    // The picture if it exists with the expected size, else a null image.
    QImage Load(const std::string& file, QSize expected)
    {
        const QImage image = LoadWithAlpha(file, expected);
        return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
    }

    // The same, keeping its transparency.
    QImage LoadWithAlpha(const std::string& file, QSize expected)
    {
        QImage image(dir_.filePath(QString::fromStdString(file)));
        if (image.isNull()) {
            Fault(file, "missing or unreadable");
            return {};
        }
        if (image.size() != expected) {
            Fault(file, "is " + std::to_string(image.width()) + " x " + std::to_string(image.height()) +
                            ", expected " + std::to_string(expected.width()) + " x " +
                            std::to_string(expected.height()));
            return {};
        }
        return image.convertToFormat(QImage::Format_ARGB32);
    }

    const QDir& dir() const { return dir_; }

private:
    QDir dir_;
    int faults_ = 0;
};

// The keyboard's pixel, white below its bottom edge.
QRgb KeyboardPixel(const QImage& keyboard, QPoint point)
{
    return keyboard.rect().contains(point) ? keyboard.pixel(point) : qRgb(255, 255, 255);
}

// Share of the area's pixels in which the picture differs from the keyboard.
double ChangedShare(const QImage& picture, QPoint offset, const QImage& keyboard, const QRect& area)
{
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint inPicture = QPoint(x, y) - offset;
            if (picture.rect().contains(inPicture) && picture.pixel(inPicture) != KeyboardPixel(keyboard, {x, y}))
                ++changed;
        }
    return double(changed) / (area.width() * area.height());
}

// The first edge (left, right or top) on which the picture differs from the keyboard.
std::string TouchedEdge(const QImage& picture, QPoint offset, const QImage& keyboard)
{
    const auto differs = [&](int x, int y) { return picture.pixel(x, y) != KeyboardPixel(keyboard, offset + QPoint(x, y)); };
    for (int y = 0; y < picture.height(); ++y) {
        if (differs(0, y))
            return "left";
        if (differs(picture.width() - 1, y))
            return "right";
    }
    for (int x = 0; x < picture.width(); ++x)
        if (differs(x, 0))
            return "top";
    return {};
}

void CheckKeyColours(Checker& checker, const QImage& keyboard)
{
    for (int index = 0; index < keys::kWithRect; ++index) {
        const QRect face = KeyFace(index);
        const QColor expected = KeyFaceColour(index);
        for (QPoint corner : {face.topLeft(), face.topRight(), face.bottomLeft(), face.bottomRight()})
            if (keyboard.pixel(corner) != expected.rgb()) {
                checker.Fault(kKeyboardFile, "face of key " + std::string(keys::kTable[index].suffix) +
                                                 " not in its column's colour");
                break;
            }
    }
}

// The areas a hand picture must cover: the struck key, or all four home keys.
std::vector<QRect> StruckAreas(bool leftHand, int keyIndex)
{
    if (keyIndex != keys::kHome)
        return {StrikeArea(leftHand, keyIndex)};
    std::vector<QRect> homeKeys;
    for (char key : {'f', 'g', 'h', 'j'})
        homeKeys.push_back(KeyFace(keys::kLetterA + (key - 'a')));
    return homeKeys;
}

void CheckHandPicture(Checker& checker, const QImage& keyboard, bool leftHand, int keyIndex)
{
    const std::string file = keys::HandPictureFile(leftHand, keyIndex);
    const keys::HandPicture& spot = leftHand ? keys::kTable[keyIndex].left : keys::kTable[keyIndex].right;
    const QImage picture = checker.Load(file, QSize(spot.size.width, spot.size.height));
    if (picture.isNull())
        return;
    const QPoint offset(spot.offset.x, spot.offset.y);
    if (const std::string edge = TouchedEdge(picture, offset, keyboard); !edge.empty())
        checker.Fault(file, "the hand reaches the " + edge + " edge");
    for (const QRect& area : StruckAreas(leftHand, keyIndex))
        if (ChangedShare(picture, offset, keyboard, area) < kCoveredShare)
            checker.Fault(file, "no fingertip over the key at " + std::to_string(area.x()) + ", " +
                                    std::to_string(area.y()));
}

// A desktop icon: its size, a transparent corner (the ground) and an opaque middle.
void CheckThemeIcon(Checker& checker, const std::string& file, int size)
{
    const QImage icon = checker.LoadWithAlpha(file, QSize(size, size));
    if (icon.isNull())
        return;
    if (qAlpha(icon.pixel(0, 0)) != 0)
        checker.Fault(file, "the corner is not transparent");
    if (qAlpha(icon.pixel(size / 2, size / 2)) != 255)
        checker.Fault(file, "the middle is not opaque");
}

// How far, on average over all pixels and channels, two pictures of one size differ.
double MeanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// Every picture at scale 1 has its twin at each other scale: as many times the size, and
// made small again, nearly the same picture (drawn in the same place, not a part of it).
void CheckScales(Checker& checker)
{
    constexpr double kMostDifference = 8;
    for (const QString& name : checker.dir().entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        if (name.contains(u'@'))
            continue;
        const QImage picture(checker.dir().filePath(name));
        for (int scale : kScales) {
            const std::string file = ScaledFile(name, scale).toStdString();
            const QImage scaled = checker.Load(file, picture.size() * scale);
            if (scaled.isNull() || scale == 1)
                continue;
            const QImage small = scaled.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            if (const double difference = MeanDifference(small, picture.convertToFormat(QImage::Format_RGB32));
                difference > kMostDifference)
                checker.Fault(file, "differs from its picture at scale 1 by " + std::to_string(difference));
        }
    }
}

}  // namespace

int CheckPictures(const QString& directory)
{
    Checker checker(directory);
    const QImage keyboard = checker.Load(kKeyboardFile, QSize(keys::kKeyboardWidth, keys::kKeyboardHeight));
    if (!keyboard.isNull()) {
        CheckKeyColours(checker, keyboard);
        for (bool leftHand : {true, false})
            for (int index = 0; index < keys::kCount; ++index)
                if (index != keys::kNoKey)
                    CheckHandPicture(checker, keyboard, leftHand, index);
    }
    checker.Load(kBannerFile, kBannerSize);
    checker.Load(kAppIconFile, kIconSize);
    checker.Load(kDocIconFile, kIconSize);
    for (int size : kThemeIconSizes)
        for (const char* name : {kAppIconName, kDocIconName})
            CheckThemeIcon(checker, ThemeIconFile(name, size).toStdString(), size);
    CheckScales(checker);
    return checker.faults();
}

}  // namespace picgen
