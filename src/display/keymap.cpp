#include "display/keymap.h"

#include "display/key_table.h"
#include "platform/cp1252.h"
#include "tutor.h"

#include <array>
#include <cstdint>

namespace {

// Key index by character, built from the characters column of the key table.
constexpr std::array<int8_t, 256> kKeyOfChar = [] {
    std::array<int8_t, 256> index{};
    index.fill(keys::kNoKey);
    for (int key = 0; key < keys::kCount; ++key)
        for (char ch : keys::kTable[static_cast<std::size_t>(key)].chars)
            index[static_cast<unsigned char>(ch)] = static_cast<int8_t>(key);
    return index;
}();

}  // namespace

int KeyIndexOf(unsigned char ch)
{
    return kKeyOfChar[ch];
}

void SetKeyRects(Tutor& tutor)
{
    const Rect& keyboard = tutor.display.rcKeyboard;
    for (int i = 0; i < keys::kWithRect; ++i)
        tutor.display.rcKey[i] = keys::kTable[i].face.offset(keyboard.left, keyboard.top);
}

bool LoadHandGraphic(Tutor& tutor, int index, std::string& name)
{
    const bool left = tutor.course.bLeftHand;
    name = (left ? "l" : "r") + cp1252::FromUtf8(keys::kTable[index].suffix);
    if (index == keys::kNoKey)
        return true;
    tutor.display.hbmHand[index] = tutor.resources.Picture(keys::HandPictureFile(left, index));
    return !tutor.display.hbmHand[index].isNull();
}

void SetHandOffsets(Tutor& tutor)
{
    DisplayState& display = tutor.display;
    const bool left = tutor.course.bLeftHand;
    for (int i = 0; i < keys::kCount; ++i)
        display.ptHandOffset[i] = left ? keys::kTable[i].left.offset : keys::kTable[i].right.offset;
    const Point home = display.ptHandOffset[keys::kHome];
    const QSize size = LogicalSize(display.hbmHand[keys::kHome]);
    display.rcHome = {home.x, home.y, home.x + size.width(), home.y + size.height()};
    display.rcHandUnion = display.rcHome;
    display.rcHand = display.rcHome;
}
