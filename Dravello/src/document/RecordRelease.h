#ifndef DRAVELLO_DOCUMENT_RECORDRELEASE_H
#define DRAVELLO_DOCUMENT_RECORDRELEASE_H

#include "MetadataPtr.h"

#include <memory>

class DocumentMetaData;

// Lets go of the handle's reference without holding the GUI thread long:
// when it is the last one, the record's scene is deleted a slice at a time
// (disposeSceneInSlices) and the rest of the record, its ink, on a worker
// thread. The handle is empty afterwards. GUI thread.
void releaseRecord(MetadataPtr& record);
// The same for a record that nothing shares.
void releaseRecord(std::unique_ptr<DocumentMetaData> record);

#endif
