#include "display/hand.h"
#include "display/key_table.h"
#include "display/keymap.h"
#include "display/marks.h"
#include "flow/screen.h"
#include "platform/palette.h"
#include "support/tutor_fixture.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

class HandTest : public TutorTest {
protected:
    void SetUp() override
    {
        tutor.course.nLesson = 2;
        tutor.course.nPage = 3;
        Start();
    }
    QImage ScreenKeyboard() const { return Area(tutor.display.rcKeyboard); }
    // The keyboard with one picture laid over it at its place, cut at the keyboard's edge.
    QImage KeyboardWith(const QImage& picture, Point at) const
    {
        QImage expected = tutor.display.hbmKeyboard.copy();
        for (int y = 0; y < picture.height() && at.y + y < expected.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                expected.setPixel(at.x + x, at.y + y, picture.pixel(x, y));
        return expected;
    }
    QImage KeyboardWith(int key) const { return KeyboardWith(tutor.display.hbmHand[key], tutor.display.ptHandOffset[key]); }
};

TEST_F(HandTest, AStruckKeyShowsOneHandAndGoingHomeBringsBackTheBareComposite)
{
    EXPECT_EQ(ScreenKeyboard(), KeyboardWith(resources.Picture("lhome.png"), {92, 53})) << "at rest";
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard);
    // A capital strikes its small letter's key, "?" the key of ß.
    const std::pair<unsigned char, int> struck[] = {
        {'q', keys::kLetterA + 16}, {'p', keys::kLetterA + 15}, {'1', keys::kDigit0 + 1}, {'0', keys::kDigit0},
        {',', keys::kComma},        {'-', keys::kDash},         {' ', keys::kSpace},       {'\r', keys::kReturn},
        {0xFC, keys::kUmlautU},     {'A', keys::kLetterA},      {0xD6, keys::kUmlautO},    {'?', keys::kSharpS}};
    for (const auto& [ch, key] : struck) {
        EXPECT_EQ(KeyIndexOf(ch), key) << int(ch);
        DrawHandAtKey(tutor, ch);
        EXPECT_EQ(ScreenKeyboard(), KeyboardWith(key)) << int(ch) << ": one hand, no home hand";
        for (int time : {1, 2}) {
            DrawHomeHand(tutor);
            EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard) << int(ch) << " home " << time;
            EXPECT_EQ(ScreenKeyboard(), KeyboardWith(keys::kHome)) << int(ch) << " home " << time;
        }
    }
    DrawHandAtKey(tutor, 'k');
    const QImage screen = tutor.screenImage.copy();
    for (unsigned char ch : {'!', '\t', '\b', '\x80'}) {
        EXPECT_EQ(KeyIndexOf(ch), keys::kNoKey) << int(ch);
        DrawHandAtKey(tutor, ch);
    }
    EXPECT_EQ(tutor.screenImage, screen) << "a character without a key shows nothing";
    EXPECT_EQ(host.beeps, 0);
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

TEST_F(HandTest, TheRightHandRestsAtItsOwnPlaceAndIsCutAtTheKeyboardsBottomEdge)
{
    tutor.course.nCharPos = 3;
    tutor.course.bLeftHand = 0;
    ASSERT_TRUE(ChangeHand(tutor));
    EXPECT_EQ(tutor.course.nCharPos, 0);
    EXPECT_EQ(ScreenKeyboard(), KeyboardWith(resources.Picture("rhome.png"), {73, 53}));
    const Rect& board = tutor.display.rcKeyboard;
    const Rect below{board.left, board.bottom, board.right, board.bottom + 3};
    const QImage frame = Area(below);
    DrawHandAtKey(tutor, '1');   // a picture one pixel taller than the keyboard below it
    EXPECT_EQ(ScreenKeyboard(), KeyboardWith(KeyIndexOf('1')));
    EXPECT_EQ(Area(below), frame) << "the frame under the keyboard is untouched";
    DrawHomeHand(tutor);
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard);
}

