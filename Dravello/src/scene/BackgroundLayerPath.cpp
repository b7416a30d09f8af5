#include "BackgroundLayerPath.h"

#include <QPainter>

BackgroundLayerPath::BackgroundLayerPath(const QRectF& sheet) : m_sheet(sheet) {}

void BackgroundLayerPath::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->fillRect(m_sheet, Qt::white);
}
