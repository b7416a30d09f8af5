#include "GraphicsItemsGroup.h"

namespace {

// Sorting this many children takes well under a millisecond.
constexpr qsizetype kStrokesPerBatch = 1024;

// A run of a layer's strokes; draws nothing of its own. The strokes are
// members of a group, which handles their clicks (moving and selecting
// nothing); as plain children they cost the editor 55 MB more on a 63 MB
// sketch. It counts its strokes itself: asking Qt for the children has them
// sorted.
class StrokeBatch : public QGraphicsItemGroup {
public:
    enum { Type = StrokeBatchType };

    explicit StrokeBatch(QGraphicsItem* layer) : QGraphicsItemGroup(layer) { setFlag(ItemHasNoContents); }

    int type() const override { return Type; }
    QRectF boundingRect() const override { return {}; }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}

    qsizetype strokeCount() const { return m_strokeCount; }
    // The copy of the children list is gone before the stroke is deleted,
    // so that the batch's own list is not copied for it.
    QGraphicsItem* lastStroke() const { return m_strokeCount ? childItems().last() : nullptr; }

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override
    {
        if (change == ItemChildAddedChange)
            ++m_strokeCount;
        else if (change == ItemChildRemovedChange)
            --m_strokeCount;
        return QGraphicsItem::itemChange(change, value);
    }

private:
    qsizetype m_strokeCount = 0;
};

StrokeBatch* asBatch(QGraphicsItem* item) { return qgraphicsitem_cast<StrokeBatch*>(item); }
const StrokeBatch* asBatch(const QGraphicsItem* item) { return qgraphicsitem_cast<const StrokeBatch*>(item); }

} // namespace

GraphicsItemsGroup::GraphicsItemsGroup(const PaintFormat& format, QGraphicsItemGroup* parent,
                                       bool painted, int layerNumber)
    : QGraphicsItemGroup(parent), m_painted(painted), m_layerNumber(layerNumber), m_format(format)
{
}

void GraphicsItemsGroup::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                               QWidget* widget)
{
    if (m_painted)
        QGraphicsItemGroup::paint(painter, option, widget);
}

const GraphicsItemsGroup* GraphicsItemsGroup::ofStroke(const QGraphicsItem& stroke)
{
    const QGraphicsItem* batch = stroke.parentItem();
    return batch ? qgraphicsitem_cast<const GraphicsItemsGroup*>(batch->parentItem()) : nullptr;
}

void GraphicsItemsGroup::addStroke(QGraphicsItem* stroke)
{
    const QList<QGraphicsItem*> batches = childItems();
    StrokeBatch* last = batches.isEmpty() ? nullptr : asBatch(batches.last());
    if (!last || last->strokeCount() >= kStrokesPerBatch)
        last = new StrokeBatch(this);
    last->addToGroup(stroke);
}

void GraphicsItemsGroup::removeStroke(QGraphicsItem* stroke)
{
    // Out of its group the stroke would fall to the group's parent, the layer.
    if (StrokeBatch* batch = asBatch(stroke->parentItem()))
        batch->removeFromGroup(stroke);
    stroke->setParentItem(nullptr);
}

QList<QGraphicsItem*> GraphicsItemsGroup::strokes() const
{
    QList<QGraphicsItem*> all;
    all.reserve(strokeCount());
    for (const QGraphicsItem* batch : childItems())
        all.append(batch->childItems());
    return all;
}

qsizetype GraphicsItemsGroup::strokeCount() const
{
    qsizetype count = 0;
    for (const QGraphicsItem* batch : childItems())
        count += asBatch(batch)->strokeCount();
    return count;
}

bool GraphicsItemsGroup::sortStrokesUntil(const QDeadlineTimer& deadline) const
{
    for (const QGraphicsItem* batch : childItems()) {
        if (deadline.hasExpired())
            return false;
        batch->childItems();
    }
    return true;
}

bool GraphicsItemsGroup::deleteLastItem()
{
    const QList<QGraphicsItem*> batches = childItems();
    if (batches.isEmpty())
        return false;
    QGraphicsItem* batch = batches.last();
    QGraphicsItem* stroke = asBatch(batch)->lastStroke();
    delete (stroke ? stroke : batch);
    return true;
}
