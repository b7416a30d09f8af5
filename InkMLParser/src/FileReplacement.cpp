#include "FileReplacement.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Pelm {

namespace {

bool writeAll(int fd, const std::string& content)
{
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a link names; any other path as it is.
std::string followLink(const std::string& path)
{
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    const std::string target = resolved;
    std::free(resolved);
    return target;
}

// A new hidden file beside target, with the permissions the process gives
// new files; its path goes to temporaryPath.
int createTemporaryBeside(const std::string& target, std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    const std::string stem = folderOf(target) + "/." + nameOf(target) + "." +
                             std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = stem + std::to_string(counter++) + ".tmp";
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeInPlace(const std::string& path, const std::string& content)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, content);
    return ::close(fd) == 0 && written;
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool replaceFile(const std::string& path, const std::string& content)
{
    if (path.empty())
        return false;
    const std::string target = followLink(path);
    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return writeInPlace(target, content);
    // A file we may not write stays as it is, although its folder would
    // let us replace it.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return false;

    std::string temporaryPath;
    const int fd = createTemporaryBeside(target, temporaryPath);
    if (fd < 0)
        return false;
    // Keeping the permission bits may fail on a file system without them
    // (the receiver's FAT volume), which is no reason to fail the save.
    if (exists)
        (void)::fchmod(fd, existing.st_mode & 07777);
    bool complete = writeAll(fd, content) && ::fsync(fd) == 0;
    complete = ::close(fd) == 0 && complete;
    if (!complete || ::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

} // namespace Pelm
