#pragma once

#include <QScrollBar>

// One wheel step of a scroll bar in zoom mode.
enum ZoomAction {
    ZoomInStep = 0,  // wheel turned away from the user (positive delta)
    ZoomOutStep = 1, // wheel turned towards the user, or a zero delta
};

// A scroll bar that, while its zoom mode is on, turns wheel steps into zoom steps
// instead of scrolling.
class ZoomingScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ZoomingScrollBar(QWidget* parent = nullptr);
    explicit ZoomingScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

public slots:
    void switchZoomOnSlot(bool zoomOn);

signals:
    void verticalScrollBarMovedSignal(ZoomAction action);

protected:
    bool event(QEvent* event) override;

private:
    bool m_zoomMode = false;
};
