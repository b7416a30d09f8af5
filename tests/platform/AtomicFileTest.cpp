#include "AtomicFile.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

// Records such as the copied-files list may be links (to a shared copy that
// does not exist yet): the link stays and its target gets the content.
TEST(AtomicFile, WritesThroughALinkThatLeadsNowhere)
{
    testsupport::ScratchDir dir;
    const fs::path link = dir.path() / "record.txt";
    fs::create_symlink("shared-record.txt", link);

    ASSERT_TRUE(Platform::writeFileAtomically(link.string(), "line\n"));
    EXPECT_TRUE(fs::is_symlink(link));
    std::ifstream in(dir.path() / "shared-record.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "line\n");
    EXPECT_EQ(fs::status(link).permissions(), fs::perms(0644));
}
