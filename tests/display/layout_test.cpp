#include "course/layout.h"
#include "display/banner.h"
#include "display/bitmaps.h"
#include "flow/page_change.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "support/tutor_fixture.h"

#include <QFontMetrics>

#include <array>

namespace {

class LayoutTest : public TutorTest {};

TEST_F(LayoutTest, ScreenLayoutOfTheWorkedExample)
{
    // A font whose line height (height plus leading) is 16 pixels.
    QFont font = TextFontForHeight(20);
    for (int pixels = 8; pixels < 20; ++pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.height() + metrics.leading() == 16)
            break;
    }
    tutor.screen.SetFont(font);
    ASSERT_EQ(tutor.screen.TextHeight() + tutor.screen.ExternalLeading(), 16);
    tutor.ResizeClient(692, 454);
    CalcScreenLayout(tutor);
    EXPECT_EQ(tutor.display.rcTypingArea, (Rect{40, 386, 652, 441}));
    EXPECT_EQ(tutor.display.rcKeyboard, (Rect{177, 243, 514, 371}));
    EXPECT_EQ(tutor.layout.rcPageArea.top, 15);
    EXPECT_EQ(tutor.layout.rcPageArea.bottom, 222);
    EXPECT_EQ(tutor.layout.yText, 20);
}

TEST_F(LayoutTest, TextColumnIsCentredWithTheWidthOfItsClass)
{
    struct Case {
        int clientWidth;
        int fontSize;
        int lesson;
        int page;
        int left;
        int right;
    };
    for (const Case& c : {Case{700, 1000, 5, 2, 115, 585}, Case{781, 1002, 9, 2, 20, 760},
                          Case{700, 1000, 3, 4, 115, 585}, Case{800, 1001, 3, 4, 115, 685},
                          Case{700, 1000, 0, 2, 95, 605}, Case{700, 1000, 22, 1, 65, 635}}) {
        tutor.course.nFontSize = c.fontSize;
        tutor.ResizeClient(c.clientWidth, 560);
        PlaceColumn(tutor, c.lesson, c.page);
        EXPECT_EQ(tutor.layout.rcPageArea.left, c.left) << c.lesson << "/" << c.page;
        EXPECT_EQ(tutor.layout.rcPageArea.right, c.right) << c.lesson << "/" << c.page;
        EXPECT_EQ(tutor.layout.xText, c.left);
    }
}

// How many lessons have a narrow, medium and wide column on each page, for the standard
// size and for the two larger ones (which share their classes); lesson 3 page 4 is narrow
// at the standard size only.
TEST_F(LayoutTest, ColumnClassesPerPageAndFontGroup)
{
    using Counts = std::array<int, 3>;
    const std::array<std::array<Counts, 4>, 2> expected{{
        {{{6, 14, 4}, {9, 11, 4}, {4, 20, 0}, {2, 22, 0}}},
        {{{2, 5, 17}, {1, 9, 14}, {2, 2, 20}, {0, 22, 2}}},
    }};
    for (int group = 0; group < 2; ++group) {
        for (int page = 1; page <= 4; ++page) {
            Counts counts{};
            for (int lesson = 0; lesson <= kLastLesson; ++lesson)
                ++counts[PageColumn(group == 0 ? 1000 : 1001, lesson, page)];
            EXPECT_EQ(counts, expected[group][page - 1]) << "font group " << group << " page " << page;
        }
    }
    EXPECT_EQ(PageColumn(1000, 3, 4), kNarrow);
    EXPECT_EQ(PageColumn(1001, 3, 4), kMedium);
}

