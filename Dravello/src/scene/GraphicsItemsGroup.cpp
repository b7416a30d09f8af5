#include "GraphicsItemsGroup.h"

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
