#ifndef DRAVELLO_THUMBS_THUMBNAILPICTURE_H
#define DRAVELLO_THUMBS_THUMBNAILPICTURE_H

#include <QImage>

class PaintFormat;
class QPainter;
class QRectF;

namespace Pelm {
class Document;
}

// Scale of a thumbnail to its scene.
constexpr double kThumbnailScale = 0.25;

// The sketch as the scene that loading builds draws it (thin polylines in
// the pen), the whole scene on white at a quarter of its size (at least one
// pixel each way), with the page-corner sign when it holds more than one
// layer. A null image when the ink takes no area. Drawn from the ink alone,
// so safe on any thread; the document is only read.
QImage drawThumbnail(Pelm::Document& document, const PaintFormat& pen);

// The picture as a view paints it as an icon of the given size: scaled down
// smoothly within the size, keeping its aspect ratio; the picture itself
// when it fits. Safe on any thread.
QImage iconPicture(const QImage& picture, const QSize& iconSize);
// The size of that icon picture.
QSize iconPictureSize(const QSize& picture, const QSize& iconSize);

// A turned-down page corner at the bottom right of a picture of rect's
// width and height (rect's position is ignored).
void drawMultiPageSign(QPainter& painter, const QRectF& rect);

#endif
