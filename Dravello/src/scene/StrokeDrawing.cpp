#include "StrokeDrawing.h"

#include "PaintFormat.h"
#include "Stroke.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Corners of the round polygon that stands for a tap.
constexpr int kDotCorners = 16;
// Width of the line around a pressure outline, in device pixels.
constexpr double kOutlinePenWidth = 0.2;
// Room around the drawing beyond half the pen width (antialiasing, thin
// cosmetic pens).
constexpr double kAreaMargin = 1.0;

float directionAngle(const InkSample& from, const InkSample& to)
{
    return std::atan2(static_cast<float>(to.y - from.y), static_cast<float>(to.x - from.x));
}

QPolygonF roundPolygon(const InkSample& centre, double radius)
{
    QPolygonF polygon;
    polygon.reserve(kDotCorners);
    for (int i = 0; i < kDotCorners; ++i) {
        const double angle = 2.0 * M_PI * i / kDotCorners;
        polygon << QPointF(centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle));
    }
    return polygon;
}

void addDot(QPainterPath& path, const QPointF& centre, double radius)
{
    path.addEllipse(centre, radius, radius);
}

// A dot drawn into a path this thread reuses, so that making it allocates
// nothing once the thread has made one.
const QPainterPath& scratchDot(const QPointF& centre, double radius)
{
    thread_local QPainterPath path;
    path.clear();
    addDot(path, centre, radius);
    return path;
}

} // namespace

std::vector<InkSample> drawableSamples(const Pelm::Stroke& stroke)
{
    std::vector<InkSample> samples;
    samples.reserve(stroke.getSize());
    Pelm::Point point;
    for (unsigned long i = 0; stroke.at(i, point); ++i) {
        const double x = point.x.Get();
        const double y = point.y.Get();
        if (std::isfinite(x) && std::isfinite(y))
            samples.push_back({x, y, point.pressure.Get()});
    }
    return samples;
}

float pressureFactor(unsigned int pressure)
{
    if (pressure == 0 || pressure > static_cast<unsigned int>(INT_MAX))
        return 1.0f;
    return static_cast<float>(pressure) / static_cast<float>(kUnitPressure);
}

bool isTap(const std::vector<InkSample>& samples)
{
    if (samples.empty())
        return false;
    for (const InkSample& sample : samples)
        if (sample.x != samples.front().x || sample.y != samples.front().y)
            return false;
    return true;
}

QPolygonF pressureOutline(const std::vector<InkSample>& samples, float penWidth)
{
    if (samples.empty())
        return QPolygonF();
    if (isTap(samples))
        return roundPolygon(samples.front(), pressureFactor(samples.front().pressure) * penWidth);

    const std::size_t n = samples.size();
    QPolygonF outline(static_cast<int>(2 * n));
    for (std::size_t k = 0; k < n; ++k) {
        const InkSample& current = samples[k];
        const InkSample& previous = samples[k > 0 ? k - 1 : 0];
        const InkSample& next = samples[k + 1 < n ? k + 1 : k];

        const float theta = k == 0
            ? directionAngle(current, next)
            : std::fabs(directionAngle(previous, current) + directionAngle(current, next)) * 0.5f;
        const float halfWidth = pressureFactor(current.pressure) * penWidth;
        // Which way the offsets point follows the direction previous -> next.
        const double signX = next.x - previous.x >= 0.0 ? -1.0 : 1.0;
        const double signY = next.y - previous.y >= 0.0 ? 1.0 : -1.0;

        const double across = signY * std::fabs(std::sin(theta)) * halfWidth;
        const double along = signX * std::fabs(std::cos(theta)) * halfWidth;
        outline[static_cast<int>(k)] = QPointF(current.x + across, current.y + along);
        outline[static_cast<int>(2 * n - 1 - k)] = QPointF(current.x - across, current.y - along);
    }
    return outline;
}

QPainterPath polyline(const std::vector<InkSample>& samples, double dotRadius)
{
    QPainterPath path;
    if (samples.empty())
        return path;
    const QPointF first(samples.front().x, samples.front().y);
    if (isTap(samples)) {
        addDot(path, first, dotRadius);
        return path;
    }
    path.moveTo(first);
    QPointF last = first;
    for (const InkSample& sample : samples) {
        const QPointF point(sample.x, sample.y);
        if (point.x() != last.x() || point.y() != last.y()) {
            path.lineTo(point);
            last = point;
        }
    }
    return path;
}

StrokeShape::StrokeShape(const Pelm::Stroke& stroke, bool outline, float layerWidth,
                         double strokeWidth)
    : m_outline(outline)
{
    const std::vector<InkSample> samples = drawableSamples(stroke);
    if (m_outline) {
        m_outlinePolygon = pressureOutline(samples, layerWidth);
        m_rect = m_outlinePolygon.boundingRect();
        return;
    }
    const double dotRadius = std::max(strokeWidth * 0.5, 0.5);
    if (isTap(samples)) {
        m_dot = Dot{QPointF(samples.front().x, samples.front().y), dotRadius};
        m_rect = scratchDot(m_dot->centre, m_dot->radius).boundingRect();
    } else {
        m_polyline = polyline(samples, dotRadius);
        m_rect = m_polyline.boundingRect();
    }
}

void StrokeShape::paint(QPainter& painter, const PaintFormat& pen, bool strokePen) const
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (m_outline)
        paintOutline(painter, pen.penColor());
    else
        paintPolyline(painter, pen, strokePen);
}

void StrokeShape::paintOutline(QPainter& painter, const QColor& color) const
{
    QPen pen(color, kOutlinePenWidth, Qt::SolidLine, Qt::RoundCap);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(QBrush(color));
    painter.drawPolygon(m_outlinePolygon, Qt::WindingFill);
}

void StrokeShape::paintPolyline(QPainter& painter, const PaintFormat& format, bool strokePen) const
{
    QPen pen;
    if (strokePen) {
        pen = QPen(format.penColor());
        pen.setWidth(static_cast<int>(format.width()));
    } else {
        pen = QPen(format.penColor(), static_cast<int>(format.width()), Qt::SolidLine, Qt::RoundCap);
        pen.setCosmetic(true);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(m_dot ? scratchDot(m_dot->centre, m_dot->radius) : m_polyline);
}

QRectF paintedArea(const QRectF& drawing, double strokeWidth, double layerWidth)
{
    if (drawing.isNull())
        return QRectF();
    const double margin = std::max(strokeWidth, layerWidth) * 0.5 + kAreaMargin;
    return drawing.adjusted(-margin, -margin, margin, margin);
}
