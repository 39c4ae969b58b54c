#include "display/banner.h"

#include "display/bitmaps.h"
#include "tutor.h"

void DrawBanner(Tutor& tutor)
{
    const QImage banner = tutor.resources.Picture("banner.png");
    if (banner.isNull()) {
        tutor.host.ShowMessage("Unable to load the banner bitmap", "DrawBanner", BoxIcon::Exclamation);
        return;
    }
    const Rect& page = tutor.layout.rcPageArea;
    const int x = (tutor.ClientWidth() - banner.width()) / 2;
    const int y = page.top + (page.bottom - page.top - banner.height()) / 2;
    tutor.screen.Copy(&banner, 0, 0, banner.width(), banner.height(), x, y);
    DrawRaisedFrame(tutor.screen, {x, y, x + banner.width(), y + banner.height()});
}
