#ifndef DRAVELLO_THUMBS_THUMBNAILPICTURE_H
#define DRAVELLO_THUMBS_THUMBNAILPICTURE_H

#include <QPixmap>

class DocumentGraphicModel;
class QPainter;
class QRectF;

// Scale of a thumbnail to its scene.
constexpr double kThumbnailScale = 0.25;

// The whole scene drawn on white at a quarter of its size (at least one
// pixel each way), with the page-corner sign when it holds more than one
// layer. A null pixmap for a scene without area.
QPixmap renderThumbnail(DocumentGraphicModel& scene);

// A turned-down page corner at the bottom right of a picture of rect's
// width and height (rect's position is ignored).
void drawMultiPageSign(QPainter& painter, const QRectF& rect);

#endif
