#include "InkFileReading.h"

HalvrenfileType currentFileType = kWpiFileType;

Pelm::SmartPointer<Pelm::Document> ParseSomething(const char*, HalvrenfileType) { return {}; }
void PrintDocumentData(Pelm::Document&) {}
