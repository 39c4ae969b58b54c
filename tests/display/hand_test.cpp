#include "course/navigation.h"
#include "display/bitmaps.h"
#include "display/hand.h"
#include "display/key_table.h"
#include "display/keymap.h"
#include "display/marks.h"
#include "flow/page_change.h"
#include "flow/screen.h"
#include "platform/palette.h"
#include "support/tutor_fixture.h"

namespace {

class HandTest : public TutorTest {
protected:
    void SetUp() override
    {
        tutor.course.nLesson = 2;
        tutor.course.nPage = 3;
        Start();
    }
    // The screen's keyboard as an image of the keyboard's size.
    QImage ScreenKeyboard() const { return Area(tutor.display.rcKeyboard); }
    // The keyboard with one picture laid over it at its place.
    QImage KeyboardWith(const QImage& picture, Point at) const
    {
        QImage expected = tutor.display.hbmKeyboard.copy();
        for (int y = 0; y < picture.height() && at.y + y < expected.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                expected.setPixel(at.x + x, at.y + y, picture.pixel(x, y));
        return expected;
    }
    QImage HandPicture(unsigned char ch) const { return tutor.display.hbmHand[KeyIndexOf(ch)]; }
    Point Offset(unsigned char ch) const { return tutor.display.ptHandOffset[KeyIndexOf(ch)]; }
};

TEST_F(HandTest, AtRestTheScreenShowsTheHomeHandAndTheCompositeIsBare)
{
    EXPECT_EQ(ScreenKeyboard(), KeyboardWith(tutor.display.hbmHand[keys::kHome], {92, 53}));
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard);
}

TEST_F(HandTest, AStruckKeyShowsOneHandAndGoingHomeRestoresTheComposite)
{
    for (unsigned char ch : std::initializer_list<unsigned char>{'q', 'p', '1', '0', ',', '-', ' ', '\r', 0xFC, 'j'}) {
        DrawHandAtKey(tutor, ch);
        EXPECT_EQ(ScreenKeyboard(), KeyboardWith(HandPicture(ch), Offset(ch))) << int(ch) << ": one hand, no home hand";
        DrawHomeHand(tutor);
        EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard) << int(ch);
        EXPECT_EQ(ScreenKeyboard(), KeyboardWith(tutor.display.hbmHand[keys::kHome], {92, 53})) << int(ch);
    }
}

TEST_F(HandTest, AtTwiceTheResolutionTheKeyboardShowsTheSamePixelsTwiceAsLarge)
{
    const auto strike = [this] {
        for (unsigned char ch : {'q', '\r', 'p'}) {
            DrawHandAtKey(tutor, ch);
            DrawHomeHand(tutor);
        }
        DrawHandAtKey(tutor, 'y');
        return ScreenKeyboard();
    };
    const QImage once = strike();
    resources.scale = 2;
    resources.doubledPictures = true;
    Start();
    const QImage twice = strike();
    ASSERT_EQ(twice.size(), once.size() * 2);
    EXPECT_EQ(twice.copy().scaled(once.size()), once) << "the same place at each scale";
    EXPECT_EQ(twice.copy().scaled(once.size()).scaled(twice.size()), twice) << "every pixel doubled";
}

TEST_F(HandTest, ACapitalShowsItsSmallLettersPictureAndAKeylessCharacterNothing)
{
    DrawHandAtKey(tutor, 'A');
    EXPECT_EQ(ScreenKeyboard(), KeyboardWith(HandPicture('a'), Offset('a')));
    const QImage before = ScreenKeyboard();
    const Rect hand = tutor.display.rcHand;
    DrawHandAtKey(tutor, '!');
    EXPECT_EQ(ScreenKeyboard(), before);
    EXPECT_EQ(tutor.display.rcHand, hand);
}

