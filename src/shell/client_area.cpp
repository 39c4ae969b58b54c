#include "shell/client_area.h"

#include "flow/screen.h"
#include "platform/palette.h"
#include "shell/page_accessible.h"
#include "tutor.h"

#include <QPaintEvent>
#include <QPainter>

ClientArea::ClientArea(Tutor& tutor, QWidget* parent) : QWidget(parent), tutor_(tutor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    InstallPageAccessible();
}

void ClientArea::Invalidate()
{
    dirty_ = true;
    update();
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    if (dirty_) {
        dirty_ = false;
        tutor_.screenImage.fill(palette::kBackground);
        UpdateMainWindow(tutor_);
        ReportPageChanges(this);
    }
    QPainter painter(this);
    const qreal scale = tutor_.screenImage.devicePixelRatio();
    for (const QRect& rect : event->region())
        painter.drawImage(rect, tutor_.screenImage, QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale));
}

void ClientArea::resizeEvent(QResizeEvent*)
{
    tutor_.ResizeClient(width(), height());
    dirty_ = true;
}
