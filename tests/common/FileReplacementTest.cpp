#include "FileReplacement.h"
#include "FifoWatchdog.h"
#include "FileSizeLimit.h"
#include "FolderWithoutUnnamedFiles.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::FolderWithoutUnnamedFiles;
using testsupport::ScratchDir;
using testsupport::supportsUnnamedFiles;

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
        ASSERT_TRUE(testsupport::killedMidWrite(
            [&] { Pelm::replaceFile(target.string(), std::string(4 << 20, 'n')); }, 1 << 20))
            << "the save was not cut short";
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

// A full disk (here a file size limit: writes past it fail) is a failure,
// and what was there stays byte for byte: a replaced file, a copy's
// destination, or nothing at all for a new file. Nothing is left behind.
TEST(FileReplacement, FullDiskFailsAndKeepsTheOldFile)
{
    ScratchDir dir;
    const std::string old(2000, 'o');
    const fs::path existing = dir.path() / "settings.xml";
    const fs::path fresh = dir.path() / "fresh.pdf";
    const fs::path source = dir.path() / "source.wpi";
    const fs::path copied = dir.path() / "copy.wpi";
    writeText(existing, old);
    writeText(copied, old);
    writeText(source, std::string(300 * 1024, 's'));
    const std::set<std::string> before = namesIn(dir.path());

    bool replaced, created, copiedOver, pieceByPiece;
    {
        const testsupport::FileSizeLimit fullDisk(1000);
        replaced = Pelm::replaceFile(existing.string(), std::string(3000, 'n'));
        created = Pelm::replaceFile(fresh.string(), std::string(3000, 'n'));
        copiedOver = Pelm::replaceFileByCopy(copied.string(), source.string());
        Pelm::FileReplacement replacement(existing.string());
        const bool firstFits = replacement.write(std::string(800, 'a'));
        pieceByPiece = firstFits && !replacement.write(std::string(800, 'b')) && !replacement.write("c") &&
                       !replacement.commit();
    }
    EXPECT_FALSE(replaced);
    EXPECT_FALSE(created);
    EXPECT_FALSE(copiedOver);
    EXPECT_TRUE(pieceByPiece) << "a write after the failed one, or the commit, succeeded";
    EXPECT_EQ(readText(existing), old);
    EXPECT_EQ(readText(copied), old);
    EXPECT_EQ(namesIn(dir.path()), before);
}

// Only a regular file is replaced. Anything else at the path, or at the end
// of a link from it, is refused without being opened: a FIFO would
// otherwise hold the save until a reader came.
TEST(FileReplacement, RefusesTargetsThatAreNotRegularFilesAtOnce)
{
    ScratchDir dir;
    const fs::path fifo = dir.path() / "pipe.inkml";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path fifoLink = dir.path() / "link-to-pipe.inkml";
    fs::create_symlink(fifo, fifoLink);
    const fs::path deviceLink = dir.path() / "link-to-null.inkml";
    fs::create_symlink("/dev/null", deviceLink);
    const fs::path socketPath = dir.path() / "socket.inkml";
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const fs::path folder = dir.path() / "folder.inkml";
    fs::create_directory(folder);

    for (const fs::path& target : {fifo, fifoLink, deviceLink, socketPath, folder}) {
        SCOPED_TRACE(target.filename().string());
        const testsupport::FifoWatchdog watchdog(fifo.string());
        EXPECT_FALSE(Pelm::replaceFile(target.string(), "sketch"));
        EXPECT_FALSE(watchdog.fired()) << "the save waited for a reader";
    }
    ::close(socketFd);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_symlink(fifoLink));
    EXPECT_TRUE(fs::is_symlink(deviceLink));
    EXPECT_TRUE(fs::is_socket(socketPath));
    EXPECT_EQ(namesIn(dir.path()).size(), 5u) << "a temporary file was left";
}

// A copy reads only a regular file; a FIFO as the source (or a link to one)
// is refused at once, and the destination stays as it was.
TEST(FileReplacement, CopyRefusesASourceThatIsNotARegularFileAtOnce)
{
    ScratchDir dir;
    const fs::path fifo = dir.path() / "pipe.wpi";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path link = dir.path() / "link.wpi";
    fs::create_symlink(fifo, link);
    const fs::path destination = dir.path() / "copy.wpi";
    writeText(destination, "old sketch");

    for (const fs::path& source : {fifo, link, dir.path() / "missing.wpi", dir.path()}) {
        SCOPED_TRACE(source.filename().string());
        const testsupport::FifoWatchdog watchdog(fifo.string());
        EXPECT_FALSE(Pelm::replaceFileByCopy(destination.string(), source.string()));
        EXPECT_FALSE(watchdog.fired()) << "the copy waited for a writer";
        EXPECT_EQ(readText(destination), "old sketch");
    }
    const fs::path regular = dir.path() / "sketch.wpi";
    writeText(regular, "new sketch");
    ASSERT_TRUE(Pelm::replaceFileByCopy(destination.string(), regular.string()));
    EXPECT_EQ(readText(destination), "new sketch");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"pipe.wpi", "link.wpi", "copy.wpi", "sketch.wpi"}));
}
