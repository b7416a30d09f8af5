#include "AtomicFile.h"

#include "FileReplacement.h"

namespace Platform {

bool writeFileAtomically(const std::string& path, const std::string& content)
{
    return Pelm::replaceFile(path, content, 0644);
}

} // namespace Platform
