#include "EnvironmentOverride.h"
#include "PrivateFolder.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

unsigned modeOf(const std::string& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? unsigned(status.st_mode & 07777) : 0u;
}

// A temporary-files folder of the test's own.
struct Temporary {
    testsupport::ScratchDir folder;
    testsupport::EnvironmentOverride tmpdir{"TMPDIR", folder.path().c_str()};
};

} // namespace

TEST(PrivateTemporaryFolder, IsClosedToOthersUnpredictableAndGoesWithItsFiles)
{
    Temporary temporary;
    std::string kept;
    {
        const Platform::PrivateTemporaryFolder first("Dravello-");
        const Platform::PrivateTemporaryFolder second("Dravello-");
        ASSERT_FALSE(first.path().empty());
        EXPECT_EQ(fs::path(first.path()).parent_path(), temporary.folder.path());
        EXPECT_EQ(fs::path(first.path()).filename().string().rfind("Dravello-", 0), 0u);
        EXPECT_NE(first.path(), second.path());
        EXPECT_EQ(modeOf(first.path()), 0700u);
        std::ofstream(first.path() + "/a.pdf") << "pdf";
        fs::create_directories(first.path() + "/inner");
        kept = first.path();
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(PrivateTemporaryFolder, WithoutATemporaryFolderThereIsNone)
{
    testsupport::ScratchDir scratch;
    testsupport::EnvironmentOverride tmpdir("TMPDIR", scratch.file("missing").c_str());
    EXPECT_EQ(Platform::PrivateTemporaryFolder("Dravello-").path(), "");
}

// The folder is kept across calls, made anew when it has gone or when
// something else stands in its place, and never emptied when it is not ours.
TEST(HandOffFilesFolder, StaysPrivateForTheProgramsLife)
{
    Temporary temporary;
    const std::string first = Platform::handOffFilesFolder();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(Platform::handOffFilesFolder(), first);

    fs::remove_all(first);
    const std::string second = Platform::handOffFilesFolder();
    EXPECT_NE(second, first);
    EXPECT_EQ(modeOf(second), 0700u);

    // Someone else's folder, reached through a link in its place.
    fs::remove_all(second);
    const fs::path theirs = temporary.folder.path() / "theirs";
    fs::create_directories(theirs);
    std::ofstream(theirs / "keep.txt") << "theirs";
    fs::create_directory_symlink(theirs, second);
    const std::string third = Platform::handOffFilesFolder();
    EXPECT_NE(third, second);
    EXPECT_EQ(modeOf(third), 0700u);
    EXPECT_TRUE(fs::exists(theirs / "keep.txt"));
}

TEST(HandOffFilesFolderDeathTest, IsRemovedWhenTheProgramEnds)
{
    Temporary temporary;
    const std::string record = temporary.folder.file("folder.txt");
    EXPECT_EXIT(
        {
            const std::string folder = Platform::handOffFilesFolder();
            std::ofstream(folder + "/sketch.pdf") << "pdf";
            std::ofstream(record) << folder;
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    std::ifstream in(record);
    std::string folder;
    std::getline(in, folder);
    ASSERT_FALSE(folder.empty());
    EXPECT_FALSE(fs::exists(folder));
}
