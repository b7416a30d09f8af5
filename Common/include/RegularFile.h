#ifndef PELM_REGULARFILE_H
#define PELM_REGULARFILE_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace Pelm {

// A file opened for reading only if it is a regular file. The path is opened
// with O_NONBLOCK, so that a FIFO or a device (or a link to one) never waits
// for a peer, and the descriptor it gave is checked with fstat; anything but
// a regular file is closed again at once. Reads then go through that same
// descriptor, in blocking mode.
class RegularFile {
public:
    explicit RegularFile(const char* path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // False when the path could not be opened or names no regular file.
    bool isOpen() const { return fd >= 0; }
    // The open descriptor, -1 when not open; it stays owned by this object.
    int descriptor() const { return fd; }
    // The size fstat gave at opening.
    std::uint64_t size() const { return bytes; }

    // The whole file into content, unless it was larger than maxBytes when
    // opened. A file that shrank meanwhile gives what is left; one that grew
    // gives its first size() bytes. False when not open, too large, or a
    // read fails.
    bool readAll(std::string& content, std::uint64_t maxBytes) const;

    // The next `bytes` bytes of the file into chunk, fewer only at its end
    // (none there). False when not open or a read fails.
    bool readChunk(std::string& chunk, std::size_t bytes) const;

private:
    int fd = -1;
    std::uint64_t bytes = 0;
};

} // namespace Pelm

#endif
