#ifndef DRAVELLO_SCENE_GRAPHICSITEMSGROUP_H
#define DRAVELLO_SCENE_GRAPHICSITEMSGROUP_H

#include "PaintFormat.h"
#include "SceneItemTypes.h"

#include <QDeadlineTimer>
#include <QGraphicsItemGroup>
#include <QList>

// The scene items of one layer: one GraphicsInkPathItem per stroke, in the
// layer's order. A group that is not painted hides its strokes.
//
// The strokes are held in batches of a bounded size, each a child of the
// group: Qt sorts an item's children all at once the first time they are
// asked for, and a layer of 600,000 strokes under one parent held the GUI
// thread for a quarter of a second.
class GraphicsItemsGroup : public QGraphicsItemGroup {
public:
    enum { Type = ItemsGroupType };

    // Whose pen the strokes are drawn with.
    enum DrawStrokeMode { StrokePenMode = 0, LayerPenMode = 1 };

    GraphicsItemsGroup(const PaintFormat& format, QGraphicsItemGroup* parent, bool painted,
                       int layerNumber);

    int type() const override { return Type; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // The layer the stroke item belongs to, if any.
    static const GraphicsItemsGroup* ofStroke(const QGraphicsItem& stroke);

    // The stroke becomes the layer's last.
    void addStroke(QGraphicsItem* stroke);
    // The stroke leaves the layer; in a scene it stays there on its own.
    static void removeStroke(QGraphicsItem* stroke);
    // In the layer's order.
    QList<QGraphicsItem*> strokes() const;
    qsizetype strokeCount() const;
    // Has the strokes sorted one batch after the other until the deadline;
    // true when all are.
    bool sortStrokesUntil(const QDeadlineTimer& deadline) const;
    // Deletes the last stroke, or the last batch once it is empty; false when
    // there is nothing left.
    bool deleteLastItem();

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
