#include "platform/canvas.h"

#include "platform/cp1252.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

QImage NewImage(QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

bool Canvas::Copy(const QImage* src, int sx, int sy, int w, int h, int dx, int dy)
{
    if (!target_ || target_->isNull() || !src || src->isNull() ||
        src->devicePixelRatio() != target_->devicePixelRatio())
        return false;
    // Clip against the source, then against the target, moving both origins together.
    auto clip = [&](int& s, int& d, int& extent, int sourceLimit, int targetLimit) {
        if (s < 0) { d -= s; extent += s; s = 0; }
        if (d < 0) { s -= d; extent += d; d = 0; }
        extent = std::min({extent, sourceLimit - s, targetLimit - d});
    };
    const QSize source = LogicalSize(*src), target = LogicalSize(*target_);
    clip(sx, dx, w, source.width(), target.width());
    clip(sy, dy, h, source.height(), target.height());
    if (w <= 0 || h <= 0)
        return true;
    const QImage pixels = src->format() == QImage::Format_RGB32 ? *src : src->convertToFormat(QImage::Format_RGB32);
    const int s = Scale();
    for (int row = 0; row < h * s; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(pixels.constScanLine(sy * s + row)) + sx * s;
        auto* to = reinterpret_cast<QRgb*>(target_->scanLine(dy * s + row)) + dx * s;
        std::copy(from, from + w * s, to);
    }
    Changed(dx, dy, w, h);
    return true;
}

void Canvas::Fill(const Rect& rect, QRgb colour)
{
    if (!target_ || rect.empty())
        return;
    QPainter painter(target_);
    painter.fillRect(rect.left, rect.top, rect.width(), rect.height(), QColor(colour));
    Changed(rect.left, rect.top, rect.width(), rect.height());
}

void Canvas::Invert(const Rect& rect)
{
    if (!target_)
        return;
    const QSize size = LogicalSize(*target_);
    const int left = std::max(rect.left, 0), right = std::min(rect.right, size.width());
    const int top = std::max(rect.top, 0), bottom = std::min(rect.bottom, size.height());
    const int s = Scale();
    for (int y = top * s; y < bottom * s; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target_->scanLine(y));
        for (int x = left * s; x < right * s; ++x)
            line[x] = line[x] ^ 0x00FFFFFFu;
    }
    if (right > left && bottom > top)
        Changed(left, top, right - left, bottom - top);
}

void Canvas::ThinLine(Point from, Point to, const Pen& pen)
{
    const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1, stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    const int s = Scale();
    const QRect inside(QPoint(), LogicalSize(*target_));
    Point p = from;
    while (p != to) {
        if (inside.contains(p.x, p.y)) {
            // The pixel's s x s device pixels.
            for (int y = p.y * s; y < (p.y + 1) * s; ++y) {
                auto* pixel = reinterpret_cast<QRgb*>(target_->scanLine(y)) + p.x * s;
                for (int i = 0; i < s; ++i, ++pixel)
                    *pixel = pen.xorMode ? (*pixel ^ (pen.colour & 0x00FFFFFFu)) : (pen.colour | 0xFF000000u);
            }
        }
        const int twice = 2 * error;
        if (twice >= dy) { error += dy; p.x += stepX; }
        if (twice <= dx) { error += dx; p.y += stepY; }
    }
}

void Canvas::Line(Point from, Point to, const Pen& pen)
{
    if (!target_)
        return;
    const int reach = (pen.width + 1) / 2 + 1;
    Changed(std::min(from.x, to.x) - reach, std::min(from.y, to.y) - reach, std::abs(to.x - from.x) + 2 * reach,
            std::abs(to.y - from.y) + 2 * reach);
    if (pen.width <= 1) {
        ThinLine(from, to, pen);
        return;
    }
    QPainter painter(target_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (pen.xorMode)
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(QColor(pen.colour), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (from == to)
        painter.drawPoint(from.x, from.y);
    else
        painter.drawLine(from.x, from.y, to.x, to.y);
}

void Canvas::SetFont(const QFont& font)
{
    font_ = font;
    metrics_.emplace(font_);
}

void Canvas::Text(int x, int y, std::string_view text)
{
    if (!target_ || text.empty() || !metrics_)
        return;
    QPainter painter(target_);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const QString shown = cp1252::ToQString(text);
    painter.drawText(x, y + metrics_->ascent(), shown);
    // Italic overhangs and antialiasing reach a little past the advance.
    Changed(x - 2, y, metrics_->horizontalAdvance(shown) + 4, metrics_->height());
}

int Canvas::TextWidth(std::string_view text) const
{
    return metrics_ ? metrics_->horizontalAdvance(cp1252::ToQString(text)) : 0;
}