TEST_F(LayoutTest, RaisedFrameLiesJustOutsideTheRectangle)
{
    tutor.ResizeClient(40, 40);
    tutor.screenImage.fill(palette::kBackground);
    const Rect rc{10, 10, 20, 20};
    DrawRaisedFrame(tutor.screen, rc);
    const QRgb grey = palette::kMidGrey & 0xFFFFFF, white = 0xFFFFFF, beige = palette::kBackground & 0xFFFFFF;
    struct Probe {
        int x;
        int y;
        QRgb colour;
    };
    for (const Probe& p : {Probe{8, 8, white},   Probe{15, 8, white},  Probe{21, 8, grey},  Probe{9, 9, white},
                           Probe{15, 9, white},  Probe{20, 9, grey},   Probe{8, 15, white}, Probe{9, 15, white},
                           Probe{20, 15, grey},  Probe{21, 15, grey},  Probe{9, 20, white}, Probe{15, 20, grey},
                           Probe{15, 21, grey},  Probe{8, 21, white},  Probe{21, 21, grey}, Probe{10, 10, beige},
                           Probe{19, 19, beige}, Probe{7, 7, beige},   Probe{22, 22, beige}}) {
        EXPECT_EQ(Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
    EraseFrame(tutor.screen, rc);
    QImage background(40, 40, QImage::Format_RGB32);
    background.fill(palette::kBackground);
    EXPECT_EQ(tutor.screenImage, background) << "erasing paints the frame over in the background colour";
}

// The panel's frame is drawn, by a paint and by a page change alike, exactly when the client
// is wider than the widest column of the font size plus 40; the start screen erases it.
TEST_F(LayoutTest, PagePanelFrameOnlyWhenTheClientIsWiderThanTheWidestColumn)
{
    struct Case {
        int fontSize;
        int width;
        bool frame;
    };
    for (const Case& c : {Case{1000, 610, false}, Case{1000, 611, true}, Case{1000, 650, true},
                          Case{1001, 670, false}, Case{1001, 671, true}, Case{1002, 781, true}}) {
        tutor.course.nFontSize = c.fontSize;
        tutor.course.nLesson = 0;
        tutor.course.nPage = 1;
        Start(c.width, 600);
        const auto frameShown = [&] { return Pixel(18, tutor.layout.rcPageArea.top - 6) == 0xFFFFFF; };
        EXPECT_FALSE(frameShown()) << c.width << " start screen";
        ChangePage(tutor, +1);
        EXPECT_EQ(frameShown(), c.frame) << c.width << " after Down";
        Paint();
        EXPECT_EQ(frameShown(), c.frame) << c.width << " painted";
        ChangePage(tutor, -1);
        EXPECT_FALSE(frameShown()) << c.width << " back on the start screen";
    }
}

TEST_F(LayoutTest, StartScreenShowsTheBannerCentredOnThePageAreaWithoutPanel)
{
    tutor.course.nLesson = 0;
    tutor.course.nPage = 1;
    Start(692, 454);
    const Rect& page = tutor.layout.rcPageArea;
    const QImage banner = resources.Picture("banner.png");
    const int x = (692 - banner.width()) / 2;
    const int y = page.top + (page.bottom - page.top - banner.height()) / 2;
    EXPECT_EQ(Area({x, y, x + banner.width(), y + banner.height()}), banner);
    EXPECT_EQ(Pixel(x - 1, y - 1), 0xFFFFFFu) << "raised frame";
    EXPECT_EQ(Pixel(x + banner.width(), y + banner.height()), palette::kMidGrey & 0xFFFFFF);
    EXPECT_EQ(Pixel(25, page.top + 2), palette::kBackground & 0xFFFFFF) << "no pale panel";
}

TEST_F(LayoutTest, BannerPlaceInA692WideClientWithPageArea15To222)
{
    Start(692, 454);
    tutor.layout.rcPageArea.top = 15;
    tutor.layout.rcPageArea.bottom = 222;
    tutor.screenImage.fill(palette::kBackground);
    DrawBanner(tutor);
    EXPECT_EQ(Area({88, 61, 603, 176}), resources.Picture("banner.png"));
    EXPECT_EQ(Pixel(86, 59), 0xFFFFFFu);
    EXPECT_EQ(Pixel(604, 177), palette::kMidGrey & 0xFFFFFF);
    EXPECT_EQ(Pixel(85, 58), palette::kBackground & 0xFFFFFF);
}

TEST_F(LayoutTest, KeyboardIsCentredBelowThePageInItsFrame)
{
    Start(700, 460);
    const Rect& keyboard = tutor.display.rcKeyboard;
    EXPECT_EQ(keyboard.left, (700 - 337) / 2);
    EXPECT_EQ(keyboard.width(), 337);
    EXPECT_EQ(keyboard.height(), 128);
    EXPECT_EQ(host.typingArea, tutor.display.rcTypingArea);
    EXPECT_EQ(Pixel(keyboard.left - 2, keyboard.top - 2), 0xFFFFFFu);
    EXPECT_EQ(Pixel(keyboard.right + 1, keyboard.bottom + 1), palette::kMidGrey & 0xFFFFFF);
}

}  // namespace
