#include "display/hand.h"
#include "display/key_table.h"
#include "display/keymap.h"
#include "display/marks.h"
#include "flow/screen.h"
#include "platform/palette.h"
#include "support/tutor_fixture.h"

#include <algorithm>
#include <cstring>
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

// Shaded keys are inverted, and undone the keys and the home row f..j show the keyboard
// again (what the home spots reach beyond the row the next keyboard or hand draws over).
TEST_F(HandTest, NewKeysAreInvertedHomeKeysSpottedAndBothUndone)
{
    DrawKeyboard(tutor);
    const Rect& board = tutor.display.rcKeyboard;
    const auto key = [&](char ch) { return tutor.display.rcKey[KeyIndexOf(static_cast<unsigned char>(ch))]; };
    const auto inverted = [&](char ch) { QImage k = KeyboardArea(key(ch)); k.invertPixels(); return Area(key(ch)) == k; };
    const auto restored = [&](char ch) { return Area(key(ch)) == KeyboardArea(key(ch)); };
    const Rect row = UnionRect(key('f'), key('j'));
    ShadeTwoKeys(tutor, 'k', 'd');
    EXPECT_TRUE(inverted('k') && inverted('d'));
    // A grey XOR spot 20 pixels across on each home key, centred at (7, 8) of the key.
    const auto spotted = [&](int x, int y) {
        return Pixel(x, y) == ((tutor.display.hbmKeyboard.pixel(x - board.left, y - board.top) ^ 0xBFBFBF) & 0xFFFFFF);
    };
    for (char home : {'f', 'g', 'h', 'j'}) {
        const Point c{key(home).left + 7, key(home).top + 8};
        EXPECT_TRUE(spotted(c.x - 10, c.y) && spotted(c.x + 9, c.y) && spotted(c.x, c.y - 10) && spotted(c.x, c.y + 9))
            << home;
        EXPECT_FALSE(spotted(c.x - 11, c.y) || spotted(c.x + 10, c.y) || spotted(c.x, c.y - 11) || spotted(c.x, c.y + 10))
            << home;
    }
    UnShadeTwoKeys(tutor);
    EXPECT_TRUE(restored('k') && restored('d') && Area(row) == KeyboardArea(row));
    for (const auto& [keys, fifth, sixth] : {std::tuple{"eicm", false, false}, {"tzbnp\xE4", true, true}}) {
        unsigned char chars[6]{};
        std::copy_n(keys, std::strlen(keys), chars);
        ShadeKeyGroup(tutor, chars);
        for (const char* ch = keys; *ch; ++ch)
            EXPECT_TRUE(inverted(*ch)) << *ch;
        UnShadeKeyGroup(tutor, fifth, sixth);
        for (const char* ch = keys; *ch; ++ch)
            EXPECT_TRUE(restored(*ch)) << *ch;
        EXPECT_EQ(Area(row), KeyboardArea(row));
    }
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
