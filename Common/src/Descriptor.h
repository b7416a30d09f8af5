#ifndef PELM_DESCRIPTOR_H
#define PELM_DESCRIPTOR_H

// File descriptors as the ink library's own file code uses them.

#include <cerrno>
#include <cstddef>
#include <unistd.h>

namespace Pelm {

// Owns a descriptor and closes it.
class Descriptor {
public:
    explicit Descriptor(int fd_ = -1) : fd(fd_) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd; }
    // Closes the descriptor; false when the close reports an error.
    bool reset(int next = -1)
    {
        const bool closed = fd < 0 || ::close(fd) == 0;
        fd = next;
        return closed;
    }

private:
    int fd;
};

// Writes all the bytes, going on after short writes and interruptions;
// false as soon as a write fails (a full disk, a file size limit).
inline bool writeAll(int fd, const char* data, std::size_t left)
{
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

} // namespace Pelm

#endif
