#ifndef DRAVELLO_DOCUMENT_METADATAPTR_H
#define DRAVELLO_DOCUMENT_METADATAPTR_H

#include "SmartPointer.h"

class DocumentMetaData;

// How sketch records pass between the browser, the editor, the player and
// the exports; the last release deletes the record.
using MetadataPtr = Pelm::SmartPointer<DocumentMetaData>;

#endif
