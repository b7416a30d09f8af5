#include "FileReplacement.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::ScratchDir;

namespace {

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

bool supportsUnnamedFiles(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

// A save in a child process that dies in the middle of writing: the file
// size limit stops its writes after limitBytes, and the SIGXFSZ that comes
// with the next one ends the process as a kill would.
void saveKilledMidWrite(const fs::path& target, std::size_t contentBytes, rlim_t limitBytes)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const rlimit small{limitBytes, limitBytes};
        ::setrlimit(RLIMIT_FSIZE, &small);
        Pelm::replaceFile(target.string(), std::string(contentBytes, 'n'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was not cut short";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
}

// A folder seen through bindfs, a file system without O_TMPFILE; unusable
// (and its cases skipped) where bindfs is missing or cannot mount.
class FolderWithoutUnnamedFiles {
public:
    explicit FolderWithoutUnnamedFiles(const fs::path& root) : backing(root / "backing"), view(root / "view")
    {
        fs::create_directories(backing);
        fs::create_directories(view);
        const std::string command = "bindfs '" + backing.string() + "' '" + view.string() + "' 2>/dev/null";
        mounted = std::system(command.c_str()) == 0;
    }
    ~FolderWithoutUnnamedFiles()
    {
        if (mounted)
            std::system(("fusermount -u '" + view.string() + "' 2>/dev/null || umount '" + view.string() + "'").c_str());
    }
    FolderWithoutUnnamedFiles(const FolderWithoutUnnamedFiles&) = delete;
    FolderWithoutUnnamedFiles& operator=(const FolderWithoutUnnamedFiles&) = delete;

    bool usable() const { return mounted && !supportsUnnamedFiles(view); }
    const fs::path& path() const { return view; }

private:
    fs::path backing;
    fs::path view;
    bool mounted = false;
};

} // namespace

// Before a save dies, the target keeps its old content. Where the file
// system has unnamed files nothing else is left; elsewhere the temporary
// file stays until the next save of that target removes it.
TEST(FileReplacement, KilledSaveLeavesNothingBehind)
{
    ScratchDir dir;
    FolderWithoutUnnamedFiles plainFolder(dir.path());
    const struct {
        const char* name;
        fs::path folder;
        bool usable;
    } cases[] = {
        {"folder with unnamed files", dir.path() / "local", supportsUnnamedFiles(dir.path())},
        {"folder without unnamed files", plainFolder.path(), plainFolder.usable()},
    };
    fs::create_directories(dir.path() / "local");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.usable) {
            std::cout << "[  SKIPPED ] no " << c.name << " here\n";
            continue;
        }
        const fs::path target = c.folder / "sketch.inkml";
        writeText(target, "old sketch");
        saveKilledMidWrite(target, 4 << 20, 1 << 20);
        EXPECT_EQ(readText(target), "old sketch");
        if (supportsUnnamedFiles(c.folder)) {
            EXPECT_EQ(namesIn(c.folder), std::set<std::string>{"sketch.inkml"});
        } else {
            EXPECT_EQ(namesIn(c.folder).size(), 2u) << "the killed save's temporary file";
        }

        ASSERT_TRUE(Pelm::replaceFile(target.string(), "new sketch"));
        EXPECT_EQ(readText(target), "new sketch");
        EXPECT_EQ(namesIn(c.folder), std::set<std::string>{"sketch.inkml"});
    }
}

// A temporary file is removed only when it belongs to the target and its
// writer is gone (its lock is free).
TEST(FileReplacement, RemovesOnlyAbandonedTemporariesOfTheTarget)
{
    ScratchDir dir;
    const fs::path target = dir.path() / "sketch.inkml";
    writeText(target, "old");
    const std::string abandoned = ".sketch.inkml.4242-0.tmp";
    const std::string inUse = ".sketch.inkml.4243-7.tmp";
    const std::set<std::string> kept = {"sketch.inkml", inUse, ".other.inkml.4242-0.tmp",
                                        ".sketch.inkml.backup.tmp", ".sketch.inkml.4242-0.tmp.keep"};
    for (const std::string& name : kept)
        if (name != "sketch.inkml")
            writeText(dir.path() / name, "x");
    writeText(dir.path() / abandoned, "x");
    const int writer = ::open((dir.path() / inUse).c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX | LOCK_NB), 0);

    ASSERT_TRUE(Pelm::replaceFile(target.string(), "new"));
    ::close(writer);
    EXPECT_EQ(namesIn(dir.path()), kept);
    EXPECT_EQ(readText(target), "new");
}

// A save through a link writes the file at the end of the link chain, also
// when that file does not exist yet; the links stay links.
TEST(FileReplacement, SavesThroughLinksToTheirTarget)
{
    ScratchDir dir;
    const fs::path folder = dir.path();
    fs::create_directories(folder / "sub");
    writeText(folder / "live.inkml", "old");
    const struct {
        const char* name;
        fs::path link;
        fs::path linkText;
        fs::path end;
    } cases[] = {
        {"live link", folder / "a.inkml", folder / "live.inkml", folder / "live.inkml"},
        {"dangling absolute link", folder / "b.inkml", folder / "new-b.inkml", folder / "new-b.inkml"},
        {"dangling relative link", folder / "sub/c.inkml", "../new-c.inkml", folder / "new-c.inkml"},
        {"link to a dangling link", folder / "d.inkml", "sub/c.inkml", folder / "new-c.inkml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!fs::is_symlink(c.link))
            fs::create_symlink(c.linkText, c.link);
        ASSERT_TRUE(Pelm::replaceFile(c.link.string(), c.name));
        EXPECT_TRUE(fs::is_symlink(c.link));
        EXPECT_EQ(readText(c.end), c.name);
    }

    fs::create_symlink("loop-2", folder / "loop-1");
    fs::create_symlink("loop-1", folder / "loop-2");
    EXPECT_FALSE(Pelm::replaceFile((folder / "loop-1").string(), "never"));
    EXPECT_TRUE(fs::is_symlink(folder / "loop-1"));
}

TEST(FileReplacement, NewFileModeIsExactAndExistingModesStay)
{
    ScratchDir dir;
    const fs::path fresh = dir.path() / "fresh.txt";
    const fs::path existing = dir.path() / "existing.txt";
    writeText(existing, "old");
    fs::permissions(existing, fs::perms(0600));

    const mode_t mask = ::umask(077);
    const bool savedFresh = Pelm::replaceFile(fresh.string(), "new", 0644);
    const bool savedExisting = Pelm::replaceFile(existing.string(), "new", 0644);
    ::umask(mask);
    ASSERT_TRUE(savedFresh);
    ASSERT_TRUE(savedExisting);
    EXPECT_EQ(fs::status(fresh).permissions(), fs::perms(0644));
    EXPECT_EQ(fs::status(existing).permissions(), fs::perms(0600));
}
