#include "KeyboardTrackingSlider.h"

#include <QKeyEvent>

namespace {

bool isArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

} // namespace

KeyboardTrackingSlider::KeyboardTrackingSlider(QWidget* parent)
    : QSlider(parent)
{
}

KeyboardTrackingSlider::KeyboardTrackingSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
}

void KeyboardTrackingSlider::mouseReleaseEvent(QMouseEvent* event)
{
    emit sliderEvent(value(), Qt::SmoothTransformation);
    QSlider::mouseReleaseEvent(event);
}

void KeyboardTrackingSlider::wheelEvent(QWheelEvent* event)
{
    emit sliderEvent(value(), Qt::FastTransformation);
    QSlider::wheelEvent(event);
}

void KeyboardTrackingSlider::leaveEvent(QEvent* event)
{
    emit sliderEvent(value(), Qt::SmoothTransformation);
    QSlider::leaveEvent(event);
}

void KeyboardTrackingSlider::keyReleaseEvent(QKeyEvent* event)
{
    if (isArrowKey(event->key()))
        emit sliderEvent(value(), Qt::SmoothTransformation);
    QSlider::keyReleaseEvent(event);
}
