#include "FilePath.h"

#include "AIError.h"
#include "SuitePointers.h"

namespace ai {

FilePath::FilePath(const UnicodeString& path, bool expandName)
{
    aisdk::check_ai_error(sAIFilePath->NewFilePathFromUnicode(path.handle(), expandName, &fPath));
}

FilePath::FilePath(AIFilePathHandle source)
{
    aisdk::check_ai_error(sAIFilePath->CopyFilePath(source, &fPath));
}

FilePath::~FilePath()
{
    if (fPath)
        sAIFilePath->DisposeFilePath(fPath);
}

UnicodeString FilePath::GetFileExtension() const
{
    AIUnicodeStringHandle extension = nullptr;
    aisdk::check_ai_error(sAIFilePath->GetFileExtension(fPath, &extension));
    return UnicodeString(extension);
}

UnicodeString FilePath::GetFullPath(bool displayName) const
{
    AIUnicodeStringHandle text = nullptr;
    aisdk::check_ai_error(sAIFilePath->GetFullPath(fPath, displayName, &text));
    return UnicodeString(text);
}

} // namespace ai
