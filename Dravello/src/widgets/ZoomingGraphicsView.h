#pragma once

#include <QGraphicsView>

class ZoomingScrollBar;

// The editor's graphics view: its vertical scroll bar is a ZoomingScrollBar (zoom
// mode off), shown as needed.
class ZoomingGraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit ZoomingGraphicsView(QWidget* parent = nullptr);
    explicit ZoomingGraphicsView(QGraphicsScene* scene, QWidget* parent = nullptr);

private:
    void installZoomingScrollBar();
};
