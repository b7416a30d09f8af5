#ifndef HLV_INKFILEREADING_H
#define HLV_INKFILEREADING_H

// Reading a pen file into an ink document with the ink library.

#include "Document.h"
#include "SmartPointer.h"

enum HalvrenfileType { kWpiFileType = 0, kInkMLFileType = 1 };

// The type of the last file opened; files of an unknown extension are read
// as that type.
extern HalvrenfileType currentFileType;

// The document of the file at the UTF-8 path; empty when it cannot be read.
Pelm::SmartPointer<Pelm::Document> ParseSomething(const char* path, HalvrenfileType type);

// Prints the point count of every stroke.
void PrintDocumentData(Pelm::Document& document);

// True when every point's coordinates are finite and small enough that the
// drawing's size and every anchor, in points, stay within the host's single
// precision.
bool HasHostSizedCoordinates(Pelm::Document& document);

#endif
