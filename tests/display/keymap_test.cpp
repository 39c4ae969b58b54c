#include "display/key_table.h"
#include "display/keymap.h"
#include "support/tutor_fixture.h"

#include <utility>

namespace {

// A capital strikes its small letter's key, "?" the key of ß; a character of no key, none.
TEST(KeyIndexOf, CapitalsShareTheirKeyAndOtherCharactersHaveNone)
{
    for (const auto& [ch, same] : {std::pair<unsigned char, unsigned char>{'A', 'a'}, {'Z', 'z'}, {0xC4, 0xE4},
                                   {0xD6, 0xF6}, {0xDC, 0xFC}, {'?', 0xDF}}) {
        EXPECT_EQ(KeyIndexOf(ch), KeyIndexOf(same)) << int(ch);
        EXPECT_LT(KeyIndexOf(ch), keys::kWithRect) << int(ch);
    }
    EXPECT_EQ(KeyIndexOf('\r'), keys::kReturn);
    EXPECT_EQ(KeyIndexOf(' '), keys::kSpace);
    for (unsigned char ch : {'!', '\n', '\t', '\b', ';', '\x80', '\0'})
        EXPECT_EQ(KeyIndexOf(ch), keys::kNoKey) << int(ch);
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
