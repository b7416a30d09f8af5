#ifndef DRAVELLO_SCENE_GRAPHICSINKPATHITEM_H
#define DRAVELLO_SCENE_GRAPHICSINKPATHITEM_H

#include "PaintFormat.h"
#include "SceneItemTypes.h"
#include "StrokeDrawing.h"

#include <QGraphicsPathItem>
#include <QPolygonF>
#include <QRectF>

class GraphicsItemsGroup;

// One stroke of a layer, drawn in ink coordinates at scene position (0, 0),
// either as a pressure outline or as a thin polyline. Its own shift and
// rotation (whole degrees about the origin) apply when it paints. It draws
// nothing unless its parent group is painted.
class GraphicsInkPathItem : public QGraphicsPathItem {
public:
    enum { Type = InkPathItemType };

    // Builds the drawing once and joins the group.
    GraphicsInkPathItem(const Pelm::Stroke& stroke, const PaintFormat& format,
                        GraphicsItemsGroup* group, bool outline);
    // Takes a drawing made already (with the group's pen width as the layer
    // width) and joins the group.
    GraphicsInkPathItem(StrokeShape shape, const PaintFormat& format, GraphicsItemsGroup* group);

    int type() const override { return Type; }
    // The drawing's area with room for the pen, turned and shifted as painted.
    QRectF boundingRect() const override { return m_paintedBounds; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    // Paints the stroke in its group's pen (or its own, as the group's draw
    // mode says) whether or not the group is painted.
    void paintInk(QPainter* painter) const;

    bool isOutline() const { return m_shape.isOutline(); }
    // The stroke's own pen, used when the group is in StrokePenMode.
    const PaintFormat& paintFormat() const { return m_format; }
    void setPenColor(const QColor& color) { m_format.setPenColor(color); }
    void setPenWidth(double width);

    // The area the item claims before its shift and rotation apply.
    void setStrokeRect(const QRectF& rect);

    QPointF paintShift() const { return m_shift; }
    int paintRotation() const { return m_rotation; }
    void addPaintShift(double dx, double dy);
    void addPaintRotation(int degrees);
    void resetTransformations();

    // Applies the shift (truncated to whole units) and the rotation to the
    // painter; false, leaving the painter alone, when there are none.
    bool adjustPainter(QPainter* painter) const;

    const QPolygonF& outlinePolygon() const { return m_shape.outline(); }

private:
    QTransform paintTransform() const;
    void updatePaintedBounds();

    PaintFormat m_format;
    // Pen width of the group when the item was made, for the bounds.
    double m_groupWidth;
    StrokeShape m_shape;
    QRectF m_strokeRect;
    QRectF m_paintedBounds;
    QPointF m_shift;
    int m_rotation = 0;
};

#endif
