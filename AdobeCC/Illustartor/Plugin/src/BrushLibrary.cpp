#include "BrushLibrary.h"

#include "FixedPaths.h"

#include <filesystem>
#include <system_error>

namespace {
constexpr std::size_t kMaxFolderPathBytes = 2048;
}

std::string CreateDesktopDestinationURL()
{
    const std::string folder = Platform::userDataHome();
    std::error_code error;
    if (folder.empty() || folder.size() > kMaxFolderPathBytes || !std::filesystem::is_directory(folder, error))
        return std::string();
    return folder;
}
