#ifndef PELM_DOCUMENTREADER_H
#define PELM_DOCUMENTREADER_H

#include "DocumentSerializer.h"
#include "SmartPointer.h"

#include <string>

namespace Pelm {

// Reads one InkML file into a new document and new definitions, which
// callers share with getDocument and getInkData. abort may be called from
// another thread while a read runs.
class DocumentReader {
public:
    // A null path, or a wide one that does not convert to UTF-8, gives an
    // empty path, which no read accepts.
    explicit DocumentReader(const char* path);
    explicit DocumentReader(const wchar_t* path);
    ~DocumentReader();
    DocumentReader(const DocumentReader&) = delete;
    DocumentReader& operator=(const DocumentReader&) = delete;

    bool readDocFromFile(const char* path);
    // Reads the kept path; the document's loaded flag.
    bool readDocFromFile();
    void abort();

    SmartPointer<Document> getDocument() const { return document; }
    SmartPointer<InkMLDefinitions> getInkData() const { return definitions; }

private:
    std::string path;
    SmartPointer<Document> document;
    SmartPointer<InkMLDefinitions> definitions;
    DocumentSerializer serializer;
};

} // namespace Pelm

#endif
