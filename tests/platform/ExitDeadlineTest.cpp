#include "ExitDeadline.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace std::chrono_literals;

namespace {

// A thread that never ends, joined as a clean-up would join it.
[[noreturn]] void waitForAStuckThread()
{
    static std::mutex mutex;
    static std::condition_variable never;
    std::thread stuck([] {
        std::unique_lock<std::mutex> lock(mutex);
        never.wait(lock, [] { return false; });
    });
    stuck.join();
    std::abort();
}

} // namespace

TEST(ExitDeadline, TheProcessEndsWithItsStatusThoughAThreadNeverEnds)
{
    EXPECT_EXIT(
        {
            Platform::endProcessWithin(100ms, 7);
            waitForAStuckThread();
        },
        ::testing::ExitedWithCode(7), "ended without waiting");
}

TEST(ExitDeadline, AProcessThatEndsInTimeEndsAsItChose)
{
    EXPECT_EXIT(
        {
            Platform::endProcessWithin(10s, 7);
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
}
