#ifndef DRAVELLO_TESTS_FOLDERWITHOUTUNNAMEDFILES_H
#define DRAVELLO_TESTS_FOLDERWITHOUTUNNAMEDFILES_H

// Folders with and without unnamed temporary files (O_TMPFILE): where a
// file system lacks them, a save's temporary file has a name while it is
// written.

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace testsupport {

inline bool supportsUnnamedFiles(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

// A folder seen through bindfs, a file system without O_TMPFILE; unusable
// (and its cases skipped) where bindfs is missing or cannot mount.
class FolderWithoutUnnamedFiles {
public:
    explicit FolderWithoutUnnamedFiles(const std::filesystem::path& root) : backing(root / "backing"), view(root / "view")
    {
        std::filesystem::create_directories(backing);
        std::filesystem::create_directories(view);
        const std::string command = "bindfs '" + backing.string() + "' '" + view.string() + "' 2>/dev/null";
        mounted = std::system(command.c_str()) == 0;
    }
    ~FolderWithoutUnnamedFiles()
    {
        const std::string command = "fusermount -u '" + view.string() + "' 2>/dev/null || umount '" + view.string() + "'";
        if (mounted && std::system(command.c_str()) != 0)
            std::fprintf(stderr, "%s could not be unmounted\n", view.c_str());
    }
    FolderWithoutUnnamedFiles(const FolderWithoutUnnamedFiles&) = delete;
    FolderWithoutUnnamedFiles& operator=(const FolderWithoutUnnamedFiles&) = delete;

    bool usable() const { return mounted && !supportsUnnamedFiles(view); }
    const std::filesystem::path& path() const { return view; }

private:
    std::filesystem::path backing;
    std::filesystem::path view;
    bool mounted = false;
};

} // namespace testsupport

#endif
