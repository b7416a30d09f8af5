#include "QxtSpanSlider.h"

#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QStylePainter>

#include <utility>

QxtSpanSlider::QxtSpanSlider(QWidget* parent)
    : QSlider(parent)
{
}

QxtSpanSlider::QxtSpanSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
}

void QxtSpanSlider::setHandleMovementMode(HandleMovementMode mode)
{
    m_movementMode = mode;
}

void QxtSpanSlider::setLowerValue(int value)
{
    if (m_movementMode == NoCrossing)
        value = qMin(value, m_upper);
    setSpan(value, m_upper);
}

void QxtSpanSlider::setUpperValue(int value)
{
    if (m_movementMode == NoCrossing)
        value = qMax(value, m_lower);
    setSpan(m_lower, value);
}

void QxtSpanSlider::setSpan(int lower, int upper)
{
    lower = qBound(minimum(), lower, maximum());
    upper = qBound(minimum(), upper, maximum());
    if (lower > upper)
        std::swap(lower, upper);
    const bool lowerChanged = lower != m_lower;
    const bool upperChanged = upper != m_upper;
    m_lower = lower;
    m_upper = upper;
    if (lowerChanged)
        emit lowerValueChanged(m_lower);
    if (upperChanged)
        emit upperValueChanged(m_upper);
    if (lowerChanged || upperChanged)
        update();
}

void QxtSpanSlider::sliderChange(SliderChange change)
{
    if (change == SliderRangeChange)
        setSpan(m_lower, m_upper);
    QSlider::sliderChange(change);
}

void QxtSpanSlider::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    const bool onLower = handleRect(m_lower).contains(point);
    const bool onUpper = handleRect(m_upper).contains(point);
    if (event->button() != Qt::LeftButton || (!onLower && !onUpper)) {
        event->ignore();
        return;
    }
    m_pressPixel = pick(point);
    if (onLower && onUpper)
        m_pressed = Handle::Either; // the first move tells which one is meant
    else
        grab(onLower ? Handle::Lower : Handle::Upper);
    event->accept();
}

void QxtSpanSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed == Handle::None) {
        event->ignore();
        return;
    }
    const int pixel = pick(event->position().toPoint());
    if (m_pressed == Handle::Either) {
        const int towards = valueAt(pixel) - valueAt(m_pressPixel);
        if (towards == 0)
            return;
        grab(towards < 0 ? Handle::Lower : Handle::Upper);
    }
    dragTo(valueAt(pixel - m_grabOffset));
    event->accept();
}

void QxtSpanSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressed == Handle::None) {
        event->ignore();
        return;
    }
    m_pressed = Handle::None;
    update();
    event->accept();
}

void QxtSpanSlider::grab(Handle handle)
{
    m_pressed = handle;
    m_grabOffset = m_pressPixel - pick(handleRect(valueOf(handle)).topLeft());
    update();
}

void QxtSpanSlider::dragTo(int value)
{
    const bool crosses = m_pressed == Handle::Lower ? value > m_upper : value < m_lower;
    const Handle dragged = m_pressed;
    if (crosses && m_movementMode == FreeMovement)
        m_pressed = dragged == Handle::Lower ? Handle::Upper : Handle::Lower;
    if (dragged == Handle::Lower)
        setLowerValue(value);
    else
        setUpperValue(value);
}

int QxtSpanSlider::valueOf(Handle handle) const
{
    return handle == Handle::Upper ? m_upper : m_lower;
}

QStyleOptionSlider QxtSpanSlider::handleOption(Handle handle) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderHandle;
    option.sliderPosition = valueOf(handle);
    option.sliderValue = valueOf(handle);
    if (handle == m_pressed) {
        option.activeSubControls = QStyle::SC_SliderHandle;
        option.state |= QStyle::State_Sunken;
    }
    return option;
}

QRect QxtSpanSlider::handleRect(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = value;
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

int QxtSpanSlider::pick(const QPoint& point) const
{
    return orientation() == Qt::Horizontal ? point.x() : point.y();
}

int QxtSpanSlider::valueAt(int pixel) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const bool horizontal = orientation() == Qt::Horizontal;
    const int handleLength = horizontal ? handle.width() : handle.height();
    const int start = horizontal ? groove.x() : groove.y();
    const int end = (horizontal ? groove.right() : groove.bottom()) - handleLength + 1;
    return QStyle::sliderValueFromPosition(minimum(), maximum(), pixel - start, end - start, option.upsideDown);
}

void QxtSpanSlider::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionSlider groove;
    initStyleOption(&groove);
    groove.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks;
    groove.sliderPosition = minimum();
    painter.drawComplexControl(QStyle::CC_Slider, groove);

    drawSpan(painter, style()->subControlRect(QStyle::CC_Slider, &groove, QStyle::SC_SliderGroove, this));
    // The pressed handle is drawn last, on top of the other one.
    const Handle below = m_pressed == Handle::Lower ? Handle::Upper : Handle::Lower;
    drawHandle(painter, below);
    drawHandle(painter, below == Handle::Lower ? Handle::Upper : Handle::Lower);
}

void QxtSpanSlider::drawHandle(QStylePainter& painter, Handle handle) const
{
    // Style sheets paint the widget's background with every complex control;
    // the clip keeps that from wiping out the groove and the other handle.
    painter.save();
    painter.setClipRect(handleRect(valueOf(handle)));
    painter.drawComplexControl(QStyle::CC_Slider, handleOption(handle));
    painter.restore();
}

void QxtSpanSlider::drawSpan(QStylePainter& painter, const QRect& groove) const
{
    const QPoint from = handleRect(m_lower).center();
    const QPoint to = handleRect(m_upper).center();
    QRect span = orientation() == Qt::Horizontal
        ? QRect(QPoint(qMin(from.x(), to.x()), groove.top() + 1), QPoint(qMax(from.x(), to.x()), groove.bottom() - 1))
        : QRect(QPoint(groove.left() + 1, qMin(from.y(), to.y())), QPoint(groove.right() - 1, qMax(from.y(), to.y())));
    painter.fillRect(span, palette().highlight());
}
