#include "GraphicsInkPathItem.h"

#include "GraphicsItemsGroup.h"

#include <QPainter>

#include <cmath>
#include <utility>

namespace {

double layerWidthOf(const GraphicsItemsGroup* group, const PaintFormat& format)
{
    return group ? group->paintFormat().width() : format.width();
}

} // namespace

GraphicsInkPathItem::GraphicsInkPathItem(const Pelm::Stroke& stroke, const PaintFormat& format,
                                         GraphicsItemsGroup* group, bool outline)
    : GraphicsInkPathItem(StrokeShape(stroke, outline, static_cast<float>(layerWidthOf(group, format)),
                                      format.width()),
                          format, group)
{
}

GraphicsInkPathItem::GraphicsInkPathItem(StrokeShape shape, const PaintFormat& format,
                                         GraphicsItemsGroup* group)
    : m_format(format),
      m_groupWidth(layerWidthOf(group, format)),
      m_shape(std::move(shape)),
      m_strokeRect(m_shape.rect())
{
    setFlags(m_shape.isOutline() ? ItemIsMovable | ItemIsSelectable
                                 : ItemIsMovable | ItemIsSelectable | ItemIsFocusable);
    updatePaintedBounds();
    if (group)
        group->addStroke(this);
}

void GraphicsInkPathItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const GraphicsItemsGroup* group = GraphicsItemsGroup::ofStroke(*this);
    if (group && group->isPainted())
        paintInk(painter);
}

void GraphicsInkPathItem::paintInk(QPainter* painter) const
{
    const GraphicsItemsGroup* group = GraphicsItemsGroup::ofStroke(*this);
    if (!group)
        return;
    painter->save();
    adjustPainter(painter);
    const bool ownPen = group->drawMode() == GraphicsItemsGroup::StrokePenMode;
    m_shape.paint(*painter, ownPen ? m_format : group->paintFormat(), ownPen);
    painter->restore();
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
    const QRectF area = paintedArea(m_strokeRect, m_format.width(), m_groupWidth);
    m_paintedBounds = area.isNull() ? QRectF() : paintTransform().mapRect(area);
}
