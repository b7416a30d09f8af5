#ifndef DRAVELLO_THUMBS_PIECEDRAG_H
#define DRAVELLO_THUMBS_PIECEDRAG_H

// The drag of one sketch file between the browser's views: MIME type
// "image/x-nivok-piece", the file's path in QDataStream's QString encoding
// (32-bit big-endian byte length, then UTF-16 big-endian code units).

#include <QString>

class QMimeData;

extern const char* const kPieceMimeType;

// New MIME data carrying the path; the caller (usually a QDrag) owns it.
QMimeData* newPieceMimeData(const QString& path);

bool carriesPiece(const QMimeData* data);

// The path carried by the data; a null string when it carries none or the
// payload is damaged.
QString piecePath(const QMimeData* data);

#endif
