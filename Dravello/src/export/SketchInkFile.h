#ifndef DRAVELLO_EXPORT_SKETCHINKFILE_H
#define DRAVELLO_EXPORT_SKETCHINKFILE_H

#include <QString>

class DocumentMetaData;

// Writes the sketch's ink document to `path` as InkML the way the sketch
// is seen: turned by its scene's rotation, then moved back by the record's
// centring shift. The record's own InkML definitions go with it, or the
// default ones when it has none. The record is left unchanged; false when
// it has no document or the file could not be written.
bool writeSketchInkFile(const DocumentMetaData& record, const QString& path);

#endif
