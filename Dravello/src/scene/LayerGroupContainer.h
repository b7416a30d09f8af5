#ifndef DRAVELLO_SCENE_LAYERGROUPCONTAINER_H
#define DRAVELLO_SCENE_LAYERGROUPCONTAINER_H

#include <QList>

class QGraphicsItem;

// The scene items of one layer while the layer is out of the scene. The
// items are not owned: whoever holds them out of the scene is responsible for
// putting them back (DocumentGraphicModel::InsertLayer) or deleting them.
class LayerGroupContainer {
public:
    LayerGroupContainer(double zValue = 0.0, int layerIndex = -1)
        : m_zValue(zValue), m_layerIndex(layerIndex)
    {
    }

    // Appends the items not held yet, in order.
    void appendItems(const QList<QGraphicsItem*>& items);

    QList<QGraphicsItem*> m_items;
    double m_zValue;
    int m_layerIndex;
};

#endif
