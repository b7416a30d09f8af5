#include "EnvironmentOverride.h"
#include "Logger.h"
#include "ProgramLog.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using testsupport::EnvironmentOverride;

namespace {

class ProgramLogTest : public ::testing::Test {
protected:
    ~ProgramLogTest() override { Pelm::Logger::SetFilePath(kept); }
    // The current folder, which must stay empty.
    const testsupport::ScratchDir current{true};
    const testsupport::ScratchDir state;
    const std::string kept = Pelm::Logger::GetFilePath();
};

} // namespace

// The program's log goes into the state folder, made with its parents, not
// into the folder the program was started from.
TEST_F(ProgramLogTest, GoesIntoTheStateFolderMadeWithItsParents)
{
    const std::string stateHome = state.file("deep/state");
    EnvironmentOverride xdgState("XDG_STATE_HOME", stateHome.c_str());
    ASSERT_TRUE(Platform::keepProgramLog());
    Pelm::Logger::WriteLog("C", "m", "kept", Pelm::Logger::SEVERE);

    std::ifstream log(stateHome + "/Scrivet/pelm.log");
    std::string line;
    ASSERT_TRUE(std::getline(log, line));
    EXPECT_NE(line.find(" SEVERE kept\t"), std::string::npos) << line;
    EXPECT_TRUE(std::filesystem::is_empty(current.path()));
}

TEST_F(ProgramLogTest, WithoutAStateFolderNoLogIsKept)
{
    EnvironmentOverride home("HOME", nullptr);
    EnvironmentOverride xdgState("XDG_STATE_HOME", nullptr);
    Pelm::Logger::SetFilePath(state.file("before.log"));
    EXPECT_FALSE(Platform::keepProgramLog());
    Pelm::Logger::WriteLog("C", "m", "lost", Pelm::Logger::SEVERE);
    EXPECT_TRUE(std::filesystem::is_empty(current.path()));
    EXPECT_TRUE(std::filesystem::is_empty(state.path()));
}
