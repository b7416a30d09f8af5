#pragma once

#include <QSlider>

class QStyleOptionSlider;
class QStylePainter;

// A slider with two handles that picks a span [lowerValue, upperValue] of its
// range; the span follows the handles while they are dragged.
class QxtSpanSlider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(int lowerValue READ lowerValue WRITE setLowerValue NOTIFY lowerValueChanged)
    Q_PROPERTY(int upperValue READ upperValue WRITE setUpperValue NOTIFY upperValueChanged)
    Q_PROPERTY(HandleMovementMode handleMovementMode READ handleMovementMode WRITE setHandleMovementMode)

public:
    enum HandleMovementMode {
        FreeMovement, // a handle dragged past the other one swaps places with it
        NoCrossing,   // a handle stops where the other one is
    };
    Q_ENUM(HandleMovementMode)

    explicit QxtSpanSlider(QWidget* parent = nullptr);
    explicit QxtSpanSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    int lowerValue() const { return m_lower; }
    int upperValue() const { return m_upper; }

    HandleMovementMode handleMovementMode() const { return m_movementMode; }
    void setHandleMovementMode(HandleMovementMode mode);

public slots:
    void setLowerValue(int value);
    void setUpperValue(int value);

signals:
    void lowerValueChanged(int value);
    void upperValueChanged(int value);

protected:
    void sliderChange(SliderChange change) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Handle { None, Lower, Upper, Either };

    void setSpan(int lower, int upper);
    void grab(Handle handle);
    void dragTo(int value);
    int valueOf(Handle handle) const;
    QStyleOptionSlider handleOption(Handle handle) const;
    QRect handleRect(int value) const;
    int pick(const QPoint& point) const;
    int valueAt(int pixel) const;
    void drawSpan(QStylePainter& painter, const QRect& groove) const;
    void drawHandle(QStylePainter& painter, Handle handle) const;

    int m_lower = 0;
    int m_upper = 0;
    HandleMovementMode m_movementMode = FreeMovement;
    Handle m_pressed = Handle::None;
    int m_pressPixel = 0;
    int m_grabOffset = 0; // pointer position within the pressed handle
};
