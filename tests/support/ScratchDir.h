#ifndef DRAVELLO_TESTS_SCRATCHDIR_H
#define DRAVELLO_TESTS_SCRATCHDIR_H

// A fresh temporary folder, removed with everything in it on destruction.
// With enter set, the process works inside it meanwhile (files named
// relative to the current folder land there, apart from tests running in
// parallel).

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>

namespace testsupport {

class ScratchDir {
public:
    explicit ScratchDir(bool enter = false)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dravello-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder");
        root = pattern;
        if (enter) {
            previous = std::filesystem::current_path();
            std::filesystem::current_path(root);
        }
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        if (!previous.empty())
            std::filesystem::current_path(previous, ignored);
        std::filesystem::remove_all(root, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::string file(const std::string& name) const { return (root / name).string(); }

private:
    std::filesystem::path root;
    std::filesystem::path previous;
};

} // namespace testsupport

#endif