TEST_F(HandTest, TwoHomeHandsInARowChangeNothing)
{
    DrawHandAtKey(tutor, 'k');
    DrawHomeHand(tutor);
    const QImage screen = tutor.screenImage.copy();
    DrawHomeHand(tutor);
    EXPECT_EQ(tutor.screenImage, screen);
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard);
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(HandTest, APictureReachingBelowTheKeyboardIsCutAtItsBottomEdge)
{
    tutor.course.bLeftHand = 0;
    ASSERT_TRUE(ChangeHand(tutor));
    const Rect below{tutor.display.rcKeyboard.left, tutor.display.rcKeyboard.bottom, tutor.display.rcKeyboard.right,
                     tutor.display.rcKeyboard.bottom + 1};
    const QImage frame = Area(below);
    DrawHandAtKey(tutor, '1');
    EXPECT_EQ(Offset('1'), (Point{0, 9}));
    EXPECT_EQ(tutor.display.rcHandUnion.bottom, 128);
    EXPECT_EQ(Area(below), frame) << "the frame under the keyboard is untouched";
}

TEST_F(HandTest, ChangingHandsUsesTheRightHandsPicturesAndPlaces)
{
    tutor.course.nCharPos = 3;
    tutor.course.bLeftHand = 0;
    ASSERT_TRUE(ChangeHand(tutor));
    EXPECT_EQ(tutor.display.rcHome, (Rect{73, 53, 213, 128}));
    EXPECT_EQ(tutor.course.nCharPos, 0);
    EXPECT_EQ(ScreenKeyboard(), KeyboardWith(resources.Picture("rhome.png"), {73, 53}));
}

TEST_F(HandTest, ANewKeyIsInvertedAndEachHomeKeyCarriesAGreySpot)
{
    DrawKeyboard(tutor);
    ShadeTwoKeys(tutor, 'k', 'd');
    const Rect k = tutor.display.rcKey[KeyIndexOf('k')];
    QImage inverted = KeyboardArea(k);
    inverted.invertPixels();
    EXPECT_EQ(Area(k), inverted);
    const Rect& f = tutor.display.rcKey[KeyIndexOf('f')];
    EXPECT_EQ(Pixel(f.left + 7, f.top + 8), (KeyboardArea(f).pixel(7, 8) ^ 0xBFBFBF) & 0xFFFFFF) << "grey XOR spot";
    // The spot is 20 pixels across, through its centre both ways.
    const QImage bare = KeyboardArea(tutor.display.rcKeyboard);
    const Rect& board = tutor.display.rcKeyboard;
    const auto spotted = [&](int x, int y) { return Pixel(x, y) != (bare.pixel(x - board.left, y - board.top) & 0xFFFFFF); };
    const Point centre{f.left + 7, f.top + 8};
    int left = centre.x, right = centre.x, top = centre.y, bottom = centre.y;
    while (spotted(left - 1, centre.y)) --left;
    while (spotted(right + 1, centre.y)) ++right;
    while (spotted(centre.x, top - 1)) --top;
    while (spotted(centre.x, bottom + 1)) ++bottom;
    EXPECT_EQ(right - left + 1, 20);
    EXPECT_EQ(bottom - top + 1, 20);
}

TEST_F(HandTest, GuideLinesLieWhereTheyShouldAndGoAgain)
{
    tutor.display.rcKeyboard = {177, 243, 514, 371};   // as with a 16-pixel line in a 692 x 454 client
    SetKeyRects(tutor);
    DrawHomeHand(tutor);
    DrawGuides(tutor);
    const QRgb grey = palette::kMidGrey & 0xFFFFFF;
    EXPECT_EQ(Pixel(321, 339), grey);
    EXPECT_EQ(Pixel(295, 252), grey);
    EXPECT_EQ(Pixel(308, 296), grey) << "the middle of the first line";
    EXPECT_EQ(Pixel(365, 339), grey);
    EXPECT_EQ(Pixel(317, 252), grey);
    const Rect besideTheGuides = Rect{200, 53, 248, 128}.offset(177, 243);
    EXPECT_EQ(Area(besideTheGuides), KeyboardArea(besideTheGuides)) << "the home hand is taken off first";
    EraseGuides(tutor);
    const Rect band{177 + 92, 243, 177 + 248, 243 + 128};
    EXPECT_EQ(Area(band), KeyboardArea(band));
}