TEST_F(HandTest, NewKeysAreInvertedHomeKeysSpottedAndBothUndone)
{
    DrawKeyboard(tutor);
    const QImage bare = ScreenKeyboard();
    const Rect& board = tutor.display.rcKeyboard;
    const auto key = [&](char ch) { return tutor.display.rcKey[KeyIndexOf(static_cast<unsigned char>(ch))]; };
    const auto spotted = [&](int x, int y) { return Pixel(x, y) != (bare.pixel(x - board.left, y - board.top) & 0xFFFFFF); };
    ShadeTwoKeys(tutor, 'k', 'd');
    for (char ch : {'k', 'd'}) {
        QImage inverted = KeyboardArea(key(ch));
        inverted.invertPixels();
        EXPECT_EQ(Area(key(ch)), inverted) << ch;
    }
    // A grey XOR spot 20 pixels across on each home key, measured through its centre.
    for (char home : {'f', 'g', 'h', 'j'}) {
        const Point c{key(home).left + 7, key(home).top + 8};
        EXPECT_EQ(Pixel(c.x, c.y), (bare.pixel(c.x - board.left, c.y - board.top) ^ 0xBFBFBF) & 0xFFFFFF) << home;
        int left = c.x, right = c.x, top = c.y, bottom = c.y;
        while (spotted(left - 1, c.y)) --left;
        while (spotted(right + 1, c.y)) ++right;
        while (spotted(c.x, top - 1)) --top;
        while (spotted(c.x, bottom + 1)) ++bottom;
        EXPECT_EQ((Point{right - left + 1, bottom - top + 1}), (Point{20, 20})) << home;
    }
    // Undone, the keys and the home row f..j show the keyboard again (what the spots reach
    // beyond the row is drawn over by the next keyboard or hand).
    const Rect row = UnionRect(key('f'), key('j'));
    const auto restored = [&](std::string_view shaded) {
        return std::all_of(shaded.begin(), shaded.end(), [&](char ch) { return Area(key(ch)) == KeyboardArea(key(ch)); }) &&
               Area(row) == KeyboardArea(row);
    };
    UnShadeTwoKeys(tutor);
    EXPECT_TRUE(restored("kd"));
    ShadeKeyGroup(tutor, {'e', 'i', 'c', 'm', 0, 0});
    EXPECT_FALSE(restored("eicm"));
    UnShadeKeyGroup(tutor, false, false);
    EXPECT_TRUE(restored("eicm"));
    ShadeKeyGroup(tutor, {'t', 'z', 'b', 'n', 'p', 0xE4});
    EXPECT_NE(Area(key('p')), KeyboardArea(key('p')));
    EXPECT_NE(Area(key('\xE4')), KeyboardArea(key('\xE4')));
    UnShadeKeyGroup(tutor, true, true);
    EXPECT_TRUE(restored("tzbnp\xE4"));
}

TEST_F(HandTest, GuideLinesLieBetweenTheKeyColumnsAndGoAgain)
{
    tutor.display.rcKeyboard = {177, 243, 514, 371};   // as with a 16-pixel line in a 692 x 454 client
    SetKeyRects(tutor);
    DrawHomeHand(tutor);
    DrawGuides(tutor);
    for (const auto& [x, y] : {std::pair{321, 339}, {295, 252}, {308, 296}, {365, 339}, {317, 252}, {343, 339}})
        EXPECT_EQ(Pixel(x, y), palette::kMidGrey & 0xFFFFFF) << x << "," << y;
    const Rect besideTheGuides = Rect{200, 53, 248, 128}.offset(177, 243);
    EXPECT_EQ(Area(besideTheGuides), KeyboardArea(besideTheGuides)) << "the home hand is taken off first";
    EraseGuides(tutor);
    const Rect band{177 + 92, 243, 177 + 248, 243 + 128};
    EXPECT_EQ(Area(band), KeyboardArea(band));
}

}  // namespace
