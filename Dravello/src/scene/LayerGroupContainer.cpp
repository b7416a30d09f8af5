#include "LayerGroupContainer.h"

#include <QSet>

void LayerGroupContainer::appendItems(const QList<QGraphicsItem*>& items)
{
    QSet<QGraphicsItem*> held(m_items.cbegin(), m_items.cend());
    for (QGraphicsItem* item : items) {
        if (!held.contains(item)) {
            held.insert(item);
            m_items.append(item);
        }
    }
}
