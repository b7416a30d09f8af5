#ifndef DRAVELLO_EXPORT_SCENERENDERING_H
#define DRAVELLO_EXPORT_SCENERENDERING_H

#include <QRectF>
#include <QSize>

class QGraphicsScene;
class QPaintDevice;

// Draws `source` of the scene (the whole scene when empty) onto the whole
// device, aspect ratio kept, antialiased, on a transparent background.
// False when there is no scene or the device cannot be painted on.
bool paintScene(QPaintDevice& device, QGraphicsScene* scene, const QRectF& source);

// The size with width and height cut to whole numbers.
inline QSize truncatedSize(const QSizeF& size)
{
    return QSize(static_cast<int>(size.width()), static_cast<int>(size.height()));
}

#endif
