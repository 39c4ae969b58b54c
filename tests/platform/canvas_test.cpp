#include "platform/canvas.h"
#include "platform/cp1252.h"
#include "platform/resources.h"

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

// Only what was drawn is shown again: every pixel an operation changes lies in the region
// the canvas reports as changed. At twice the resolution, shapes cover the same pixels of
// the layout as at the plain one (text and round pens are drawn finer).
TEST(Canvas, EveryChangedPixelIsReportedAsChangedAtEachScale)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(26);
    struct Operation {
        const char* what;
        bool sameAtEachScale;
        std::function<void(Canvas&, const QImage& stamp)> draw;
    };
    const std::vector<Operation> operations{
        {"copy, clipped", true, [](Canvas& c, const QImage& stamp) { c.Copy(&stamp, 0, 0, 12, 9, 33, -4); }},
        {"fill", true, [](Canvas& c, const QImage&) { c.Fill({3, 4, 9, 7}, qRgb(1, 2, 3)); }},
        {"invert, clipped", true, [](Canvas& c, const QImage&) { c.Invert({-5, 20, 8, 40}); }},
        {"thin line", true, [](Canvas& c, const QImage&) { c.Line({2, 28}, {37, 3}, Pen{1, qRgb(255, 0, 0)}); }},
        {"thin xor line, clipped", true,
         [](Canvas& c, const QImage&) { c.Line({-3, 5}, {45, 9}, Pen{1, qRgb(0, 255, 0), true}); }},
        {"wide xor line", false,
         [](Canvas& c, const QImage&) { c.Line({10, 10}, {30, 12}, Pen{4, qRgb(0, 255, 0), true}); }},
        {"dot", false, [](Canvas& c, const QImage&) { c.Line({20, 15}, {20, 15}, Pen{20, qRgb(191, 191, 191), true}); }},
        {"text", false, [&](Canvas& c, const QImage&) {
             c.SetFont(font);
             c.Text(1, 0, "Ägypten, für Wolf");
         }},
    };
    for (const Operation& operation : operations) {
        std::vector<QImage> drawn;
        for (int scale : {1, 2}) {
            const QImage stamp = Pattern(scale).copy(0, 0, 12 * scale, 9 * scale);
            QImage image = Pattern(scale);
            const QImage before = image;
            Canvas canvas(&image);
            operation.draw(canvas, stamp);
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
        }
        if (operation.sameAtEachScale) {
            QImage doubled = drawn[0].scaled(drawn[1].size());
            doubled.setDevicePixelRatio(2);
            EXPECT_EQ(drawn[1], doubled) << operation.what;
        }
    }
}

TEST(Canvas, InvertingTwiceRestoresEveryPixel)
{
    QImage image = Pattern();
    const QImage before = image;
    Canvas canvas(&image);
    canvas.Invert({5, 5, 25, 20});
    EXPECT_EQ(image.pixel(10, 10) & 0xFFFFFF, ~before.pixel(10, 10) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(30, 10), before.pixel(30, 10));
    canvas.Invert({5, 5, 25, 20});
    EXPECT_EQ(image, before);
}

TEST(Canvas, XorSpotTwiceRestoresEveryPixel)
{
    QImage image = Pattern();
    const QImage before = image;
    Canvas canvas(&image);
    const Pen spot{20, qRgb(191, 191, 191), true};
    canvas.Line({20, 15}, {20, 15}, spot);
    EXPECT_EQ(image.pixel(20, 15) & 0xFFFFFF, (before.pixel(20, 15) ^ 0xBFBFBF) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(20 + 9, 15) & 0xFFFFFF, (before.pixel(20 + 9, 15) ^ 0xBFBFBF) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(20 + 12, 15), before.pixel(20 + 12, 15)) << "a round dot of diameter 20";
    canvas.Line({20, 15}, {20, 15}, spot);
    EXPECT_EQ(image, before);
}

TEST(Canvas, ThinLinesLeaveOutTheirEndPoint)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image);
    canvas.Line({1, 2}, {6, 2}, Pen{});
    canvas.Line({8, 8}, {8, 3}, Pen{});
    EXPECT_EQ(image.pixel(1, 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(5, 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(6, 2) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(8, 4) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(8, 3) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Canvas, CopyClipsAtBothImagesAndFailsOnlyWithoutASource)
{
    const QImage source = Pattern();
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::black);
    Canvas canvas(&target);
    EXPECT_TRUE(canvas.Copy(&source, 30, 25, 20, 20, -5, 10));
    EXPECT_EQ(target.pixel(0, 10), source.pixel(35, 25));
    EXPECT_EQ(target.pixel(4, 14), source.pixel(39, 29));
    EXPECT_EQ(target.pixel(5, 10) & 0xFFFFFF, 0u) << "nothing beyond the source's right edge";
    const QImage missing;
    EXPECT_FALSE(canvas.Copy(&missing, 0, 0, 5, 5, 0, 0));
    Canvas noTarget;
    EXPECT_FALSE(noTarget.Copy(&source, 0, 0, 5, 5, 0, 0));
}

TEST(Cp1252, GermanLettersTravelAsTheirBytes)
{
    EXPECT_EQ(cp1252::FromUtf8("äöüßÄÖÜ€"), "\xE4\xF6\xFC\xDF\xC4\xD6\xDC\x80");
    EXPECT_EQ(cp1252::ToQString("\xE4\xDF\x80"), QString::fromUtf8("äß€"));
    EXPECT_EQ(cp1252::FromUtf8("a\xE2\x86\x92z"), "a?z") << "a character without a byte";
}

TEST(StringTable, ReadsIdTabTextLinesAndSkipsCommentsAndBlanks)
{
    StringTable table;
    table.AddSource("# Lektion 2\n\n0\tjj hh\r\n17\tGr\xC3\xBC\xC3\x9F Gott\nno tab here\n12x\tbad id\n");
    EXPECT_EQ(table.Get(0), "jj hh");
    EXPECT_EQ(table.Get(17), "Gr\xFC\xDF Gott");
    EXPECT_FALSE(table.Has(12));
    EXPECT_EQ(table.Get(5), "");
    table.Set(3, std::string(300, 'a'));
    EXPECT_EQ(table.Get(3).size(), StringTable::kMaxLength);
}

}  // namespace
