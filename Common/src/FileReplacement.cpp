#include "FileReplacement.h"

#include "Descriptor.h"
#include "RegularFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Pelm {

namespace {

// Links followed before a path counts as a loop (the kernel's own limit).
constexpr int maxLinkHops = 40;
constexpr const char* temporarySuffix = ".tmp";
// Bytes read from a copy's source at a time.
constexpr std::size_t copyChunkBytes = 256 * 1024;

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

// The path at the end of the chain of links that starts at path (path itself
// when it is no link). The end need not exist: a link that leads nowhere
// gives the path it names. Nothing for a loop or an unreadable link.
std::optional<std::string> endOfLinks(std::string path)
{
    for (int hop = 0; hop <= maxLinkHops; ++hop) {
        struct stat status;
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::string named(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), &named[0], named.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= named.size())
            return std::nullopt;
        named.resize(static_cast<std::size_t>(length));
        path = named[0] == '/' ? named : folderOf(path) + "/" + named;
    }
    return std::nullopt;
}

// Temporary names beside target: "." + name + "." + pid + "-" + counter + ".tmp".
std::string temporaryStem(const std::string& target)
{
    return folderOf(target) + "/." + nameOf(target) + ".";
}

std::string nextTemporaryPath(const std::string& stem)
{
    static std::atomic<unsigned> counter{0};
    return stem + std::to_string(::getpid()) + "-" + std::to_string(counter++) + temporarySuffix;
}

bool isDigits(const char* text, std::size_t length)
{
    if (length == 0)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// Whether entry is one of the temporary names of the file called name.
bool isTemporaryOf(const char* entry, const std::string& name)
{
    const std::string prefix = "." + name + ".";
    const std::size_t length = std::strlen(entry);
    const std::size_t suffixLength = std::strlen(temporarySuffix);
    if (length <= prefix.size() + suffixLength || prefix.compare(0, prefix.size(), entry, prefix.size()) != 0 ||
        std::strcmp(entry + length - suffixLength, temporarySuffix) != 0)
        return false;
    const char* middle = entry + prefix.size();
    const std::size_t middleLength = length - prefix.size() - suffixLength;
    const char* dash = static_cast<const char*>(std::memchr(middle, '-', middleLength));
    return dash && isDigits(middle, static_cast<std::size_t>(dash - middle)) &&
           isDigits(dash + 1, middleLength - static_cast<std::size_t>(dash - middle) - 1);
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A writer holds the lock on its temporary file until it ends, so a file
// that can be locked has lost its writer. One that cannot be locked at all
// (no locks on that file system) is left alone.
void removeIfAbandoned(const std::string& path)
{
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened, named;
    if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return;
    if (::lstat(path.c_str(), &named) == 0 && sameFile(opened, named))
        ::unlink(path.c_str());
}

void removeAbandonedTemporaries(const std::string& target)
{
    const std::string folder = folderOf(target);
    const std::string name = nameOf(target);
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        if (isTemporaryOf(entry->d_name, name))
            removeIfAbandoned(folder + "/" + entry->d_name);
    }
    ::closedir(listing);
}

void syncFolder(const std::string& folder)
{
    const Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
}

} // namespace

