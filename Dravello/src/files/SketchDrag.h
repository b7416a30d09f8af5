#ifndef DRAVELLO_FILES_SKETCHDRAG_H
#define DRAVELLO_FILES_SKETCHDRAG_H

// The drag of one sketch file between the browser's views: the file's path
// under kSketchDragFormat in QDataStream's QString encoding (32-bit
// big-endian byte length, then UTF-16 big-endian code units).

#include <QString>

class QDropEvent;
class QMimeData;

extern const char* const kSketchDragFormat;

// New MIME data carrying the path; the caller (usually a QDrag) owns it.
QMimeData* newSketchDragData(const QString& path);

bool carriesSketch(const QMimeData* data);

// Accepts the drag or drop as a move when it carries a sketch, else ignores
// it; true when accepted.
bool acceptSketchMove(QDropEvent* event);

// The path carried by the data; a null string when it carries none or the
// payload is damaged.
QString draggedSketchPath(const QMimeData* data);

#endif
