#include "display/key_table.h"
#include "display/keymap.h"
#include "support/tutor_fixture.h"

namespace {

TEST(KeyIndexOf, EveryCharacterClassFindsItsKey)
{
    struct Case {
        unsigned char ch;
        int index;
    };
    for (const Case& c : {Case{',', 0}, Case{'-', 1}, Case{'.', 2}, Case{'0', 3}, Case{'9', 12}, Case{'a', 13},
                          Case{'A', 13}, Case{'y', 37}, Case{'Y', 37}, Case{'z', 38}, Case{'Z', 38},
                          Case{0xE4, 39}, Case{0xC4, 39}, Case{0xF6, 40}, Case{0xD6, 40}, Case{0xFC, 41},
                          Case{0xDC, 41}, Case{0xDF, 42}, Case{'?', 42}, Case{'\r', 43}, Case{' ', 44},
                          Case{'!', 45}, Case{'\n', 45}, Case{'\t', 45}, Case{8, 45}, Case{';', 45},
                          Case{0x80, 45}}) {
        EXPECT_EQ(KeyIndexOf(c.ch), c.index) << int(c.ch);
    }
}

TEST(KeyTable, GermanKeyPlacesAndFaceSizes)
{
    EXPECT_EQ(keys::kTable[KeyIndexOf('y')].face, (Rect{60, 77, 75, 94})) << "y on the bottom row";
    EXPECT_EQ(keys::kTable[KeyIndexOf('z')].face, (Rect{156, 33, 171, 50})) << "z on the top row";
    for (int i = 0; i < keys::kWithRect; ++i) {
        const Rect& face = keys::kTable[i].face;
        EXPECT_EQ(face.height(), 17) << i;
        EXPECT_GE(face.width(), 15) << i;
        EXPECT_LE(face.width(), 20) << i;
        EXPECT_TRUE(face.top == 11 || face.top == 33 || face.top == 55 || face.top == 77) << i;
    }
}

TEST(KeyTable, EveryHandPictureEndsOnTheKeyboardsBottomEdge)
{
    for (int i = 0; i < keys::kCount; ++i) {
        if (i == keys::kNoKey)
            continue;
        for (const keys::HandPicture& picture : {keys::kTable[i].left, keys::kTable[i].right}) {
            const int bottom = picture.offset.y + picture.size.height;
            EXPECT_TRUE(bottom == 128 || bottom == 129) << i;
        }
    }
}

class KeyMapTest : public TutorTest {};

TEST_F(KeyMapTest, KeyRectanglesFollowTheKeyboardPlace)
{
    Start(700, 460);
    const Rect keyboard = tutor.display.rcKeyboard;
    EXPECT_EQ(tutor.display.rcKey[KeyIndexOf('a')], (Rect{52, 55, 69, 72}.offset(keyboard.left, keyboard.top)));
    Start(800, 560);
    EXPECT_EQ(tutor.display.rcKey[KeyIndexOf('a')],
              (Rect{52, 55, 69, 72}.offset(tutor.display.rcKeyboard.left, tutor.display.rcKeyboard.top)));
    EXPECT_NE(tutor.display.rcKeyboard.left, keyboard.left);
}

TEST_F(KeyMapTest, HandOffsetsAndHomeOfEachHand)
{
    Start();
    EXPECT_EQ(tutor.display.ptHandOffset[keys::kHome], (Point{92, 53}));
    EXPECT_EQ(tutor.display.rcHome, (Rect{92, 53, 248, 128}));
    EXPECT_EQ(tutor.display.ptHandOffset[KeyIndexOf('q')], (Point{42, 31}));
    tutor.course.bLeftHand = 0;
    std::string name;
    for (int i = 0; i < keys::kCount; ++i)
        ASSERT_TRUE(LoadHandGraphic(tutor, i, name)) << name;
    SetHandOffsets(tutor);
    EXPECT_EQ(tutor.display.ptHandOffset[keys::kHome], (Point{73, 53}));
    EXPECT_EQ(tutor.display.rcHome, (Rect{73, 53, 213, 128}));
    EXPECT_EQ(tutor.display.rcHand, tutor.display.rcHome);
    EXPECT_EQ(tutor.display.rcHandUnion, tutor.display.rcHome);
    EXPECT_EQ(tutor.display.ptHandOffset[KeyIndexOf('q')], (Point{30, 8}));
}

}  // namespace
