#include "ZoomingGraphicsView.h"

#include "ZoomingScrollBar.h"

ZoomingGraphicsView::ZoomingGraphicsView(QWidget* parent)
    : QGraphicsView(parent)
{
    installZoomingScrollBar();
}

ZoomingGraphicsView::ZoomingGraphicsView(QGraphicsScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent)
{
    installZoomingScrollBar();
}

void ZoomingGraphicsView::installZoomingScrollBar()
{
    setVerticalScrollBar(new ZoomingScrollBar(Qt::Vertical, this));
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}
