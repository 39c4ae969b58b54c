#include "banner.h"

#include "fonts.h"
#include "picture_files.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace picgen {

namespace {

const QColor kTitleInk(28, 52, 104);
const QColor kTextInk(50, 44, 40);
const QColor kCapOutline(70, 86, 110);
const QColor kCapSide(120, 176, 196);
const QColor kCapFace(204, 255, 255);
const QColor kPaperEdge(150, 150, 160);

// The program's mark: a key cap seen slightly from the front, a serif T on its face.
void DrawKeycap(QPainter& painter, const QRectF& bounds)
{
    const double unit = bounds.width() / 64;
    const QRectF face = bounds.adjusted(7 * unit, 5 * unit, -7 * unit, -13 * unit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kCapOutline, 1.5 * unit));
    painter.setBrush(kCapSide);
    painter.drawRoundedRect(bounds.adjusted(unit, unit, -unit, -unit), 9 * unit, 9 * unit);
    QLinearGradient shine(face.topLeft(), face.bottomRight());
    shine.setColorAt(0, Qt::white);
    shine.setColorAt(0.5, kCapFace);
    shine.setColorAt(1, kCapFace.darker(108));
    painter.setPen(QPen(kCapSide.darker(130), 1 * unit));
    painter.setBrush(shine);
    painter.drawRoundedRect(face, 6 * unit, 6 * unit);
    painter.setFont(ExactFont(QStringLiteral("Liberation Serif"), qRound(38 * unit), QFont::Bold));
    painter.setPen(kTitleInk);
    painter.drawText(face.translated(0, unit), Qt::AlignCenter, QStringLiteral("T"));
    painter.restore();
}

// Stripes in the colours of the keyboard's column groups.
void DrawColourRule(QPainter& painter, const QRectF& rule)
{
    const QColor colours[] = {{204, 255, 255}, {170, 223, 170}, {255, 255, 170}, {166, 202, 240}, {204, 204, 255}};
    const double width = rule.width() / std::size(colours);
    for (std::size_t i = 0; i < std::size(colours); ++i)
        painter.fillRect(QRectF(rule.left() + i * width, rule.top(), width, rule.height()), colours[i].darker(115));
}

// A transparent square; the icon theme's icons lie on any ground.
QImage ClearImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The session file's icon, in the 64 x 64 units of kIconSize.
void PaintDocIcon(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);

    // A sheet with its top right corner folded over.
    const double left = 10.5, top = 2.5, right = 53.5, bottom = 61.5, fold = 12;
    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    painter.setPen(QPen(kPaperEdge, 1));
    painter.setBrush(QColor(252, 252, 250));
    painter.drawPath(sheet);
    painter.setBrush(QColor(222, 222, 228));
    painter.drawPolygon(QPolygonF{{right - fold, top}, {right - fold, top + fold}, {right, top + fold}});

    painter.setPen(QPen(QColor(176, 180, 196), 2));
    for (double y = 12; y <= 24; y += 6)
        painter.drawLine(QPointF(left + 6, y), QPointF(right - fold - 4, y));
    DrawKeycap(painter, QRectF(16, 27, 32, 32));
}

}  // namespace

QImage DrawBanner(int scale)
{
    QImage image = BlankImage(kBannerSize, Qt::white, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient background(0, 0, 0, kBannerSize.height());
    background.setColorAt(0, QColor(255, 252, 240));
    background.setColorAt(1, QColor(244, 232, 206));
    painter.fillRect(QRect(QPoint(), kBannerSize), background);

    DrawKeycap(painter, QRectF(22, 18, 76, 76));

    const double textLeft = 118;
    painter.setPen(kTitleInk);
    painter.setFont(ExactFont(QStringLiteral("Liberation Serif"), 48, QFont::Bold));
    painter.drawText(QPointF(textLeft, 50), QStringLiteral("Tastora"));
    DrawColourRule(painter, QRectF(textLeft + 2, 58, 370, 3));

    painter.setPen(kTextInk);
    painter.setFont(ExactFont(QStringLiteral("Liberation Sans"), 17, QFont::Bold));
    painter.drawText(QPointF(textLeft, 81), QStringLiteral("Einhändig blind schreiben lernen"));
    painter.setFont(ExactFont(QStringLiteral("Liberation Sans"), 13));
    painter.drawText(QPointF(textLeft, 101),
                     QStringLiteral("Wählen Sie im Menü »Lehrgang« den Punkt »Start Übung 1«."));
    return image;
}

QImage DrawAppIcon(int scale)
{
    QImage image = BlankImage(kIconSize, Qt::white, scale);
    QPainter painter(&image);
    DrawKeycap(painter, QRectF(QPointF(0, 0), kIconSize));
    return image;
}

QImage DrawDocIcon(int scale)
{
    QImage image = BlankImage(kIconSize, Qt::white, scale);
    QPainter painter(&image);
    PaintDocIcon(painter);
    return image;
}

QImage ThemeAppIcon(int size)
{
    QImage image = ClearImage(size);
    QPainter painter(&image);
    // A margin keeps the rounded corners' smoothing off the corner pixels at 16 x 16.
    const double margin = size / 32.0;
    DrawKeycap(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    return image;
}

QImage ThemeDocIcon(int size)
{
    QImage image = ClearImage(size);
    QPainter painter(&image);
    painter.scale(size / double(kIconSize.width()), size / double(kIconSize.height()));
    PaintDocIcon(painter);
    return image;
}

}  // namespace picgen
