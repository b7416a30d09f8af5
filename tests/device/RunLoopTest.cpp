#include "BoundedCallThread.h"
#include "Pause.h"
#include "RunLoop.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

TEST(ThreadRunLoop, AStopBeforeRunStillRunsWhatWasQueuedThenReturns)
{
    Platform::ThreadRunLoop loop;
    std::vector<int> ran;
    loop.post([&] { ran.push_back(1); });
    loop.stop();
    loop.post([&] { ran.push_back(2); });
    loop.run();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
    EXPECT_EQ(Platform::RunLoop::current(), nullptr);
}

TEST(ThreadRunLoop, TasksFromAnyThreadRunOnTheLoopThreadWithTheLoopCurrent)
{
    Platform::ThreadRunLoop loop;
    int ran = 0; // touched on the loop thread only
    bool allOnLoop = true;
    std::thread runner([&] { loop.run(); });
    std::vector<std::thread> posters;
    for (int i = 0; i < 4; ++i) {
        posters.emplace_back([&] {
            for (int n = 0; n < 100; ++n)
                loop.post([&] {
                    ++ran;
                    allOnLoop = allOnLoop && Platform::RunLoop::current() == &loop;
                });
        });
    }
    for (auto& poster : posters)
        poster.join();
    loop.stop();
    runner.join();
    EXPECT_EQ(ran, 400);
    EXPECT_TRUE(allOnLoop);
}

// A pipe whose ends close with it.
struct Pipe {
    Pipe() { EXPECT_EQ(pipe(ends), 0); }
    ~Pipe()
    {
        close(ends[0]);
        close(ends[1]);
    }
    int ends[2] = {-1, -1};
};

TEST(ThreadRunLoop, InputOnAWatchedDescriptorRunsItsCallbackOnTheLoopUntilTheWatchEnds)
{
    Platform::ThreadRunLoop loop;
    Pipe watched;
    Pipe later;
    std::vector<char> read; // touched on the loop thread only
    bool allOnLoop = true;
    std::promise<void> ended;
    std::unique_ptr<Platform::FdWatch> watch = loop.watchReadable(watched.ends[0], [&] {
        char byte = 0;
        if (::read(watched.ends[0], &byte, 1) == 1)
            read.push_back(byte);
        allOnLoop = allOnLoop && Platform::RunLoop::current() == &loop;
        if (byte == 'b') {
            watch.reset(); // a watch may end itself
            ended.set_value();
        }
    });
    // Input on another descriptor is served in the same round as any still
    // waiting on the first, had its watch not ended.
    std::promise<std::vector<char>> seen;
    const auto laterWatch = loop.watchReadable(later.ends[0], [&] {
        char byte = 0;
        if (::read(later.ends[0], &byte, 1) == 1)
            seen.set_value(read);
    });
    std::thread runner([&] { loop.run(); });
    // One byte per callback: 'c' is still unread when the watch ends.
    ASSERT_EQ(write(watched.ends[1], "abc", 3), 3);
    ended.get_future().wait();
    ASSERT_EQ(write(later.ends[1], "x", 1), 1);
    EXPECT_EQ(seen.get_future().get(), (std::vector<char>{'a', 'b'}));
    loop.stop();
    runner.join();
    EXPECT_TRUE(allOnLoop);
}

TEST(BoundedCallThread, ACallThatHangsCostsTheCallerOnlyItsTimeOut)
{
    Platform::BoundedCallThread calls;
    EXPECT_EQ(calls.run([] { return 7; }, 1s), std::optional<int>(7));

    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(calls.run([released] { released.wait(); return 1; }, 50ms), std::nullopt);
    // While it hangs, further calls fail at once and are not run.
    bool ran = false;
    EXPECT_EQ(calls.run([&ran] { ran = true; return 2; }, 1s), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
    EXPECT_FALSE(ran);

    release.set_value();
    std::optional<int> next;
    for (int attempt = 0; attempt < 100 && !next; ++attempt) {
        next = calls.run([] { return 3; }, 1s);
        if (!next)
            std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(next, std::optional<int>(3)); // the hung call's result was dropped
}

TEST(Pause, OverridesNestAndRestore)
{
    std::vector<std::pair<char, std::chrono::microseconds>> calls;
    {
        Platform::PauseOverride outer(
            [&](std::chrono::microseconds d) { calls.emplace_back('o', d); });
        {
            Platform::PauseOverride inner(
                [&](std::chrono::microseconds d) { calls.emplace_back('i', d); });
            Platform::pause(5ms);
        }
        Platform::pause(7ms);
    }
    EXPECT_EQ(calls,
              (std::vector<std::pair<char, std::chrono::microseconds>>{{'i', 5ms}, {'o', 7ms}}));
}
