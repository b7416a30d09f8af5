#ifndef PELM_FILEREPLACEMENT_H
#define PELM_FILEREPLACEMENT_H

#include <cstddef>
#include <memory>
#include <string>
#include <sys/types.h>

namespace Pelm {

// A replacement of the file at a path, written piece by piece, so that the
// target holds either its old content or the whole new one, even when the
// process is killed or the disk fills up. A link is followed to the file it
// names, also when that file does not exist yet. An existing target must be
// a regular file that the process may write; anything else (a FIFO, a
// device, a socket, a folder, or a link to one) is refused and never
// opened, so nothing waits for a peer. The content goes to a temporary file
// in the target's folder; commit() syncs it and renames it over the target,
// which keeps its permission bits. The temporary file has no name while it
// is written where the file system allows (O_TMPFILE), so a killed save
// leaves nothing behind; elsewhere it is named after the target and locked
// while its writer lives, and a later replacement of the same target
// removes those left by writers that are gone. Every write and the final
// sync are checked: after any failure commit() is false, the temporary
// file is removed and the target is left as it was.
class FileReplacement {
public:
    explicit FileReplacement(const std::string& path);
    // A target that did not exist gets exactly newFileMode rather than the
    // permissions the process gives new files.
    FileReplacement(const std::string& path, mode_t newFileMode);
    // Drops the temporary file of a replacement that was not committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when the target is refused or no temporary file could be made;
    // writes and commit() then fail.
    bool isOpen() const;
    // Appends the bytes; false when they could not all be written, and from
    // then on every write and the commit fail.
    bool write(const char* data, std::size_t size);
    bool write(const std::string& content) { return write(content.data(), content.size()); }
    // Puts the written content in the target's place; false when anything
    // failed on the way, the target then being as it was. Once only.
    bool commit();

private:
    class Temporary;
    void open(const std::string& path, const mode_t* newFileMode);

    std::string target;
    std::unique_ptr<Temporary> temporary;
    bool failed = false;
};

// The whole replacement of the file at path by content, as above.
bool replaceFile(const std::string& path, const std::string& content);
bool replaceFile(const std::string& path, const std::string& content, mode_t newFileMode);

// Replaces the file at path by a copy of the file at source, as above. The
// source must be a regular file (or a link to one); it is opened without
// waiting (RegularFile), so a FIFO or a device is refused unread.
bool replaceFileByCopy(const std::string& path, const std::string& source);

} // namespace Pelm

#endif
