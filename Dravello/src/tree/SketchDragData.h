#ifndef DRAVELLO_TREE_SKETCHDRAGDATA_H
#define DRAVELLO_TREE_SKETCHDRAGDATA_H

// A dragged thumbnail travels as the path of its sketch file, stored under
// kSketchDragFormat with QDataStream's QString encoding (32-bit big-endian
// byte count, then big-endian UTF-16 code units).

#include <QByteArray>
#include <QString>

extern const char* const kSketchDragFormat;

QByteArray encodeSketchDragData(const QString& path);
// The path, or an empty string for data that does not hold one.
QString decodeSketchDragData(const QByteArray& data);

#endif
