#include "keyboard.h"

#include "columns.h"
#include "fonts.h"
#include "picture_files.h"

#include "display/key_table.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <array>
#include <stdexcept>
#include <vector>

namespace picgen {

namespace {

const QColor kSurround(255, 255, 255);
const std::array<QColor, kColumnCount> kColumnColour{
    QColor(204, 255, 255), QColor(170, 223, 170), QColor(255, 255, 170), QColor(166, 202, 240)};
const QColor kSpaceBarColour(204, 204, 255);
const QColor kCapOutline(90, 90, 105);
const QColor kInk(25, 25, 45);

// A key cap is seen slightly from the front: its sides show around the top face, most
// of all below it.
constexpr QMargins kCapSides(2, 1, 2, 3);

enum class Symbol { None, Tab, CapsLock, Shift, Backspace, Enter };

// A key without a letter. Enter has two faces: the wide upper and the narrow lower part.
struct PlainKey {
    std::vector<QRect> faces;
    QColor colour;
    Symbol symbol;
};

const QRect kEnterUpper(293, 33, 40, 17);
const QRect kEnterLower(299, 50, 34, 22);

// Where the hand strikes Enter: a key's width of its lower part.
const QRect kEnterSpot(308, 53, 17, 17);

// Where the thumb strikes the space bar: a little inside its resting place.
const QRect kLeftThumbSpot(200, 100, 14, 13);
const QRect kRightThumbSpot(103, 100, 14, 13);

std::vector<PlainKey> PlainKeys()
{
    const QColor left = kColumnColour[kColumnF];
    const QColor right = kColumnColour[kColumnJ];
    return {
        {{QRect(5, 33, 35, 17)}, left, Symbol::Tab},
        {{QRect(5, 55, 42, 17)}, left, Symbol::CapsLock},
        {{QRect(5, 77, 50, 17)}, left, Symbol::Shift},
        {{QRect(276, 11, 57, 17)}, right, Symbol::Backspace},
        {{kEnterUpper, kEnterLower}, right, Symbol::Enter},
        {{QRect(280, 77, 53, 17)}, right, Symbol::Shift},
        {{QRect(82, 99, 176, 15)}, kSpaceBarColour, Symbol::None},
    };
}

// The cap: a dark outline, the sides in a darker shade, then the top face itself.
void DrawCap(QPainter& painter, const std::vector<QRect>& faces, const QColor& colour)
{
    for (const QRect& face : faces)
        painter.fillRect(face + kCapSides, kCapOutline);
    for (const QRect& face : faces)
        painter.fillRect((face + kCapSides).adjusted(1, 1, -1, -1), colour.darker(125));
    for (const QRect& face : faces)
        painter.fillRect(face, colour);
}

// Capital letters and digits as printed on the caps; ß carries the ? above it.
QString KeyLabel(int keyIndex)
{
    switch (keyIndex) {
    case keys::kComma: return QStringLiteral(",");
    case keys::kDash: return QStringLiteral("-");
    case keys::kFullStop: return QStringLiteral(".");
    case keys::kSharpS: return QStringLiteral("?ß");
    default: break;
    }
    const std::string_view suffix = keys::kTable[keyIndex].suffix;
    return QString::fromUtf8(suffix.data(), static_cast<qsizetype>(suffix.size())).toUpper();
}

// One character in the middle of the face; two (the shifted one first) one above the other.
void DrawLabel(QPainter& painter, const QRect& face, const QString& label)
{
    painter.setPen(kInk);
    if (label.size() == 2) {
        const QFont font = ExactFont(QStringLiteral("Liberation Sans"), 10, QFont::Bold);
        painter.setFont(font);
        const QFontMetricsF metrics(font);
        const QPointF centre = QRectF(face).center();
        for (int line = 0; line < 2; ++line) {
            const QString glyph = label.mid(line, 1);
            const double baseline = face.top() + 8 + 8 * line;
            painter.drawText(QPointF(centre.x() - metrics.horizontalAdvance(glyph) / 2, baseline), glyph);
        }
        return;
    }
    const bool punctuation = label == u"," || label == u"." || label == u"-";
    painter.setFont(ExactFont(QStringLiteral("Liberation Sans"), punctuation ? 16 : 11, QFont::Bold));
    // Punctuation sits low in its em box; lift it to the middle of the face.
    painter.drawText(punctuation ? face.translated(0, -2) : face, Qt::AlignCenter, label);
}

void DrawArrowHead(QPainter& painter, QPointF tip, QPointF direction)
{
    const QPointF back = -direction * 3.5;
    const QPointF side(-direction.y() * 3, direction.x() * 3);
    painter.drawPolygon(QPolygonF{tip, tip + back + side, tip + back - side});
}

// The outlined arrow of Shift (pointing up) and Caps Lock (pointing down).
void DrawHollowArrow(QPainter& painter, QPointF centre, double sign)
{
    QPolygonF arrow{{0, -5}, {5, 0}, {2.5, 0}, {2.5, 5}, {-2.5, 5}, {-2.5, 0}, {-5, 0}};
    for (QPointF& point : arrow)
        point = centre + QPointF(point.x(), point.y() * sign);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(arrow);
}

void DrawSymbol(QPainter& painter, const QRect& face, Symbol symbol)
{
    const QRectF f(face);
    const double midY = f.center().y();
    painter.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(kInk);
    switch (symbol) {
    case Symbol::None:
        break;
    case Symbol::Tab: {
        const QPointF tip(f.left() + 20, midY);
        painter.drawLine(QPointF(f.left() + 6, midY), tip - QPointF(2, 0));
        DrawArrowHead(painter, tip, QPointF(1, 0));
        painter.drawLine(QPointF(tip.x() + 1, midY - 4), QPointF(tip.x() + 1, midY + 4));
        break;
    }
    case Symbol::CapsLock:
        DrawHollowArrow(painter, QPointF(f.left() + 9, midY), -1);
        break;
    case Symbol::Shift:
        DrawHollowArrow(painter, QPointF(f.left() + 9, midY), 1);
        break;
    case Symbol::Backspace: {
        const QPointF tip(f.left() + 8, midY);
        painter.drawLine(tip + QPointF(2, 0), QPointF(f.left() + 30, midY));
        DrawArrowHead(painter, tip, QPointF(-1, 0));
        break;
    }
    case Symbol::Enter: {
        // On the lower part: down from the top, then left.
        const QRectF lower(kEnterLower);
        const QPointF corner(lower.right() - 8, lower.center().y() + 2);
        const QPointF tip(lower.left() + 6, corner.y());
        painter.drawLine(QPointF(corner.x(), lower.top() - 6), corner);
        painter.drawLine(corner, tip + QPointF(2, 0));
        DrawArrowHead(painter, tip, QPointF(-1, 0));
        break;
    }
    }
}

}  // namespace

QImage DrawKeyboard(int scale)
{
    QImage image = BlankImage(QSize(keys::kKeyboardWidth, keys::kKeyboardHeight), kSurround, scale);
    QPainter painter(&image);

    for (const PlainKey& key : PlainKeys())
        DrawCap(painter, key.faces, key.colour);
    for (int index = 0; index < keys::kWithRect; ++index)
        DrawCap(painter, {KeyFace(index)}, KeyFaceColour(index));

    painter.setRenderHint(QPainter::Antialiasing);
    for (const PlainKey& key : PlainKeys())
        DrawSymbol(painter, key.faces.front(), key.symbol);
    for (int index = 0; index < keys::kWithRect; ++index)
        DrawLabel(painter, KeyFace(index), KeyLabel(index));
    return image;
}

QRect KeyFace(int keyIndex)
{
    const Rect& face = keys::kTable[keyIndex].face;
    return QRect(face.left, face.top, face.width(), face.height());
}

QColor KeyFaceColour(int keyIndex)
{
    return kColumnColour[ColumnOf(keyIndex)];
}

QRect StrikeArea(bool leftHand, int keyIndex)
{
    if (keyIndex < keys::kWithRect)
        return KeyFace(keyIndex);
    if (keyIndex == keys::kReturn)
        return kEnterSpot;
    if (keyIndex == keys::kSpace)
        return leftHand ? kLeftThumbSpot : kRightThumbSpot;
    throw std::logic_error("no key to strike at index " + std::to_string(keyIndex));
}

}  // namespace picgen
