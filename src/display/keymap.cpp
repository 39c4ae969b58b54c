#include "display/keymap.h"

#include "display/key_table.h"
#include "platform/cp1252.h"
#include "tutor.h"

int KeyIndexOf(unsigned char ch)
{
    switch (ch) {
    case ',': return keys::kComma;
    case '-': return keys::kDash;
    case '.': return keys::kFullStop;
    case '?': return keys::kSharpS;
    case 0xE4: case 0xC4: return keys::kUmlautA;
    case 0xF6: case 0xD6: return keys::kUmlautO;
    case 0xFC: case 0xDC: return keys::kUmlautU;
    case 0xDF: return keys::kSharpS;
    case '\r': return keys::kReturn;
    case ' ': return keys::kSpace;
    default: break;
    }
    if (ch >= '0' && ch <= '9')
        return keys::kDigit0 + (ch - '0');
    if (ch >= 'a' && ch <= 'z')
        return keys::kLetterA + (ch - 'a');
    if (ch >= 'A' && ch <= 'Z')
        return keys::kLetterA + (ch - 'A');
    return keys::kNoKey;
}

void SetKeyRects(Tutor& tutor)
{
    const Rect& keyboard = tutor.display.rcKeyboard;
    for (int i = 0; i < keys::kWithRect; ++i)
        tutor.display.rcKey[i] = keys::kTable[i].face.offset(keyboard.left, keyboard.top);
}

bool LoadHandGraphic(Tutor& tutor, int index, std::string& name)
{
    const bool left = tutor.course.bLeftHand != 0;
    name = (left ? "l" : "r") + cp1252::FromUtf8(keys::kTable[index].suffix);
    if (index == keys::kNoKey)
        return true;
    tutor.display.hbmHand[index] = tutor.resources.Picture(keys::HandPictureFile(left, index));
    return !tutor.display.hbmHand[index].isNull();
}

void SetHandOffsets(Tutor& tutor)
{
    DisplayState& display = tutor.display;
    const bool left = tutor.course.bLeftHand != 0;
    for (int i = 0; i < keys::kCount; ++i)
        display.ptHandOffset[i] = left ? keys::kTable[i].left.offset : keys::kTable[i].right.offset;
    const Point home = display.ptHandOffset[keys::kHome];
    const QImage& picture = display.hbmHand[keys::kHome];
    display.rcHome = {home.x, home.y, home.x + picture.width(), home.y + picture.height()};
    display.rcHandUnion = display.rcHome;
    display.rcHand = display.rcHome;
}
