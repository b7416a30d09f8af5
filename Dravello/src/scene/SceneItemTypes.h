#ifndef DRAVELLO_SCENE_SCENEITEMTYPES_H
#define DRAVELLO_SCENE_SCENEITEMTYPES_H

#include <QGraphicsItem>

// Item types of the sketch scene, for qgraphicsitem_cast.
enum SceneItemType {
    InkPathItemType = QGraphicsItem::UserType + 1,
    ItemsGroupType = QGraphicsItem::UserType + 2,
    PaperItemType = QGraphicsItem::UserType + 3,
    StrokeBatchType = QGraphicsItem::UserType + 4
};

#endif
