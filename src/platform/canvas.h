#pragma once

#include "platform/geometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRegion>

#include <optional>
#include <string_view>
#include <utility>

struct Pen {
    int width = 1;
    QRgb colour = qRgb(0, 0, 0);
    bool xorMode = false;   // combine with the target by XOR instead of copying
};

// An image's size in pixels of the layout: its device pixels over its device pixel ratio.
inline QSize LogicalSize(const QImage& image)
{
    return image.deviceIndependentSize().toSize();
}

// A new RGB32 image of `size` pixels of the layout, at `scale` device pixels to the pixel.
QImage NewImage(QSize size, int scale);

// A drawing surface: a target image with a selected text font. Shapes are never
// antialiased, so inverting or XOR-ing twice restores the pixels exactly.
//
// Coordinates are pixels of the layout. An image of device pixel ratio 2 (for a screen of
// twice the resolution) has two device pixels to the pixel each way: every shape covers
// the same pixels of the layout as at ratio 1, and text is drawn at the device's resolution.
class Canvas {
public:
    explicit Canvas(QImage* target = nullptr) : target_(target) {}

    void SetTarget(QImage* target) { target_ = target; }
    QImage* Target() const { return target_; }

    // Copies a w x h block of src at (sx, sy) to (dx, dy), clipped to both images.
    // Fails when the source or the target is missing, or their device pixel ratios differ.
    bool Copy(const QImage* src, int sx, int sy, int w, int h, int dx, int dy);
    void Fill(const Rect& rect, QRgb colour);
    void Invert(const Rect& rect);
    // A pen of width 1 draws from `from` up to, but not including, `to`. Wider pens have
    // round ends and cover both end points; a zero-length line is a round dot.
    void Line(Point from, Point to, const Pen& pen);

    void SetFont(const QFont& font);
    // Black text with its top-left corner at (x, y); the text is code page 1252.
    void Text(int x, int y, std::string_view text);
    // Width of the text measured as one string (kerning included).
    int TextWidth(std::string_view text) const;
    int TextHeight() const { return metrics_ ? metrics_->height() : 0; }
    int ExternalLeading() const { return metrics_ ? metrics_->leading() : 0; }

    // What was drawn since the last call, so that only that is shown again.
    QRegion TakeChanged() { return std::exchange(changed_, QRegion()); }

private:
    int Scale() const { return static_cast<int>(target_->devicePixelRatio()); }
    void ThinLine(Point from, Point to, const Pen& pen);
    void Changed(int left, int top, int width, int height) { changed_ += QRect(left, top, width, height); }

    QImage* target_;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    QRegion changed_;
};
