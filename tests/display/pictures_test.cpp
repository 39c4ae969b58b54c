#include "display/key_table.h"
#include "platform/canvas.h"
#include "platform/resources.h"

#include <gtest/gtest.h>

namespace {

// Pixels of the picture that differ from the keyboard under it, inside a keyboard rectangle.
int Changed(const QImage& picture, const QImage& keyboard, keys::HandPicture place, const Rect& area)
{
    int changed = 0;
    for (int y = std::max(area.top, place.offset.y); y < std::min(area.bottom, 128); ++y)
        for (int x = std::max(area.left, place.offset.x); x < std::min(area.right, place.offset.x + place.size.width); ++x)
            changed += picture.pixel(x - place.offset.x, y - place.offset.y) != keyboard.pixel(x, y);
    return changed;
}

TEST(Pictures, KeyboardBannerAndIconsHaveTheirSizesAtEachScale)
{
    for (int scale : {1, 2}) {
        Resources resources;
        resources.scale = scale;
        const QImage keyboard = resources.Picture("KEYBOARD.png");
        EXPECT_EQ(keyboard.size(), QSize(337, 128) * scale) << "found without regard to case";
        EXPECT_EQ(keyboard.devicePixelRatio(), scale);
        EXPECT_EQ(LogicalSize(resources.Picture("banner.png")), QSize(515, 115));
        EXPECT_EQ(LogicalSize(resources.Picture("klvapp.png")), QSize(64, 64));
        EXPECT_EQ(LogicalSize(resources.Picture("rhome.png")), LogicalSize(Resources().Picture("rhome.png")));
        EXPECT_TRUE(resources.Picture("nothing.png").isNull());
    }
}

TEST(Pictures, EveryHandPictureIsACutOutOfTheKeyboardWithTheHandOnItsKey)
{
    const Resources resources;
    const QImage keyboard = resources.Picture("keyboard.png");
    ASSERT_FALSE(keyboard.isNull());
    int pictures = 0;
    for (bool left : {true, false}) {
        for (int i = 0; i < keys::kCount; ++i) {
            if (i == keys::kNoKey)
                continue;
            const std::string file = keys::HandPictureFile(left, i);
            const keys::HandPicture place = left ? keys::kTable[i].left : keys::kTable[i].right;
            const QImage picture = resources.Picture(file);
            ASSERT_FALSE(picture.isNull()) << file;
            ++pictures;
            EXPECT_EQ(picture.size(), QSize(place.size.width, place.size.height)) << file;
            // The hand lies inside the picture: its top row and side columns are the keyboard's.
            EXPECT_EQ(Changed(picture, keyboard, place, {place.offset.x, place.offset.y, place.offset.x + place.size.width, place.offset.y + 1}), 0) << file;
            EXPECT_EQ(Changed(picture, keyboard, place, {place.offset.x, 0, place.offset.x + 1, 128}), 0) << file;
            EXPECT_EQ(Changed(picture, keyboard, place, {place.offset.x + place.size.width - 1, 0, place.offset.x + place.size.width, 128}), 0) << file;
            // A finger covers the struck key (for the home picture: each of f g h j).
            const Rect& face = keys::kTable[i].face;
            if (!face.empty()) {
                EXPECT_GT(Changed(picture, keyboard, place, face), face.width() * face.height() / 3) << file;
            } else if (i == keys::kHome) {
                for (char home : {'f', 'g', 'h', 'j'}) {
                    const Rect& key = keys::kTable[keys::kLetterA + (home - 'a')].face;
                    EXPECT_GT(Changed(picture, keyboard, place, key), key.width() * key.height() / 3) << file << home;
                }
            } else {
                EXPECT_GT(Changed(picture, keyboard, place, {0, 0, 337, 128}), 500) << file;
            }
        }
    }
    EXPECT_EQ(pictures, 92);
}

}  // namespace
