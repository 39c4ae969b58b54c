#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A 40 x 30 pattern at `scale` device pixels to the pixel.
QImage Pattern(int scale = 1)
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) & 0xFF));
    image = image.scaled(image.size() * scale);
    image.setDevicePixelRatio(scale);
    return image;
}

using Draw = std::function<void(Canvas&)>;

// Only what was drawn is shown again: every pixel an operation changes lies in the region
// the canvas reports as changed. At twice the resolution, shapes cover the same pixels of
// the layout as at the plain one (text and round pens are drawn finer). What is inverted or
// drawn in XOR is gone when drawn a second time.
TEST(Canvas, EveryChangedPixelIsReportedAsChangedAtEachScale)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(26);
    struct Operation {
        const char* what;
        bool sameAtEachScale, undoneByRepeating;
        Draw draw;
    };
    for (const Operation& operation : std::vector<Operation>{
             {"copy, clipped", true, false,
              [](Canvas& c) {
                  const QImage stamp = Pattern(static_cast<int>(c.Target()->devicePixelRatio()));
                  c.Copy(&stamp, 0, 0, 12, 9, 33, -4);
              }},
             {"fill", true, false, [](Canvas& c) { c.Fill({3, 4, 9, 7}, qRgb(1, 2, 3)); }},
             {"invert, clipped", true, true, [](Canvas& c) { c.Invert({-5, 20, 8, 40}); }},
             {"thin line", true, false, [](Canvas& c) { c.Line({2, 28}, {37, 3}, Pen{1, qRgb(255, 0, 0)}); }},
             {"thin xor line", true, true, [](Canvas& c) { c.Line({-3, 5}, {45, 9}, Pen{1, qRgb(0, 255, 0), true}); }},
             {"wide xor line", false, true, [](Canvas& c) { c.Line({10, 10}, {30, 12}, Pen{4, qRgb(0, 255, 0), true}); }},
             {"dot", false, true, [](Canvas& c) { c.Line({20, 15}, {20, 15}, Pen{20, qRgb(191, 191, 191), true}); }},
             {"text", false, false, [&](Canvas& c) { c.SetFont(font); c.Text(1, 0, "\xC4gypten, f\xFCr Wolf"); }},
         }) {
        std::vector<QImage> drawn;
        for (int scale : {1, 2}) {
            QImage image = Pattern(scale);
            const QImage before = image;
            Canvas canvas(&image);
            operation.draw(canvas);
            const QRegion changed = canvas.TakeChanged();
            int differing = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixel(x, y) != before.pixel(x, y)) {
                        ++differing;
                        EXPECT_TRUE(changed.contains(QPoint(x / scale, y / scale)))
                            << operation.what << " at " << x << "," << y << ", scale " << scale;
                    }
                }
            }
            EXPECT_GT(differing, 0) << operation.what;
            EXPECT_TRUE(canvas.TakeChanged().isEmpty()) << operation.what << ": taken once";
            drawn.push_back(image);
            operation.draw(canvas);
            EXPECT_TRUE(!operation.undoneByRepeating || image == before) << operation.what;
        }
        QImage doubled = drawn[0].scaled(drawn[1].size());
        doubled.setDevicePixelRatio(2);
        EXPECT_TRUE(!operation.sameAtEachScale || drawn[1] == doubled) << operation.what;
    }
}

}  // namespace
