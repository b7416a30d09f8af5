#include "RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Pelm {

RegularFile::RegularFile(const char* path)
{
    if (!path)
        return;
    const int opened = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (opened < 0)
        return;
    struct stat status;
    const int flags = ::fcntl(opened, F_GETFL);
    if (::fstat(opened, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
        flags < 0 || ::fcntl(opened, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(opened);
        return;
    }
    fd = opened;
    bytes = static_cast<std::uint64_t>(status.st_size);
}

RegularFile::~RegularFile()
{
    if (fd >= 0)
        ::close(fd);
}

namespace {

// Fills buffer from the descriptor's position on; it ends shorter at the
// end of the file. False when a read fails.
bool fill(int fd, std::string& buffer)
{
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t n = ::read(fd, &buffer[filled], buffer.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    buffer.resize(filled);
    return true;
}

} // namespace

bool RegularFile::readAll(std::string& content, std::uint64_t maxBytes) const
{
    if (fd < 0 || bytes > maxBytes)
        return false;
    content.resize(static_cast<std::size_t>(bytes));
    return fill(fd, content);
}

bool RegularFile::readChunk(std::string& chunk, std::size_t bytes) const
{
    chunk.clear();
    if (fd < 0)
        return false;
    chunk.resize(bytes);
    return fill(fd, chunk);
}

} // namespace Pelm
