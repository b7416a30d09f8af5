#include "GraphicsInkPathItem.h"

#include "GraphicsItemsGroup.h"
#include "StrokeDrawing.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// Room around the drawing beyond half the pen width (antialiasing, thin
// cosmetic pens).
constexpr double kBoundsMargin = 1.0;
// Width of the line around a pressure outline, in device pixels.
constexpr double kOutlinePenWidth = 0.2;

} // namespace

GraphicsInkPathItem::GraphicsInkPathItem(const Pelm::Stroke& stroke, const PaintFormat& format,
                                         GraphicsItemsGroup* group, bool outline)
    : m_outline(outline),
      m_format(format),
      m_groupWidth(group ? group->paintFormat().width() : format.width())
{
    const std::vector<InkSample> samples = drawableSamples(stroke);
    if (m_outline) {
        setFlags(ItemIsMovable | ItemIsSelectable);
        m_outlinePolygon = pressureOutline(samples, static_cast<float>(m_groupWidth));
        m_strokeRect = m_outlinePolygon.boundingRect();
    } else {
        setFlags(ItemIsMovable | ItemIsSelectable | ItemIsFocusable);
        m_polyline = polyline(samples, std::max(m_format.width() * 0.5, 0.5));
        m_strokeRect = m_polyline.boundingRect();
    }
    updatePaintedBounds();
    if (group)
        group->addToGroup(this);
}

void GraphicsInkPathItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const auto* group = qgraphicsitem_cast<const GraphicsItemsGroup*>(parentItem());
    if (!group || !group->isPainted())
        return;
    painter->save();
    adjustPainter(painter);
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (m_outline) {
        const bool ownPen = group->drawMode() == GraphicsItemsGroup::StrokePenMode;
        paintOutline(painter, ownPen ? m_format.penColor() : group->paintFormat().penColor());
    } else {
        paintPolyline(painter, *group);
    }
    painter->restore();
}

void GraphicsInkPathItem::paintOutline(QPainter* painter, const QColor& color) const
{
    QPen pen(color, kOutlinePenWidth, Qt::SolidLine, Qt::RoundCap);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(QBrush(color));
    painter->drawPolygon(m_outlinePolygon, Qt::WindingFill);
}

void GraphicsInkPathItem::paintPolyline(QPainter* painter, const GraphicsItemsGroup& group) const
{
    QPen pen;
    if (group.drawMode() == GraphicsItemsGroup::StrokePenMode) {
        pen = QPen(m_format.penColor());
        pen.setWidth(static_cast<int>(m_format.width()));
    } else {
        const PaintFormat& layerPen = group.paintFormat();
        pen = QPen(layerPen.penColor(), static_cast<int>(layerPen.width()), Qt::SolidLine, Qt::RoundCap);
        pen.setCosmetic(true);
    }
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(m_polyline);
}

void GraphicsInkPathItem::setPenWidth(double width)
{
    m_format.setWidth(width);
    updatePaintedBounds();
}

void GraphicsInkPathItem::setStrokeRect(const QRectF& rect)
{
    m_strokeRect = rect;
    updatePaintedBounds();
}

void GraphicsInkPathItem::addPaintShift(double dx, double dy)
{
    m_shift += QPointF(dx, dy);
    updatePaintedBounds();
}

void GraphicsInkPathItem::addPaintRotation(int degrees)
{
    m_rotation += degrees;
    updatePaintedBounds();
}

void GraphicsInkPathItem::resetTransformations()
{
    m_shift = QPointF();
    m_rotation = 0;
    updatePaintedBounds();
}

QTransform GraphicsInkPathItem::paintTransform() const
{
    return QTransform()
        .translate(std::trunc(m_shift.x()), std::trunc(m_shift.y()))
        .rotate(m_rotation);
}

bool GraphicsInkPathItem::adjustPainter(QPainter* painter) const
{
    if (m_rotation == 0 && m_shift.isNull())
        return false;
    painter->setTransform(paintTransform(), true);
    return true;
}

void GraphicsInkPathItem::updatePaintedBounds()
{
    prepareGeometryChange();
    if (m_strokeRect.isNull()) {
        m_paintedBounds = QRectF();
        return;
    }
    const double margin = std::max(m_format.width(), m_groupWidth) * 0.5 + kBoundsMargin;
    m_paintedBounds =
        paintTransform().mapRect(m_strokeRect.adjusted(-margin, -margin, margin, margin));
}
