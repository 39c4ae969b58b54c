#include "support/tutor_fixture.h"

#include "course/layout.h"
#include "display/bitmaps.h"
#include "flow/screen.h"
#include "platform/palette.h"

void TutorTest::Start(int width, int height)
{
    UseFontSize(tutor);
    tutor.ResizeClient(width, height);
    ASSERT_TRUE(CreateBitMaps(tutor));
    Paint();
}

void TutorTest::Paint()
{
    tutor.screenImage.fill(palette::kBackground);
    UpdateMainWindow(tutor);
}

QImage TutorTest::KeyboardArea(const Rect& rect) const
{
    const Rect& keyboard = tutor.display.rcKeyboard;
    return tutor.display.hbmKeyboard.copy(rect.left - keyboard.left, rect.top - keyboard.top, rect.width(),
                                          rect.height());
}

int TutorTest::DarkPixels(const Rect& rect) const
{
    int dark = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            dark += qGray(tutor.screenImage.pixel(x, y)) < 100;
    return dark;
}
