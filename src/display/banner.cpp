#include "display/banner.h"

#include "display/bitmaps.h"
#include "tutor.h"

void DrawBanner(Tutor& tutor)
{
    const QImage banner = tutor.resources.Picture("banner.png");
    if (banner.isNull()) {
        tutor.dialogs.ShowMessage({"Unable to load the banner bitmap", "DrawBanner", BoxIcon::Exclamation});
        return;
    }
    const Rect& page = tutor.layout.rcPageArea;
    const QSize size = LogicalSize(banner);
    const int x = (tutor.ClientWidth() - size.width()) / 2;
    const int y = page.top + (page.bottom - page.top - size.height()) / 2;
    tutor.screen.Copy(&banner, 0, 0, size.width(), size.height(), x, y);
    DrawRaisedFrame(tutor.screen, {x, y, x + size.width(), y + size.height()});
}
