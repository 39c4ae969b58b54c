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
    for (unsigned char ch : {'!', '\t', '\b', '\x80'})
        DrawHandAtKey(tutor, ch);
    EXPECT_EQ(tutor.screenImage, screen) << "a character without a key shows nothing";
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(HandTest, TheRightHandRestsAtItsOwnPlaceAndIsCutAtTheKeyboardsBottomEdge)
{
    tutor.course.bLeftHand = 0;
    ASSERT_TRUE(ChangeHand(tutor));
    EXPECT_EQ(ScreenKeyboard(), KeyboardWith(resources.Picture("rhome.png"), {73, 53}));
    const Rect below = tutor.display.rcKeyboard.offset(0, tutor.display.rcKeyboard.height());
    const QImage frame = Area(below);
    DrawHandAtKey(tutor, '1');   // its picture reaches one pixel below the keyboard
    EXPECT_EQ(ScreenKeyboard(), KeyboardWith(KeyIndexOf('1')));
    EXPECT_EQ(Area(below), frame) << "the frame under the keyboard is untouched";
    DrawHomeHand(tutor);
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard);
}

// Shaded keys are inverted. Undone, every key and the home row f..j show the keyboard again;
// what the home spots reach beyond the row is drawn over by the keyboard or hand that follows.
TEST_F(HandTest, NewKeysAreInvertedHomeKeysSpottedAndBothUndone)
{
    DrawKeyboard(tutor);
    const Rect& board = tutor.display.rcKeyboard;
    const auto key = [&](char ch) { return tutor.display.rcKey[KeyIndexOf(static_cast<unsigned char>(ch))]; };
    const auto inverted = [&](char ch) { QImage k = KeyboardArea(key(ch)); k.invertPixels(); return Area(key(ch)) == k; };
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
    const Rect row = Rect{118, 55, 199, 72}.offset(board.left, board.top);   // f g h j
    const auto restored = [&] {
        for (int i = 0; i < keys::kWithRect; ++i)
            if (Area(tutor.display.rcKey[i]) != KeyboardArea(tutor.display.rcKey[i]))
                return false;
        return Area(row) == KeyboardArea(row);
    };
    UnShadeTwoKeys(tutor);
    EXPECT_TRUE(restored());
    // Six keys, then four, then five: the sixth slot, still holding the last group's, stays as it is.
    for (const auto& [keys, fifth, sixth] :
         {std::tuple{"tzbnp\xE4", true, true}, {"eicm", false, false}, {"tzbnp", true, false}}) {
        unsigned char chars[6]{};
        std::copy_n(keys, std::strlen(keys), chars);
        ShadeKeyGroup(tutor, chars);
        for (const char* ch = keys; *ch; ++ch)
            EXPECT_TRUE(inverted(*ch)) << *ch;
        UnShadeKeyGroup(tutor, fifth, sixth);
        EXPECT_TRUE(restored()) << keys;
    }
}

TEST_F(HandTest, GuideLinesLieBetweenTheKeyColumnsAndGoAgain)
{
    tutor.display.rcKeyboard = {177, 243, 514, 371};   // as with a 16-pixel line in a 692 x 454 client
    SetKeyRects(tutor);
    DrawHomeHand(tutor);
    DrawGuides(tutor);
    // Across the row of each end of the three lines (keyboard coordinates) the grey runs from
    // x - 1 to x at the lower end and to x + 1 at the upper one.
    const auto grey = [&](int x, int y) { return Pixel(177 + x, 243 + y) == (palette::kMidGrey & 0xFFFFFF); };
    for (const auto& [x, y] : {std::pair{144, 96}, {118, 9}, {188, 96}, {162, 9}, {166, 96}, {140, 9}}) {
        int first = x, last = x;
        while (grey(first - 1, y)) --first;
        while (grey(last + 1, y)) ++last;
        EXPECT_TRUE(grey(x, y) && first == x - 1 && last == x + (y == 96 ? 0 : 1)) << x << "," << y;
    }
    const Rect besideTheGuides = Rect{200, 53, 248, 128}.offset(177, 243);
    EXPECT_EQ(Area(besideTheGuides), KeyboardArea(besideTheGuides)) << "the home hand is taken off first";
    EraseGuides(tutor);
    const Rect band{177 + 92, 243, 177 + 248, 243 + 128};
    EXPECT_EQ(Area(band), KeyboardArea(band));
}

}  // namespace
