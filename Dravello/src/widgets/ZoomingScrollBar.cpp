#include "ZoomingScrollBar.h"

#include <QWheelEvent>

namespace {

ZoomAction zoomActionOf(const QWheelEvent& wheel)
{
    const QPoint angle = wheel.angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    return delta > 0 ? ZoomInStep : ZoomOutStep;
}

} // namespace

ZoomingScrollBar::ZoomingScrollBar(QWidget* parent)
    : QScrollBar(parent)
{
}

ZoomingScrollBar::ZoomingScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
}

void ZoomingScrollBar::switchZoomOnSlot(bool zoomOn)
{
    m_zoomMode = zoomOn;
}

bool ZoomingScrollBar::event(QEvent* event)
{
    if (m_zoomMode && event->type() == QEvent::Wheel) {
        emit verticalScrollBarMovedSignal(zoomActionOf(*static_cast<QWheelEvent*>(event)));
        event->accept();
        return true;
    }
    return QScrollBar::event(event);
}
