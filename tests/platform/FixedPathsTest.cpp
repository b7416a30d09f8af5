#include "EnvironmentOverride.h"
#include "FixedPaths.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::EnvironmentOverride;

TEST(FixedPaths, SystemPathsAsWrittenWithoutARoot)
{
    EnvironmentOverride root("DRAVELLO_SYSTEM_ROOT", nullptr);
    EXPECT_EQ(Platform::systemSupportFolder(), "/Library/Application Support/Scrivet");
    EXPECT_EQ(Platform::applicationsFolder(), "/Applications");
    EXPECT_EQ(Platform::volumesFolder(), "/Volumes/");
}

TEST(FixedPaths, SystemPathsFollowTheRoot)
{
    EnvironmentOverride root("DRAVELLO_SYSTEM_ROOT", "/tmp/sysroot/");
    EXPECT_EQ(Platform::systemSupportFolder(), "/tmp/sysroot/Library/Application Support/Scrivet");
    EXPECT_EQ(Platform::applicationsFolder(), "/tmp/sysroot/Applications");
    EXPECT_EQ(Platform::volumesFolder(), "/tmp/sysroot/Volumes/");
}

TEST(FixedPaths, UserPathsFollowHome)
{
    {
        EnvironmentOverride home("HOME", "/home/ann");
        EXPECT_EQ(Platform::userSupportFolder(), "/home/ann/Library/Application Support/Scrivet/");
        EXPECT_EQ(Platform::userApplicationSupportFolder(), "/home/ann/Library/Application Support");
        EXPECT_EQ(Platform::userLaunchAgentsFolder(), "/home/ann/Library/LaunchAgents");
    }
    EnvironmentOverride noHome("HOME", nullptr);
    EXPECT_EQ(Platform::userSupportFolder(), "");
    EXPECT_EQ(Platform::userApplicationSupportFolder(), "");
    EXPECT_EQ(Platform::userLaunchAgentsFolder(), "");
}

TEST(FixedPaths, MakeFoldersCreatesParents)
{
    testsupport::ScratchDir scratch;
    const std::string deep = scratch.file("a/b/c");
    EXPECT_TRUE(Platform::makeFolders(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(Platform::makeFolders(deep));
    EXPECT_FALSE(Platform::makeFolders(""));
}
