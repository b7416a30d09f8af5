#pragma once

#include <QSlider>

// A slider that reports, through sliderEvent, the moments when the user has
// finished a move: smooth for a released mouse button, an arrow key or the pointer
// leaving, fast for each wheel step.
class KeyboardTrackingSlider : public QSlider
{
    Q_OBJECT

public:
    explicit KeyboardTrackingSlider(QWidget* parent = nullptr);
    explicit KeyboardTrackingSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

signals:
    // value is the slider's value before the event's own handling runs
    void sliderEvent(int value, Qt::TransformationMode mode);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
