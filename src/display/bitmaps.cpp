#include "display/bitmaps.h"

#include "display/key_table.h"
#include "display/keymap.h"
#include "platform/palette.h"
#include "tutor.h"

#include <initializer_list>

namespace {

// The client area from the bottom up: the typing area, the keyboard above it, the page above
// that (pixels).
constexpr int kTypingAreaBottomMargin = 13;
constexpr int kTypingAreaSideMargin = 40;
constexpr double kTypingAreaLines = 3.4;
constexpr int kKeyboardGap = 15;   // between the keyboard and the typing area
constexpr int kPageTop = 15;
constexpr int kPageGap = 21;       // between the page and the keyboard
constexpr int kTextTop = 5;        // the first text row, below the page's top

// Thin lines through the points, each segment without its end point.
void Polyline(Canvas& canvas, std::initializer_list<Point> points, QRgb colour)
{
    const Point* previous = nullptr;
    for (const Point& point : points) {
        if (previous)
            canvas.Line(*previous, point, Pen{1, colour});
        previous = &point;
    }
}

void DrawFrame(Canvas& canvas, const Rect& rc, QRgb shadow, QRgb light)
{
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    Polyline(canvas, {{l, b}, {r, b}, {r, t - 2}}, shadow);
    Polyline(canvas, {{r + 1, t - 2}, {r + 1, b + 1}, {l - 2, b + 1}}, shadow);
    Polyline(canvas, {{l - 2, b + 1}, {l - 2, t - 2}, {r + 1, t - 2}}, light);
    Polyline(canvas, {{r - 1, t - 1}, {l - 1, t - 1}, {l - 1, b + 1}}, light);
}

}  // namespace

void DrawRaisedFrame(Canvas& canvas, const Rect& rect)
{
    DrawFrame(canvas, rect, palette::kMidGrey, palette::kWhite);
}

void EraseFrame(Canvas& canvas, const Rect& rect)
{
    DrawFrame(canvas, rect, palette::kBackground, palette::kBackground);
}

bool CreateHandGraphics(Tutor& tutor)
{
    tutor.display.hbmHand.fill(QImage());
    std::string name;
    for (int index = 0; index < keys::kCount; ++index) {
        if (!LoadHandGraphic(tutor, index, name)) {
            tutor.dialogs.ShowMessage({"Can't load hand graphic " + name, "CreateHandGraphics",
                                       BoxIcon::Exclamation, false});
            return false;
        }
    }
    return true;
}

void DeleteHandGraphics(Tutor& tutor)
{
    tutor.display.hbmHand.fill(QImage());
}

bool CreateCompositeBM(Tutor& tutor)
{
    DisplayState& display = tutor.display;
    const QSize size = LogicalSize(display.hbmKeyboard);
    display.hbmComposite = NewImage(size, static_cast<int>(display.hbmKeyboard.devicePixelRatio()));
    if (display.hbmComposite.isNull()) {
        tutor.dialogs.ShowMessage({"Unable to CreateCompatibleBitmap hbmComposite", "CreateCompositeBM",
                                   BoxIcon::Exclamation});
        return false;
    }
    Canvas composite(&display.hbmComposite);
    return composite.Copy(&display.hbmKeyboard, 0, 0, size.width(), size.height(), 0, 0);
}

bool CreateBitMaps(Tutor& tutor)
{
    if (!CreateHandGraphics(tutor))
        return false;
    tutor.display.hbmKeyboard = tutor.resources.Picture("keyboard.png");
    if (tutor.display.hbmKeyboard.isNull()) {
        tutor.dialogs.ShowMessage({"Unable to load keyboard bitmap", "CreateBitMaps", BoxIcon::Exclamation});
        return false;
    }
    if (!CreateCompositeBM(tutor))
        return false;
    SetHandOffsets(tutor);
    return true;
}

void CalcScreenLayout(Tutor& tutor)
{
    DisplayState& display = tutor.display;
    const int width = tutor.ClientWidth(), height = tutor.ClientHeight();
    const int lineHeight = tutor.screen.TextHeight() + tutor.screen.ExternalLeading();
    display.rcTypingArea.bottom = height - kTypingAreaBottomMargin;
    display.rcTypingArea.top = static_cast<int>(display.rcTypingArea.bottom - lineHeight * kTypingAreaLines);
    display.rcTypingArea.left = kTypingAreaSideMargin;
    display.rcTypingArea.right = width - kTypingAreaSideMargin;
    display.rcKeyboard.left = (width - keys::kKeyboardWidth) / 2;
    display.rcKeyboard.right = display.rcKeyboard.left + keys::kKeyboardWidth;
    display.rcKeyboard.bottom = display.rcTypingArea.top - kKeyboardGap;
    display.rcKeyboard.top = display.rcKeyboard.bottom - keys::kKeyboardHeight;
    tutor.layout.rcPageArea.top = kPageTop;
    tutor.layout.rcPageArea.bottom = display.rcKeyboard.top - kPageGap;
    tutor.layout.yText = tutor.layout.rcPageArea.top + kTextTop;
}
