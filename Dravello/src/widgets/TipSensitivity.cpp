#include "TipSensitivity.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

// How far the pad grows beyond the widget, so small resizes need no new image.
constexpr int growthMargin = 128;
constexpr QRgb white = 0xffffffff;

} // namespace

TipSensitivity::TipSensitivity(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_StaticContents);
}

void TipSensitivity::setPenColor(const QColor& color)
{
    m_penColor = color;
}

void TipSensitivity::setPenWidth(int width)
{
    m_penWidth = width;
}

void TipSensitivity::clearImage()
{
    m_image.fill(white);
    update();
}

void TipSensitivity::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_lastPoint = event->position().toPoint();
    m_drawing = true;
}

void TipSensitivity::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && m_drawing)
        drawLineTo(event->position().toPoint());
}

void TipSensitivity::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_drawing)
        return;
    drawLineTo(event->position().toPoint());
    m_drawing = false;
}

void TipSensitivity::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawImage(exposed, m_image, exposed);
}

void TipSensitivity::resizeEvent(QResizeEvent* event)
{
    if (width() > m_image.width() || height() > m_image.height()) {
        growImage(QSize(qMax(width() + growthMargin, m_image.width()),
                        qMax(height() + growthMargin, m_image.height())));
        update();
    }
    QWidget::resizeEvent(event);
}

void TipSensitivity::drawLineTo(const QPoint& endPoint)
{
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QBrush(m_penColor), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The raster engine draws nothing for a line of zero length; a click still
    // leaves a round dot of the pen's width.
    if (endPoint == m_lastPoint)
        painter.drawPoint(endPoint);
    else
        painter.drawLine(m_lastPoint, endPoint);

    const int reach = m_penWidth / 2 + 2;
    update(QRect(m_lastPoint, endPoint).normalized().adjusted(-reach, -reach, reach, reach));
    m_lastPoint = endPoint;
}

void TipSensitivity::growImage(const QSize& size)
{
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(white);
    QPainter painter(&grown);
    painter.drawImage(QPoint(0, 0), m_image);
    painter.end();
    m_image = std::move(grown);
}
