#ifndef DRAVELLO_TESTS_PLUGIN_LOADEDPLUGIN_H
#define DRAVELLO_TESTS_PLUGIN_LOADEDPLUGIN_H

// A test host with the built module loaded, a home folder of its own and the
// user's brush library registered with the host.

#include "EnvironmentOverride.h"
#include "ScratchDir.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace testhost {

class LoadedPlugin : public ::testing::Test {
protected:
    explicit LoadedPlugin(const std::string& homeName = "home")
        : scratch(true), home(scratch.file(homeName)), homeOverride("HOME", home.c_str())
    {
        std::filesystem::create_directories(supportFolder());
        host.addStyleLibrary(brushLibraryPath(), {"Other", "KelpraStyle"});
        host.loadModule(HLV_PLUGIN_MODULE);
    }

    void TearDown() override { EXPECT_EQ(host.problems(), std::vector<std::string>()); }

    std::string supportFolder() const { return home + "/Library/Application Support/Scrivet"; }
    std::string brushLibraryPath() const { return supportFolder() + "/brush_pressure.ai"; }

    testsupport::ScratchDir scratch;
    std::string home;
    testsupport::EnvironmentOverride homeOverride;
    TestHost host;
};

} // namespace testhost

#endif
