#include "display/hand.h"

#include "display/key_table.h"
#include "display/keymap.h"
#include "tutor.h"

namespace {

// Copies a keyboard-coordinate area of the composite to the screen.
bool ShowComposite(Tutor& tutor, const Rect& area)
{
    const Rect& keyboard = tutor.display.rcKeyboard;
    return tutor.screen.Copy(&tutor.display.hbmComposite, area.left, area.top, area.width(), area.height(),
                             keyboard.left + area.left, keyboard.top + area.top);
}

bool CopyInto(Canvas& composite, const QImage& source, const Rect& from, Point to)
{
    return composite.Copy(&source, from.left, from.top, from.width(), from.height(), to.x, to.y);
}

}  // namespace

void DrawHandAtKey(Tutor& tutor, unsigned char ch)
{
    DisplayState& display = tutor.display;
    const int index = KeyIndexOf(ch);
    const QImage& picture = display.hbmHand[index];
    if (picture.isNull())
        return;
    const Point at = display.ptHandOffset[index];
    const QSize size = LogicalSize(picture);
    display.rcHand = {at.x, at.y, at.x + size.width(), at.y + size.height()};
    display.rcHandUnion = UnionRect(display.rcHand, display.rcHome);
    const int keyboardHeight = LogicalSize(display.hbmKeyboard).height();
    int height = size.height();
    if (display.rcHandUnion.bottom > keyboardHeight) {
        display.rcHandUnion.bottom = keyboardHeight;
        height = keyboardHeight - display.rcHand.top;
    }
    Canvas composite(&display.hbmComposite);
    composite.Copy(&picture, 0, 0, size.width(), height, at.x, at.y);
    ShowComposite(tutor, display.rcHandUnion);
}

void DrawHomeHand(Tutor& tutor)
{
    DisplayState& display = tutor.display;
    Canvas composite(&display.hbmComposite);
    const Rect& hand = display.rcHand;
    const Rect& home = display.rcHome;
    const QImage& homePicture = display.hbmHand[keys::kHome];
    const bool copied[] = {
        CopyInto(composite, display.hbmKeyboard, hand, {hand.left, hand.top}),
        CopyInto(composite, homePicture, {0, 0, home.width(), home.height()}, {home.left, home.top}),
        ShowComposite(tutor, display.rcHandUnion),
        CopyInto(composite, display.hbmKeyboard, home, {home.left, home.top}),
    };
    for (bool ok : copied)
        if (!ok)
            tutor.speaker.Beep();
}

void LiftHand(Tutor& tutor)
{
    DisplayState& display = tutor.display;
    if (display.rcHand == display.rcHome)
        return;
    Canvas composite(&display.hbmComposite);
    CopyInto(composite, display.hbmKeyboard, display.rcHand, {display.rcHand.left, display.rcHand.top});
    display.rcHand = display.rcHome;
    display.rcHandUnion = display.rcHome;
}

void DrawKeyboard(Tutor& tutor)
{
    const QSize size = LogicalSize(tutor.display.hbmComposite);
    ShowComposite(tutor, {0, 0, size.width(), size.height()});
}
