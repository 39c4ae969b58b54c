#include "support/tutor_fixture.h"

#include "display/bitmaps.h"
#include "flow/screen.h"
#include "platform/fonts.h"
#include "platform/palette.h"

void TutorTest::ApplyFont()
{
    const FontSizeRow& row = FontSizeRowOf(tutor.course.nFontSize);
    tutor.screen.SetFont(TextFontForHeight(row.height));
    tutor.layout.cyLine = row.height;
}

void TutorTest::Start(int width, int height)
{
    ApplyFont();
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
