#include "EnvironmentOverride.h"
#include "FixedPaths.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::EnvironmentOverride;

TEST(FixedPaths, SystemPathsAsWrittenWithoutARoot)
{
    EnvironmentOverride root("DRAVELLO_SYSTEM_ROOT", nullptr);
    EXPECT_EQ(Platform::applicationsFolder(), "/Applications");
    EXPECT_EQ(Platform::volumesFolder(), "/Volumes/");
    EXPECT_EQ(Platform::systemCopiedFilesRecord(), "/var/lib/dravello/copied_files.txt");
}

TEST(FixedPaths, SystemPathsFollowTheRoot)
{
    EnvironmentOverride root("DRAVELLO_SYSTEM_ROOT", "/tmp/sysroot/");
    EXPECT_EQ(Platform::programDataFolder(), "/tmp/sysroot/usr/share/dravello");
    EXPECT_EQ(Platform::systemSupportFolder(), "/tmp/sysroot/usr/share/dravello");
    EXPECT_EQ(Platform::applicationsFolder(), "/tmp/sysroot/Applications");
    EXPECT_EQ(Platform::volumesFolder(), "/tmp/sysroot/Volumes/");
    EXPECT_EQ(Platform::systemCopiedFilesRecord(), "/tmp/sysroot/var/lib/dravello/copied_files.txt");
}

// Without a root the installed files are found from the running program, as
// share/dravello beside its libexec/dravello; never at the top level.
TEST(FixedPaths, InstalledFilesFollowTheProgram)
{
    EnvironmentOverride root("DRAVELLO_SYSTEM_ROOT", nullptr);
    const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe").parent_path();
    EXPECT_EQ(Platform::programFolder(), program.string());
    EXPECT_EQ(Platform::programDataFolder(), (program / "../../share/dravello").lexically_normal().string());
    EXPECT_EQ(Platform::systemSupportFolder(), Platform::programDataFolder());
}

// The user's folders from HOME and the XDG variables; a variable that does
// not hold an absolute path counts as not set, so nothing is ever placed
// relative to the current folder (or at the filesystem root).
struct UserEnvironment {
    const char* name;
    const char* home;
    const char* dataHome;
    const char* configHome;
    const char* runtimeDir;
    std::string support;
    std::string autostart;
    std::string handOver;
};

class UserPaths : public ::testing::TestWithParam<UserEnvironment> {};

TEST_P(UserPaths, FollowTheBaseDirectories)
{
    const UserEnvironment& user = GetParam();
    EnvironmentOverride home("HOME", user.home);
    EnvironmentOverride data("XDG_DATA_HOME", user.dataHome);
    EnvironmentOverride config("XDG_CONFIG_HOME", user.configHome);
    EnvironmentOverride runtime("XDG_RUNTIME_DIR", user.runtimeDir);
    EXPECT_EQ(Platform::userSupportFolder(), user.support);
    EXPECT_EQ(Platform::userAutostartFolder(), user.autostart);
    EXPECT_EQ(Platform::handOverFolder(), user.handOver);
    EXPECT_EQ(Platform::handOverSocketPath(), user.handOver.empty() ? "" : user.handOver + "/qtsasock");
    EXPECT_EQ(Platform::singleInstanceLockFile(), user.handOver.empty() ? "" : user.handOver + "/qtsingleapplock");
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserPaths,
    ::testing::Values(
        UserEnvironment{"defaultsBelowHome", "/home/ann", nullptr, nullptr, nullptr,
                        "/home/ann/.local/share/Scrivet/", "/home/ann/.config/autostart",
                        "/home/ann/.local/share/Scrivet"},
        UserEnvironment{"xdgFoldersWin", "/home/ann", "/data/ann/", "/cfg/ann", "/run/user/1000",
                        "/data/ann/Scrivet/", "/cfg/ann/autostart", "/run/user/1000/Scrivet"},
        UserEnvironment{"relativeXdgIgnored", "/home/ann", "share", "", "run", "/home/ann/.local/share/Scrivet/",
                        "/home/ann/.config/autostart", "/home/ann/.local/share/Scrivet"},
        UserEnvironment{"noHome", nullptr, nullptr, nullptr, nullptr, "", "", ""},
        UserEnvironment{"relativeHome", "ann", nullptr, nullptr, nullptr, "", "", ""},
        UserEnvironment{"rootHome", "/", nullptr, nullptr, nullptr, "/.local/share/Scrivet/", "/.config/autostart",
                        "/.local/share/Scrivet"},
        UserEnvironment{"noHomeButXdgFolders", nullptr, "/data/ann", nullptr, "/run/user/1000",
                        "/data/ann/Scrivet/", "", "/run/user/1000/Scrivet"}),
    [](const ::testing::TestParamInfo<UserEnvironment>& info) { return info.param.name; });

TEST(FixedPaths, MakeFoldersCreatesParents)
{
    testsupport::ScratchDir scratch;
    const std::string deep = scratch.file("a/b/c");
    EXPECT_TRUE(Platform::makeFolders(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(Platform::makeFolders(deep));
    EXPECT_FALSE(Platform::makeFolders(""));
}

// The log lives in the state base directory, never relative to the
// current folder.
TEST(FixedPaths, LogFollowsTheStateBaseDirectory)
{
    const struct {
        const char* home;
        const char* stateHome;
        std::string folder;
    } cases[] = {
        {"/home/ann", nullptr, "/home/ann/.local/state/Scrivet"},
        {"/home/ann", "/state/ann/", "/state/ann/Scrivet"},
        {"/home/ann", "state", "/home/ann/.local/state/Scrivet"},
        {nullptr, "/state/ann", "/state/ann/Scrivet"},
        {nullptr, nullptr, ""},
        {"ann", nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.home ? c.home : "(no HOME)") + ", " + (c.stateHome ? c.stateHome : "(no XDG_STATE_HOME)"));
        EnvironmentOverride home("HOME", c.home);
        EnvironmentOverride state("XDG_STATE_HOME", c.stateHome);
        EXPECT_EQ(Platform::logFolder(), c.folder);
        EXPECT_EQ(Platform::logFile(), c.folder.empty() ? "" : c.folder + "/pelm.log");
    }
}