struct PageHand {
    int lesson;
    int page;
    bool shaded;
    int trialStep;
    char key;   // the key the hand is on; 'H' home; 0 none
};

TEST_F(HandTest, ThePageDecidesWhereTheHandIs)
{
    for (int left : {1, 0}) {
        const char trial[] = {left ? 'j' : 'f', left ? 'h' : 'g', left ? 'g' : 'h', left ? 'f' : 'j'};
        for (const PageHand& c : {PageHand{1, 4, false, 0, trial[0]}, PageHand{1, 4, false, 2, trial[2]},
                                  PageHand{1, 4, false, 4, 'H'}, PageHand{3, 2, false, 0, 0},
                                  PageHand{3, 3, true, 0, 0}, PageHand{3, 3, false, 0, 'H'}, PageHand{5, 1, true, 0, 0},
                                  PageHand{5, 2, true, 0, 'H'}, PageHand{12, 2, true, 0, 0}, PageHand{12, 3, true, 0, 0},
                                  PageHand{12, 4, true, 0, 'H'},
                                  PageHand{23, 2, true, 0, 0}, PageHand{23, 3, true, 0, 'H'},
                                  PageHand{2, 2, false, 0, 'H'}}) {
            tutor.course.bLeftHand = left;
            ASSERT_TRUE(ChangeHand(tutor));
            DrawKeyboard(tutor);
            tutor.course.nLesson = static_cast<int16_t>(c.lesson);
            tutor.course.nPage = static_cast<int16_t>(c.page);
            tutor.course.bHomeShaded = c.shaded;
            tutor.course.nExLine = static_cast<int16_t>(c.trialStep);
            DrawPageHand(tutor);
            const std::string what = std::to_string(c.lesson) + "/" + std::to_string(c.page) + " hand " + std::to_string(left);
            if (c.key == 0) {
                EXPECT_EQ(ScreenKeyboard(), tutor.display.hbmKeyboard) << what;
            } else if (c.key == 'H') {
                EXPECT_EQ(ScreenKeyboard(), KeyboardWith(tutor.display.hbmHand[keys::kHome], tutor.display.ptHandOffset[keys::kHome])) << what;
            } else {
                const auto ch = static_cast<unsigned char>(c.key);
                EXPECT_EQ(ScreenKeyboard(), KeyboardWith(HandPicture(ch), Offset(ch))) << what;
            }
            DrawHomeHand(tutor);
        }
    }
}

TEST_F(HandTest, AMissingPictureIsReportedByName)
{
    struct Case {
        const char* file;
        bool left;
        const char* text;
        const char* title;
    };
    for (const Case& c : {Case{"lhome.png", true, "Can't load hand graphic lhome", "CreateHandGraphics"},
                          Case{"lcomma.png", true, "Can't load hand graphic lcomma", "CreateHandGraphics"},
                          Case{"rue.png", false, "Can't load hand graphic r\xFC", "CreateHandGraphics"},
                          Case{"keyboard.png", true, "Unable to load keyboard bitmap", "CreateBitMaps"}}) {
        host.messages.clear();
        resources.missing = {c.file};
        tutor.course.bLeftHand = c.left;
        EXPECT_FALSE(CreateBitMaps(tutor)) << c.file;
        ASSERT_EQ(host.messages.size(), 1u) << c.file;
        EXPECT_EQ(host.messages[0].text, c.text);
        EXPECT_EQ(host.messages[0].title, c.title);
    }
    resources.missing = {"rhome.png"};
    tutor.course.bLeftHand = 0;
    EXPECT_FALSE(ChangeHand(tutor));
}

TEST_F(HandTest, AMissingBannerLeavesThePageEmptyAndSaysSo)
{
    resources.missing = {"banner.png"};
    tutor.course.nLesson = 0;
    tutor.course.nPage = 1;
    Paint();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Unable to load the banner bitmap");
    EXPECT_EQ(host.messages[0].title, "DrawBanner");
}

}  // namespace
