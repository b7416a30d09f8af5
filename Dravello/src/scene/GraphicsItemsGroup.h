#ifndef DRAVELLO_SCENE_GRAPHICSITEMSGROUP_H
#define DRAVELLO_SCENE_GRAPHICSITEMSGROUP_H

#include "PaintFormat.h"
#include "SceneItemTypes.h"

#include <QGraphicsItemGroup>

// The scene items of one layer: one GraphicsInkPathItem per stroke, in the
// layer's order. A group that is not painted hides its strokes.
class GraphicsItemsGroup : public QGraphicsItemGroup {
public:
    enum { Type = ItemsGroupType };

    // Whose pen the strokes are drawn with.
    enum DrawStrokeMode { StrokePenMode = 0, LayerPenMode = 1 };

    GraphicsItemsGroup(const PaintFormat& format, QGraphicsItemGroup* parent, bool painted,
                       int layerNumber);

    int type() const override { return Type; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    bool isPainted() const { return m_painted; }
    void setPainted(bool painted) { m_painted = painted; }
    // The layer index when the group was made; not renumbered later.
    int layerNumber() const { return m_layerNumber; }
    DrawStrokeMode drawMode() const { return m_drawMode; }
    void setDrawMode(DrawStrokeMode mode) { m_drawMode = mode; }
    // The layer's pen, used in LayerPenMode.
    const PaintFormat& paintFormat() const { return m_format; }
    void setPaintFormat(const PaintFormat& format) { m_format = format; }

private:
    bool m_painted;
    int m_layerNumber;
    DrawStrokeMode m_drawMode = LayerPenMode;
    PaintFormat m_format;
};

#endif
