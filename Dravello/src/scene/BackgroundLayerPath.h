#ifndef DRAVELLO_SCENE_BACKGROUNDLAYERPATH_H
#define DRAVELLO_SCENE_BACKGROUNDLAYERPATH_H

#include "SceneItemTypes.h"

#include <QGraphicsPathItem>

// The white sheet of paper behind a sketch's layers.
class BackgroundLayerPath : public QGraphicsPathItem {
public:
    enum { Type = PaperItemType };

    explicit BackgroundLayerPath(const QRectF& sheet);

    int type() const override { return Type; }
    QRectF boundingRect() const override { return m_sheet; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QRectF m_sheet;
};

#endif
