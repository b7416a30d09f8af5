#ifndef DRAVELLO_DOCUMENT_SKETCHINKWRITER_H
#define DRAVELLO_DOCUMENT_SKETCHINKWRITER_H

#include <QString>

class DocumentMetaData;

namespace Pelm {
class InkMLDefinitions;
}

// Writes the record's ink as an InkML file at `path`: a copy of its document
// turned by `degrees` and moved back by the record's adjustment shift (which
// takes back the centring of an editor copy), with the record's own
// definitions or else `fallback`. The file is replaced only once the new one
// is complete. False when the record holds no document or the write failed.
bool writeSketchInkML(const DocumentMetaData& record, int degrees, const QString& path,
                      Pelm::InkMLDefinitions& fallback);

// The rotation of the record's scene in whole degrees; 0 without a scene.
int sceneRotation(const DocumentMetaData& record);

#endif
