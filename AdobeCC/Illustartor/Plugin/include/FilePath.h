#ifndef HLV_FILEPATH_H
#define HLV_FILEPATH_H

// One host file path; disposed of with the object.

#include "UnicodeString.h"

namespace ai {

class FilePath {
public:
    FilePath(const UnicodeString& path, bool expandName);
    // A copy of a path the host owns.
    explicit FilePath(AIFilePathHandle source);
    FilePath(const FilePath&) = delete;
    FilePath& operator=(const FilePath&) = delete;
    ~FilePath();

    UnicodeString GetFileExtension() const;
    UnicodeString GetFullPath(bool displayName) const;

    AIFilePathHandle handle() const { return fPath; }

private:
    AIFilePathHandle fPath = nullptr;
};

} // namespace ai

#endif
