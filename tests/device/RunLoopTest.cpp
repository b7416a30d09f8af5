#include "Pause.h"
#include "RunLoop.h"

#include <gtest/gtest.h>

#include <thread>
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
