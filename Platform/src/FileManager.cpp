#include "FileManager.h"

namespace Platform {

bool showFolder(ProcessRunner& runner, const std::string& folder)
{
    if (folder.empty())
        return false;
    return runner.startDetached({"xdg-open", {folder}});
}

} // namespace Platform
