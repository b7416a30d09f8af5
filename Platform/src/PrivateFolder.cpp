#include "PrivateFolder.h"

#include "FixedPaths.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace Platform {

namespace {

// Still the folder mkdtemp made: a folder (not a link), ours, closed to others.
bool stillPrivate(const std::string& path)
{
    struct stat status {};
    return !path.empty() && ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)
        && status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

} // namespace

std::string makePrivateFolder(const std::string& parent, const std::string& prefix)
{
    std::string pattern = parent + "/" + prefix + "XXXXXX";
    return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

PrivateTemporaryFolder::PrivateTemporaryFolder(const std::string& prefix)
    : m_path(makePrivateFolder(temporaryFolder(), prefix))
{
}

PrivateTemporaryFolder::~PrivateTemporaryFolder()
{
    // A folder that is no longer the one made here is not ours to empty.
    if (!stillPrivate(m_path))
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string handOffFilesFolder()
{
    static std::mutex guard;
    static std::unique_ptr<PrivateTemporaryFolder> folder;
    const std::lock_guard<std::mutex> lock(guard);
    if (!folder || !stillPrivate(folder->path()))
        folder = std::make_unique<PrivateTemporaryFolder>("Dravello-");
    return folder->path();
}

} // namespace Platform
