#include "FakeSystemRoot.h"
#include "PlacePlug.h"
#include "PluginBundle.h"
#include "RecordingProcessRunner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <syslog.h>

namespace fs = std::filesystem;
using testsupport::FakeSystemRoot;

namespace {

struct LogLine {
    int priority;
    std::string text;
    bool operator==(const LogLine& other) const
    {
        return priority == other.priority && text == other.text;
    }
};

std::ostream& operator<<(std::ostream& out, const LogLine& line)
{
    return out << line.priority << " " << line.text;
}

class RecordingLog : public Placeplug::LogSink {
public:
    void write(int priority, const std::string& line) override { lines.push_back({priority, line}); }
    std::vector<LogLine> lines;
};

const LogLine started{LOG_INFO, "running placeplug utility..."};

// A system root with the support files and one Illustrator; runs placeplug
// with the real runner behind a recorder.
class PlacePlug : public ::testing::Test {
protected:
    void SetUp() override { system.installSupportFiles(); }

    // Installs the Illustrator fixture (under another folder name if given)
    // with its plug-ins folder; returns the target placeplug should use.
    std::string installIllustrator(const std::string& fixture, const std::string& as = "")
    {
        const fs::path folder = system.installApplication(fixture, as);
        fs::create_directories(folder / "Plug-ins.localized");
        return (folder / "Plug-ins.localized/hlvexportfile.aip/").string();
    }

    int runPlaceplug()
    {
        const Platform::ApplicationRegistry registry;
        return Placeplug::installPlugin(registry, runner, log);
    }

    FakeSystemRoot system;
    Platform::RecordingProcessRunner runner{Platform::systemProcessRunner()};
    RecordingLog log;
};

} // namespace

TEST_F(PlacePlug, IllustratorMissingTouchesNothing)
{
    system.installApplication("Adobe Photoshop CS6");
    EXPECT_EQ(runPlaceplug(), 0);
    EXPECT_EQ(log.lines,
              (std::vector<LogLine>{started, {LOG_ERR, "placeplug: com.adobe.illustrator not found"}}));
    EXPECT_TRUE(runner.calls().empty());
    EXPECT_FALSE(fs::exists(system.systemRecord()));
}

TEST_F(PlacePlug, CopiesTheBuildForTheVersionAndRecordsIt)
{
    const struct {
        const char* fixture;
        const char* build;
    } cases[] = {
        {"Adobe Illustrator CS5", FakeSystemRoot::plainBuild},   // 15.0.0
        {"Adobe Illustrator CS6", FakeSystemRoot::cs6Build},     // 16.0.0
        {"Adobe Illustrator CC", FakeSystemRoot::ccBuild},       // 17.0.0
        {"Adobe Illustrator CC 2014", FakeSystemRoot::ccBuild},  // 18.1.0
        {"Adobe Illustrator Preview", FakeSystemRoot::plainBuild}, // "CC 2015 preview"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const std::string target = installIllustrator(c.fixture);
        EXPECT_EQ(runPlaceplug(), 0);
        EXPECT_EQ(FakeSystemRoot::buildOf(target), c.build);
        EXPECT_EQ(FakeSystemRoot::readFile(target + "Contents/Resources/brushes.txt"), "brushes");
        EXPECT_EQ(FakeSystemRoot::readFile(system.systemRecord()), target);
        EXPECT_EQ(log.lines, std::vector<LogLine>{started});
        fs::remove_all(system.applications() / c.fixture);
        log.lines.clear();
    }
}

TEST_F(PlacePlug, CopyIsReadableByAllAndWritableByTheOwnerOnly)
{
    const std::string target = installIllustrator("Adobe Illustrator CC");
    EXPECT_EQ(runPlaceplug(), 0);
    ASSERT_EQ(runner.calls().size(), 2u);
    EXPECT_EQ(runner.calls()[1].command.text(), "chmod -R u=rwX,go=rX -- \"" + target + "\"");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0755));
    EXPECT_EQ(fs::status(target + "Contents/MacOS/hlvexportfile").permissions(), fs::perms(0755));
    EXPECT_EQ(fs::status(target + "Contents/Resources/brushes.txt").permissions(), fs::perms(0644));
}

TEST_F(PlacePlug, SecondRunCopiesOverTheFirst)
{
    const std::string target = installIllustrator("Adobe Illustrator CC");
    EXPECT_EQ(runPlaceplug(), 0);
    FakeSystemRoot::writeFile(target + "Contents/MacOS/hlvexportfile", "tampered");
    EXPECT_EQ(runPlaceplug(), 0);
    EXPECT_EQ(FakeSystemRoot::buildOf(target), FakeSystemRoot::ccBuild);
    EXPECT_FALSE(fs::exists(target + "hlvexportfile.aip")); // not nested inside the first copy
    EXPECT_EQ(FakeSystemRoot::readFile(system.systemRecord()), target);
}

TEST_F(PlacePlug, OlderRecordIsReplaced)
{
    FakeSystemRoot::writeFile(system.systemRecord(), "/Applications/Adobe Illustrator CS5/Plug-ins.localized/hlvexportfile.aip/");
    const std::string target = installIllustrator("Adobe Illustrator CS6");
    EXPECT_EQ(runPlaceplug(), 0);
    EXPECT_EQ(FakeSystemRoot::readFile(system.systemRecord()), target);
}

TEST_F(PlacePlug, UnwritableRecordIsLoggedAndAccessIsStillSet)
{
    fs::create_directories(system.systemRecord());
    const std::string target = installIllustrator("Adobe Illustrator CC");
    EXPECT_EQ(runPlaceplug(), 0);
    EXPECT_EQ(log.lines,
              (std::vector<LogLine>{started, {LOG_ERR, "placeplug: failed to open file "}}));
    EXPECT_EQ(FakeSystemRoot::buildOf(target), FakeSystemRoot::ccBuild);
    ASSERT_EQ(runner.calls().size(), 2u);
    EXPECT_EQ(runner.calls()[1].command.program, "chmod");
    EXPECT_TRUE(fs::is_directory(system.systemRecord()));
}

TEST_F(PlacePlug, HostileFolderNameIsOnlyAName)
{
    const std::string hostile = "Adobe \"Illustrator\"; touch injected; $(touch injected) `touch injected` %s%n";
    const std::string target = installIllustrator("Adobe Illustrator CC", hostile);
    EXPECT_EQ(runPlaceplug(), 0);
    EXPECT_EQ(FakeSystemRoot::buildOf(target), FakeSystemRoot::ccBuild);
    EXPECT_EQ(FakeSystemRoot::readFile(system.systemRecord()), target);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0755));
    EXPECT_FALSE(fs::exists(system.path() / "injected")); // the current folder
    EXPECT_FALSE(fs::exists(system.applications() / "injected"));
}

TEST_F(PlacePlug, CopyThatCannotStartIsLoggedAndNotRecorded)
{
    runner.answer("cp", {false, -1, ENOENT});
    const std::string target = installIllustrator("Adobe Illustrator CS6");
    EXPECT_EQ(runPlaceplug(), 0);
    const std::string command =
        Platform::copyContentsCommand(system.buildBundle(FakeSystemRoot::cs6Build).string(), target).text();
    EXPECT_EQ(log.lines,
              (std::vector<LogLine>{started,
                                    {LOG_ERR, "placeplug: system(" + command
                                                  + ") command failed, retval is -1, errno is: 2 "}}));
    EXPECT_EQ(runner.calls().size(), 1u); // no chmod either
    EXPECT_FALSE(fs::exists(system.systemRecord()));
}
