#ifndef DRAVELLO_EXPORT_SCENERENDERING_H
#define DRAVELLO_EXPORT_SCENERENDERING_H

#include <QRectF>
#include <QSize>

#include <functional>
#include <memory>

class DocumentGraphicModel;
class DocumentMetaData;
class QGraphicsScene;
class QIODevice;
class QPaintDevice;
class QPixmap;
class QString;

// Draws `source` of the scene (the whole scene when empty) onto the whole
// device, aspect ratio kept, antialiased, on a transparent background.
// False when there is no scene or the device cannot be painted on.
bool paintScene(QPaintDevice& device, QGraphicsScene* scene, const QRectF& source);

// Replaces the file at `path` by the bytes that `render` writes into the
// open device it is given (a buffer in memory), once they are complete.
// False, the old file staying as it was, when `render` fails or writes
// nothing, or when the file cannot be replaced (a full disk, a target that
// is not a regular file).
bool writeRenderedFile(const QString& path, const std::function<bool(QIODevice&)>& render);

// The picture encoded in `format` ("PNG", "JPEG", ...) at quality 100,
// written as writeRenderedFile does.
bool savePicture(const QPixmap& picture, const QString& path, const char* format);

// What is written out of a sketch: its own ink in the record's pen, with the
// paper, area, rotation, shift and shown layers of the record's scene but
// none of the highlight or scrubber colours the editor puts on it. The
// record's scene is left as it is. Null when the record has no scene or no
// document. GUI thread.
std::unique_ptr<DocumentGraphicModel> inkSceneOf(const DocumentMetaData& record);

// The size with width and height cut to whole numbers.
inline QSize truncatedSize(const QSizeF& size)
{
    return QSize(static_cast<int>(size.width()), static_cast<int>(size.height()));
}

#endif
