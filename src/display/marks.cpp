#include "display/marks.h"

#include "display/key_table.h"
#include "display/keymap.h"
#include "platform/palette.h"
#include "tutor.h"

#include <array>
#include <string_view>

namespace {

// The three guide lines in keyboard coordinates: lower end x, upper end x (the borders
// between the key columns 4|5, 6|7 and 5|6).
constexpr std::array<std::array<int, 2>, 3> kGuides{{{144, 118}, {188, 162}, {166, 140}}};
constexpr int kGuideBottom = 32;   // a guide's lower end, above the keyboard's bottom edge
constexpr int kGuideTop = 9;       // its upper end, below the keyboard's top edge
constexpr int kGuidePen = 3;
constexpr std::string_view kHomeKeys = "fghj";
// A home key's spot: a round-ended line along the key, in from its left and right edges and
// down from its top.
constexpr int kSpotLeft = 7;
constexpr int kSpotRight = 8;
constexpr int kSpotTop = 8;
constexpr int kSpotPen = 20;

// Copies a client-coordinate area of the keyboard from the composite to the screen.
bool RestoreFromComposite(Tutor& tutor, const Rect& area)
{
    const Rect& keyboard = tutor.display.rcKeyboard;
    return tutor.screen.Copy(&tutor.display.hbmComposite, area.left - keyboard.left, area.top - keyboard.top,
                             area.width(), area.height(), area.left, area.top);
}

void Report(Tutor& tutor, bool copied, const char* text, const char* title)
{
    if (!copied)
        tutor.dialogs.ShowMessage({text, title, BoxIcon::Exclamation});
}

}  // namespace

void EraseHome(Tutor& tutor)
{
    const Rect& keyboard = tutor.display.rcKeyboard;
    Report(tutor, RestoreFromComposite(tutor, tutor.display.rcHome.offset(keyboard.left, keyboard.top)),
           "Unable to erase the home hand", "EraseHome");
}

void DrawGuides(Tutor& tutor)
{
    EraseHome(tutor);
    const Rect& k = tutor.display.rcKeyboard;
    for (const auto& [lower, upper] : kGuides)
        tutor.screen.Line({k.left + lower, k.bottom - kGuideBottom}, {k.left + upper, k.top + kGuideTop},
                          Pen{kGuidePen, palette::kMidGrey});
}

void EraseGuides(Tutor& tutor)
{
    const Rect& k = tutor.display.rcKeyboard;
    const Rect& home = tutor.display.rcHome;
    const Rect band{k.left + home.left, k.top, k.left + home.right, k.top + LogicalSize(tutor.display.hbmKeyboard).height()};
    Report(tutor, RestoreFromComposite(tutor, band), "Unable to erase the guides", "EraseGuides");
}

void ShadeKey(Tutor& tutor, unsigned char ch, int slot)
{
    const int index = KeyIndexOf(ch);
    if (index >= keys::kWithRect)
        return;
    tutor.display.rcShaded[slot] = tutor.display.rcKey[index];
    tutor.screen.Invert(tutor.display.rcShaded[slot]);
}

void ShadeHome(Tutor& tutor)
{
    for (char home : kHomeKeys) {
        const Rect& key = tutor.display.rcKey[KeyIndexOf(static_cast<unsigned char>(home))];
        tutor.screen.Line({key.left + kSpotLeft, key.top + kSpotTop}, {key.right - kSpotRight, key.top + kSpotTop},
                          Pen{kSpotPen, palette::kLightGrey, true});
    }
}

void ShadeTwoKeys(Tutor& tutor, unsigned char ch1, unsigned char ch2)
{
    ShadeKey(tutor, ch1, 0);
    ShadeKey(tutor, ch2, 1);
    ShadeHome(tutor);
}

void ShadeKeyGroup(Tutor& tutor, const unsigned char (&chars)[6])
{
    for (int slot = 0; slot < 6; ++slot)
        if (slot < 4 || chars[slot] != 0)
            ShadeKey(tutor, chars[slot], slot);
    ShadeHome(tutor);
}

void UnShadeHome(Tutor& tutor)
{
    const Rect row = UnionRect(tutor.display.rcKey[KeyIndexOf('j')], tutor.display.rcKey[KeyIndexOf('f')]);
    Report(tutor, RestoreFromComposite(tutor, row), "Unable to unshade the home keys", "UnShadeHome");
}

void UnShadeTwoKeys(Tutor& tutor)
{
    tutor.screen.Invert(tutor.display.rcShaded[0]);
    tutor.screen.Invert(tutor.display.rcShaded[1]);
    UnShadeHome(tutor);
}

void UnShadeKeyGroup(Tutor& tutor, bool fifth, bool sixth)
{
    for (int slot = 0; slot < 4; ++slot)
        tutor.screen.Invert(tutor.display.rcShaded[slot]);
    if (fifth)
        tutor.screen.Invert(tutor.display.rcShaded[4]);
    if (sixth)
        tutor.screen.Invert(tutor.display.rcShaded[5]);
    UnShadeHome(tutor);
}
