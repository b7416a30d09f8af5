#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

// A white pad to draw on with the pen (which arrives as the mouse), so the user
// can feel the receiver's click threshold. Nothing drawn is kept.
class TipSensitivity : public QWidget
{
    Q_OBJECT

public:
    explicit TipSensitivity(QWidget* parent = nullptr);

    void setPenColor(const QColor& color);
    void setPenWidth(int width);

public slots:
    void clearImage();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawLineTo(const QPoint& endPoint);
    void growImage(const QSize& size);

    QColor m_penColor{42, 42, 208, 255};
    QImage m_image;
    QPoint m_lastPoint;
    int m_penWidth = 4;
    bool m_drawing = false;
};
