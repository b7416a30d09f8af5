#include "DocumentReader.h"

#include "StringConverter.h"

namespace Pelm {

namespace {

std::string utf8Of(const wchar_t* path)
{
    StringConverter converter(path);
    const char* utf8 = converter.GetUtf8();
    return utf8 ? utf8 : "";
}

} // namespace

DocumentReader::DocumentReader(const char* path_)
    : path(path_ ? path_ : ""), document(new Document), definitions(new InkMLDefinitions),
      serializer(*document.GetData())
{
}

DocumentReader::DocumentReader(const wchar_t* path_) : DocumentReader(utf8Of(path_).c_str()) {}

DocumentReader::~DocumentReader() = default;

bool DocumentReader::readDocFromFile(const char* filePath)
{
    return serializer.DeSerialize(filePath, *definitions.GetData());
}

bool DocumentReader::readDocFromFile()
{
    readDocFromFile(path.c_str());
    return document->loaded.Get();
}

void DocumentReader::abort() { serializer.abort(); }

} // namespace Pelm