// Where the replacement is written until it takes the target's place.
class FileReplacement::Temporary {
public:
    explicit Temporary(const std::string& target_) : target(target_), stem(temporaryStem(target_))
    {
        if (!openUnnamed())
            openNamed();
    }
    ~Temporary()
    {
        if (!path.empty())
            ::unlink(path.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int descriptor() const { return file.get(); }

    // Gives the written (and synced) file the target's name; false (and the
    // temporary file removed) on failure. The rename comes before the close,
    // so that the file stays locked while it has a temporary name.
    bool replaceTarget()
    {
        if (path.empty() && !linkUnnamed())
            return false;
        if (::rename(path.c_str(), target.c_str()) != 0)
            return false;
        path.clear();
        file.reset();
        return true;
    }

private:
    bool openUnnamed()
    {
        file.reset(::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (file.get() < 0)
            return false;
        // Locked before it gets a name, which it holds only for the rename.
        ::flock(file.get(), LOCK_EX | LOCK_NB);
        return true;
    }

    bool openNamed()
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string candidate = nextTemporaryPath(stem);
            file.reset(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (file.get() < 0) {
                if (errno == EEXIST)
                    continue;
                return false;
            }
            path = candidate;
            if (lockedUnderItsName())
                return true;
            // Taken for an abandoned file by another save before we locked it.
            path.clear();
        }
        file.reset();
        return false;
    }

    // Locks the named file; false when another save holds it (taking it for
    // abandoned) or its name no longer leads to it. A file system without
    // locks leaves the file unlocked, and other saves leave it alone.
    bool lockedUnderItsName()
    {
        if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            return false;
        struct stat opened, named;
        return ::fstat(file.get(), &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
               sameFile(opened, named);
    }

    bool linkUnnamed()
    {
        const std::string self = "/proc/self/fd/" + std::to_string(file.get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string candidate = nextTemporaryPath(stem);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                ::linkat(file.get(), "", AT_FDCWD, candidate.c_str(), AT_EMPTY_PATH) == 0) {
                path = candidate;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    const std::string target;
    const std::string stem;
    Descriptor file;
    // The temporary file's name; empty while it has none.
    std::string path;
};

FileReplacement::FileReplacement(const std::string& path) { open(path, nullptr); }

FileReplacement::FileReplacement(const std::string& path, mode_t newFileMode) { open(path, &newFileMode); }

FileReplacement::~FileReplacement() = default;

void FileReplacement::open(const std::string& path, const mode_t* newFileMode)
{
    if (path.empty())
        return;
    const std::optional<std::string> found = endOfLinks(path);
    if (!found)
        return;
    target = *found;
    // Only a regular file is replaced; the check opens nothing, so a FIFO
    // or a device never makes it wait. A file we may not write stays as it
    // is, although its folder would let us replace it.
    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0))
        return;

    removeAbandonedTemporaries(target);
    auto opened = std::make_unique<Temporary>(target);
    if (opened->descriptor() < 0)
        return;
    // Setting the permission bits may fail on a file system without them
    // (the receiver's FAT volume), which is no reason to fail the save.
    if (exists)
        (void)::fchmod(opened->descriptor(), existing.st_mode & 07777);
    else if (newFileMode)
        (void)::fchmod(opened->descriptor(), *newFileMode & 07777);
    temporary = std::move(opened);
}

bool FileReplacement::isOpen() const { return temporary != nullptr; }

bool FileReplacement::write(const char* data, std::size_t size)
{
    if (!temporary || failed)
        return false;
    failed = !writeAll(temporary->descriptor(), data, size);
    return !failed;
}

bool FileReplacement::commit()
{
    const std::unique_ptr<Temporary> written = std::move(temporary);
    if (!written || failed || ::fsync(written->descriptor()) != 0 || !written->replaceTarget())
        return false;
    syncFolder(folderOf(target));
    return true;
}

bool replaceFile(const std::string& path, const std::string& content)
{
    FileReplacement replacement(path);
    return replacement.write(content) && replacement.commit();
}

bool replaceFile(const std::string& path, const std::string& content, mode_t newFileMode)
{
    FileReplacement replacement(path, newFileMode);
    return replacement.write(content) && replacement.commit();
}

bool replaceFileByCopy(const std::string& path, const std::string& source)
{
    const RegularFile from(source.c_str());
    if (!from.isOpen())
        return false;
    FileReplacement replacement(path);
    std::string chunk;
    for (;;) {
        if (!from.readChunk(chunk, copyChunkBytes))
            return false;
        if (chunk.empty())
            return replacement.commit();
        if (!replacement.write(chunk))
            return false;
    }
}

} // namespace Pelm
