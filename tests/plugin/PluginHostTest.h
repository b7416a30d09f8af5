#ifndef DRAVELLO_TESTS_PLUGIN_PLUGINHOSTTEST_H
#define DRAVELLO_TESTS_PLUGIN_PLUGINHOSTTEST_H

// A test host talking to the plug-in (the built module, or the entry point
// linked into the test), with a home folder of its own that holds the user's
// brush library, registered with the host. Every test ends without host
// problems.

#include "EnvironmentOverride.h"
#include "ScratchDir.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace testhost {

constexpr AIErr kInjected = fourCharCode("TEST");

class PluginHostTest : public ::testing::Test {
protected:
    explicit PluginHostTest(PluginEntry linkedEntry = nullptr, const std::string& homeName = "home")
        : scratch(true), home(scratch.file(homeName)), homeOverride("HOME", home.c_str()),
          dataHomeOverride("XDG_DATA_HOME", nullptr)
    {
        std::filesystem::create_directories(supportFolder());
        host.addStyleLibrary(brushLibraryPath(), {"Other", "KelpraStyle"});
        if (linkedEntry)
            host.useEntry(linkedEntry);
        else
            host.loadModule(HLV_PLUGIN_MODULE);
    }

    void TearDown() override { EXPECT_EQ(host.problems(), std::vector<std::string>()); }

    std::string dataHome() const { return home + "/.local/share"; }
    std::string supportFolder() const { return dataHome() + "/Scrivet"; }
    std::string brushLibraryPath() const { return supportFolder() + "/brush_pressure.ai"; }

    testsupport::ScratchDir scratch;
    std::string home;
    testsupport::EnvironmentOverride homeOverride;
    testsupport::EnvironmentOverride dataHomeOverride; // so that the data folder is below HOME
    TestHost host;
};

} // namespace testhost

#endif
