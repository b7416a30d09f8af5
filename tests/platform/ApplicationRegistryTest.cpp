#include "ApplicationRegistry.h"
#include "FakeSystemRoot.h"

#include <gtest/gtest.h>

using Platform::ApplicationRegistry;

namespace {

const std::string fixtures = DRAVELLO_TEST_DATA "/apps";

} // namespace

TEST(ApplicationRegistry, DescribesABundleInASubfolder)
{
    const ApplicationRegistry registry(fixtures);
    const auto photoshop = registry.findByIdentifier("com.adobe.Photoshop");
    ASSERT_TRUE(photoshop);
    EXPECT_EQ(photoshop->bundlePath, fixtures + "/Adobe Photoshop CS6/Adobe Photoshop CS6.app");
    EXPECT_EQ(photoshop->identifier, "com.adobe.Photoshop");
    EXPECT_EQ(photoshop->name, "Adobe Photoshop CS6");
    EXPECT_EQ(photoshop->version, "13.0.0");
    EXPECT_EQ(photoshop->shortVersion, "13.0.0");
    EXPECT_EQ(photoshop->executable, "Adobe Photoshop CS6");
}

TEST(ApplicationRegistry, FindsByIdentifierIgnoringCaseFirstInPathOrder)
{
    const ApplicationRegistry registry(fixtures);
    const auto illustrator = registry.findByIdentifier("COM.Adobe.Illustrator");
    ASSERT_TRUE(illustrator);
    EXPECT_EQ(illustrator->bundlePath, fixtures + "/Adobe Illustrator CC/Adobe Illustrator.app");
    EXPECT_EQ(illustrator->version, "17.0.0");
    EXPECT_FALSE(registry.findByIdentifier("com.adobe.illustrato"));
    EXPECT_FALSE(registry.findByIdentifier(""));
}

TEST(ApplicationRegistry, FindsByBundleFileName)
{
    const ApplicationRegistry registry(fixtures);
    const auto pro = registry.findByName("sketchbookpro6.APP");
    ASSERT_TRUE(pro);
    EXPECT_EQ(pro->bundlePath, fixtures + "/SketchBookPro6.app");
    EXPECT_EQ(pro->name, "");
    EXPECT_EQ(pro->identifier, "");
    EXPECT_EQ(pro->version, "6.0.1");
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
