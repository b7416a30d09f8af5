#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

bool writeAll(int descriptor, const std::string& content)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(descriptor, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::string& content)
{
    const std::filesystem::path target(path);
    std::string temporary =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return false;
    const bool written = ::fchmod(descriptor, 0644) == 0 && writeAll(descriptor, content)
        && ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace Platform
