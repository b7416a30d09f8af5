#include "ProcessRunner.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <poll.h>
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

// How long a started program is given to end before a test gives up.
constexpr int kEndWithinMs = 10000;

bool endsWithin(const Platform::StartedProcess& process, int milliseconds)
{
    pollfd watched{process.exitDescriptor(), POLLIN, 0};
    return ::poll(&watched, 1, milliseconds) == 1;
}

TEST(ProcessRunner, AStartedProgramIsFollowedToItsEnd)
{
    const auto process = systemProcessRunner().start({"sh", {"-c", "exit 3"}});
    ASSERT_TRUE(process);
    ASSERT_GE(process->exitDescriptor(), 0);
    ASSERT_TRUE(endsWithin(*process, kEndWithinMs));
    const auto result = process->finish();
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitStatus, 3);

    EXPECT_FALSE(systemProcessRunner().start({"no-such-program-here", {}}));
    EXPECT_FALSE(systemProcessRunner().start({"/no/such/program", {}}));
}

TEST(ProcessRunner, AFollowedProgramRunsOnWhenLetGo)
{
    testsupport::ScratchDir scratch;
    const std::filesystem::path release = scratch.path() / "release";
    const std::filesystem::path done = scratch.path() / "done";
    auto process = systemProcessRunner().start(
        {"sh", {"-c", "while [ ! -e \"$0\" ]; do sleep 0.01; done; touch \"$1\"", release.string(), done.string()}});
    ASSERT_TRUE(process);
    EXPECT_FALSE(endsWithin(*process, 0));
    process.reset();
    std::ofstream(release).put('\n');
    EXPECT_TRUE(appearsWithin(done, std::chrono::seconds(10)));
}

