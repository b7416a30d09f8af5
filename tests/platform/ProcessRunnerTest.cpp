#include "ProcessRunner.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

using Platform::Command;
using Platform::systemProcessRunner;

namespace {

bool appearsWithin(const std::filesystem::path& file, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!std::filesystem::exists(file)) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace

TEST(ProcessRunner, RunWaitsAndGivesTheExitStatus)
{
    const auto success = systemProcessRunner().run({"true", {}});
    EXPECT_TRUE(success.started);
    EXPECT_EQ(success.exitStatus, 0);
    EXPECT_TRUE(success.succeeded());

    const auto failure = systemProcessRunner().run({"false", {}});
    EXPECT_TRUE(failure.started);
    EXPECT_EQ(failure.exitStatus, 1);
    EXPECT_FALSE(failure.succeeded());
}

TEST(ProcessRunner, ArgumentsReachTheProgramUninterpreted)
{
    testsupport::ScratchDir scratch(true);
    const std::string hostile = "a b \"q\" $(touch injected); `touch injected` *";
    const auto result = systemProcessRunner().run({"touch", {"--", scratch.file(hostile)}});
    EXPECT_TRUE(result.succeeded());
    EXPECT_TRUE(std::filesystem::exists(scratch.file(hostile)));
    EXPECT_FALSE(std::filesystem::exists(scratch.file("injected")));
}

TEST(ProcessRunner, UnknownProgramDoesNotStart)
{
    const auto result = systemProcessRunner().run({"no-such-program-here", {}});
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, ENOENT);
    EXPECT_FALSE(systemProcessRunner().startDetached({"no-such-program-here", {}}));
    EXPECT_FALSE(systemProcessRunner().startDetached({"/no/such/program", {}}));
}

TEST(ProcessRunner, DetachedProgramRunsOnItsOwn)
{
    testsupport::ScratchDir scratch;
    const std::string marker = scratch.file("started by detached touch");
    EXPECT_TRUE(systemProcessRunner().startDetached({"touch", {marker}}));
    EXPECT_TRUE(appearsWithin(marker, std::chrono::seconds(10)));
}

TEST(ProcessRunner, CommandTextQuotesWhatIsNotPlain)
{
    const struct {
        Command command;
        const char* text;
    } cases[] = {
        {{"cp", {"-R", "/a/b.aip/.", "/c/"}}, "cp -R /a/b.aip/. /c/"},
        {{"cp", {"/Library/Application Support/x", ""}}, "cp \"/Library/Application Support/x\" \"\""},
        {{"chmod", {"say \"hi\" \\ $(x)"}}, "chmod \"say \\\"hi\\\" \\\\ $(x)\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.command.text(), c.text);
}
