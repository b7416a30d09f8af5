#include "FakeSystemRoot.h"
#include "FixedPaths.h"
#include "PluginBundle.h"

#include <gtest/gtest.h>

#include <climits>

namespace fs = std::filesystem;
using testsupport::FakeSystemRoot;

namespace {

// Everything in the folder, by name.
std::vector<std::string> entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(PluginBundle, MajorVersionIsTheLeadingInteger)
{
    const struct {
        const char* text;
        int major;
    } cases[] = {
        {"17.1.0", 17}, {"16", 16}, {"  15.0.0", 15}, {"+18.1", 18}, {"-3", -3},
        {"", 0}, {"CC 2015", 0}, {".17", 0}, {"v17", 0}, {"99999999999.0", INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Platform::majorVersion(c.text), c.major) << c.text;
}

TEST(PluginBundle, BuildFollowsTheVersionTable)
{
    FakeSystemRoot system;
    const struct {
        int major;
        const char* build;
    } cases[] = {
        {INT_MAX, FakeSystemRoot::ccBuild}, {18, FakeSystemRoot::ccBuild}, {17, FakeSystemRoot::ccBuild},
        {16, FakeSystemRoot::cs6Build},     {15, FakeSystemRoot::plainBuild},
        {0, FakeSystemRoot::plainBuild},    {-3, FakeSystemRoot::plainBuild},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fs::path(Platform::pluginBuildFor(c.major)), system.buildBundle(c.build)) << c.major;
}

TEST(PluginBundle, InstallCopiesTheWholeBundleAndLeavesNothingElse)
{
    FakeSystemRoot system;
    system.installSupportFiles();
    const fs::path plugins = system.path() / "Plug-ins.localized";
    fs::create_directories(plugins);
    const fs::path target = plugins / "hlvexportfile.aip";

    ASSERT_TRUE(Platform::installBundle(Platform::systemProcessRunner(),
                                        system.buildBundle(FakeSystemRoot::cs6Build), target));
    EXPECT_EQ(FakeSystemRoot::buildOf(target), FakeSystemRoot::cs6Build);
    EXPECT_EQ(FakeSystemRoot::readFile(target / "Contents/Resources/brushes.txt"), "brushes");
    EXPECT_EQ(entries(plugins), std::vector<std::string>{"hlvexportfile.aip"});
}

TEST(PluginBundle, FailedOrPartialCopyLeavesNothingBehind)
{
    FakeSystemRoot system;
    system.installSupportFiles();
    const fs::path source = system.buildBundle(FakeSystemRoot::ccBuild);
    // cp copies the rest of the bundle, then fails on the link that leads nowhere.
    fs::create_symlink(system.path() / "gone", source / "Contents/Resources/zz-missing");
    const fs::path plugins = system.path() / "Plug-ins.localized";
    fs::create_directories(plugins);

    EXPECT_FALSE(Platform::installBundle(Platform::systemProcessRunner(), source,
                                         plugins / "hlvexportfile.aip"));
    EXPECT_TRUE(entries(plugins).empty());
    EXPECT_FALSE(Platform::installBundle(Platform::systemProcessRunner(), source,
                                         system.path() / "no folder/hlvexportfile.aip"));
}

// Each record is written where its writer may write: the installer tool's
// in the system's variable data, the program's in the user's own folder;
// their folders are made on the first write.
TEST(PluginBundle, RecordsLieWhereTheirWritersMayWrite)
{
    FakeSystemRoot system;
    EXPECT_EQ(Platform::systemCopiedFilesRecord(), system.systemRecord().string());
    EXPECT_EQ(Platform::userCopiedFilesRecord(), system.userRecord().string());
    for (const fs::path& record : {system.systemRecord(), system.userRecord()}) {
        SCOPED_TRACE(record);
        ASSERT_TRUE(Platform::writeCopiedFilesRecord(record.string(), "/new/hlvexportfile.aip"));
        EXPECT_EQ(FakeSystemRoot::readFile(record), "/new/hlvexportfile.aip");
    }
    EXPECT_FALSE(fs::exists(system.supportFolder() / "copied_files.txt"));
}

TEST(PluginBundle, RecordHoldsOnlyTheLastTarget)
{
    FakeSystemRoot system;
    FakeSystemRoot::writeFile(system.systemRecord(), "/old/Plug-ins.localized/hlvexportfile.aip\n/older\n");
    ASSERT_TRUE(Platform::writeCopiedFilesRecord(system.systemRecord().string(),
                                                 "/new/Plug-ins.localized/hlvexportfile.aip"));
    EXPECT_EQ(FakeSystemRoot::readFile(system.systemRecord()), "/new/Plug-ins.localized/hlvexportfile.aip");
    EXPECT_EQ(fs::status(system.systemRecord()).permissions(), fs::perms(0644));
}

TEST(PluginBundle, UnwritableRecordIsReportedAndLeftAlone)
{
    FakeSystemRoot system;
    fs::create_directories(system.systemRecord()); // even root cannot replace a folder by a file
    EXPECT_FALSE(Platform::writeCopiedFilesRecord(system.systemRecord().string(), "/new/hlvexportfile.aip"));
    EXPECT_TRUE(fs::is_directory(system.systemRecord()));
    EXPECT_EQ(entries(system.systemRecord().parent_path()), std::vector<std::string>{"copied_files.txt"});
    EXPECT_FALSE(Platform::writeCopiedFilesRecord("", "/new/hlvexportfile.aip")); // no user folder
}
