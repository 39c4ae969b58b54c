#include "display/banner.h"
#include "display/bitmaps.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "support/tutor_fixture.h"

#include <QFontMetrics>

namespace {

class LayoutTest : public TutorTest {};

const QRgb kGrey = palette::kMidGrey & 0xFFFFFF, kWhite = 0xFFFFFF, kBeige = palette::kBackground & 0xFFFFFF;

TEST_F(LayoutTest, TypingAreaKeyboardAndPageRowsOfA692By454Client)
{
    QFont font = TextFontForHeight(20);   // one whose line height with leading is 16 pixels
    for (int pixels = 8; pixels < 20 && QFontMetrics(font).height() + QFontMetrics(font).leading() != 16; ++pixels)
        font.setPixelSize(pixels);
    tutor.screen.SetFont(font);
    ASSERT_EQ(tutor.screen.TextHeight() + tutor.screen.ExternalLeading(), 16);
    tutor.ResizeClient(692, 454);
    CalcScreenLayout(tutor);
    EXPECT_EQ(tutor.display.rcTypingArea, (Rect{40, 386, 652, 441}));
    EXPECT_EQ(tutor.display.rcKeyboard, (Rect{177, 243, 514, 371}));
    EXPECT_EQ((Point{tutor.layout.rcPageArea.top, tutor.layout.rcPageArea.bottom}), (Point{15, 222}));
    EXPECT_EQ(tutor.layout.yText, 20);
}

TEST_F(LayoutTest, TheKeyboardAndTheBannerAreShownInRaisedFrames)
{
    Start(692, 454);
    const Rect& board = tutor.display.rcKeyboard;
    EXPECT_EQ(host.typingArea, tutor.display.rcTypingArea);
    EXPECT_EQ(Pixel(board.left - 2, board.top - 2), kWhite);
    EXPECT_EQ(Pixel(board.right + 1, board.bottom + 1), kGrey);
    tutor.layout.rcPageArea.top = 15;
    tutor.layout.rcPageArea.bottom = 222;
    tutor.screenImage.fill(palette::kBackground);
    DrawBanner(tutor);   // centred on the page area
    EXPECT_EQ(Area({88, 61, 603, 176}), resources.Picture("banner.png"));
    for (const auto& [x, y, colour] : {std::tuple{86, 59, kWhite}, {86, 177, kWhite}, {87, 60, kWhite}, {87, 176, kWhite},
                                       {604, 59, kGrey}, {604, 177, kGrey}, {603, 176, kGrey}, {85, 58, kBeige}})
        EXPECT_EQ(Pixel(x, y), colour) << x << "," << y;
    EraseFrame(tutor.screen, {88, 61, 603, 176});
    for (const auto& [x, y] : {std::pair{86, 59}, {86, 177}, {87, 60}, {604, 59}, {604, 177}, {603, 176}})
        EXPECT_EQ(Pixel(x, y), kBeige) << x << "," << y;
}

// A screen of twice the resolution gets every picture with twice the pixels each way.
TEST(Pictures, AtTwiceTheResolutionEachPictureHasTwiceThePixels)
{
    Resources twice;
    twice.scale = 2;
    for (const char* file : {"keyboard.png", "lhome.png", "banner.png"})
        EXPECT_EQ(twice.Picture(file).size(), Resources().Picture(file).size() * 2) << file;
}

}  // namespace
