#include "ApplicationRegistry.h"
#include "FakeSystemRoot.h"

#include <gtest/gtest.h>

using Platform::ApplicationRegistry;

namespace {

const std::string fixtures = DRAVELLO_TEST_DATA "/apps";

// Path, identifier, name, version, short version, executable; empty when not found.
std::vector<std::string> fieldsOf(const std::optional<Platform::ApplicationInfo>& application)
{
    if (!application)
        return {};
    return {application->bundlePath, application->identifier,   application->name,
            application->version,    application->shortVersion, application->executable};
}

} // namespace

TEST(ApplicationRegistry, DescribesABundleInASubfolder)
{
    const ApplicationRegistry registry(fixtures);
    EXPECT_EQ(fieldsOf(registry.findByIdentifier("com.adobe.Photoshop")),
              (std::vector<std::string>{fixtures + "/Adobe Photoshop CS6/Adobe Photoshop CS6.app",
                                        "com.adobe.Photoshop", "Adobe Photoshop CS6", "13.0.0",
                                        "13.0.0", "Adobe Photoshop CS6"}));
}

TEST(ApplicationRegistry, FindsByIdentifierIgnoringCaseFirstInPathOrder)
{
    const ApplicationRegistry registry(fixtures);
    EXPECT_EQ(fieldsOf(registry.findByIdentifier("COM.Adobe.Illustrator")),
              (std::vector<std::string>{fixtures + "/Adobe Illustrator CC/Adobe Illustrator.app",
                                        "com.adobe.illustrator", "Adobe Illustrator", "17.0.0",
                                        "17.0.0", "Adobe Illustrator"}));
    EXPECT_FALSE(registry.findByIdentifier("com.adobe.illustrato"));
    EXPECT_FALSE(registry.findByIdentifier(""));
}

TEST(ApplicationRegistry, FindsByBundleFileName)
{
    const ApplicationRegistry registry(fixtures);
    EXPECT_EQ(fieldsOf(registry.findByName("sketchbookpro6.APP")),
              (std::vector<std::string>{fixtures + "/SketchBookPro6.app", "", "", "6.0.1", "",
                                        "SketchBookPro"}));
    EXPECT_FALSE(registry.findByName("SketchBookPro6"));
}

TEST(ApplicationRegistry, LooksOneFolderLevelDeepOnly)
{
    const ApplicationRegistry registry(fixtures);
    EXPECT_FALSE(registry.findByIdentifier("com.example.nested"));
    EXPECT_FALSE(registry.findByName("Nested.app"));
}

TEST(ApplicationRegistry, SkipsAMalformedInfoPlist)
{
    testsupport::FakeSystemRoot system;
    system.installApplication("Broken.app");
    system.installApplication("SketchBook Designer.app");
    const ApplicationRegistry registry; // the system root's applications folder
    EXPECT_FALSE(registry.findByName("Broken.app"));
    EXPECT_FALSE(registry.findByIdentifier("com.adobe.Photoshop"));
    EXPECT_TRUE(registry.findByIdentifier("com.autodesk.SketchBookDesigner"));
}

TEST(ApplicationRegistry, MissingFolderHoldsNothing)
{
    const ApplicationRegistry registry(fixtures + "/no such folder");
    EXPECT_FALSE(registry.findByIdentifier("com.adobe.Photoshop"));
}

// Opening a bundle starts the program its Info.plist names; a name that
// would lead out of Contents/MacOS is refused.
TEST(ApplicationRegistry, BundleProgramIsTheNamedExecutable)
{
    EXPECT_EQ(Platform::bundleProgram(fixtures + "/SketchBookPro6.app"),
              fixtures + "/SketchBookPro6.app/Contents/MacOS/SketchBookPro");
    EXPECT_EQ(Platform::bundleProgram(fixtures + "/Broken.app"), "");
    EXPECT_EQ(Platform::bundleProgram(fixtures + "/Missing.app"), "");
    EXPECT_EQ(Platform::bundleProgram(fixtures), "");

    testsupport::ScratchDir scratch;
    for (const char* name : {"../../../../bin/sh", "..", "", "sub/program"}) {
        const std::filesystem::path bundle = scratch.path() / "Odd.app";
        testsupport::FakeSystemRoot::writeFile(
            bundle / "Contents/Info.plist",
            std::string("<plist version=\"1.0\"><dict><key>CFBundleExecutable</key><string>") + name
                + "</string></dict></plist>");
        EXPECT_EQ(Platform::bundleProgram(bundle.string()), "") << name;
    }
}
