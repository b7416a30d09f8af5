#ifndef DRAVELLO_TESTS_FIFOWATCHDOG_H
#define DRAVELLO_TESTS_FIFOWATCHDOG_H

// Frees whatever waits on a FIFO, so that a test of code that must never
// wait on one fails instead of hanging. Once `limit` has passed while the
// watchdog lives, it keeps opening the FIFO's other ends: a writer for an
// open that waits to read, and a reader (draining what comes) for an open
// that waits to write. fired() then tells the test that the code waited.
// SIGPIPE is ignored from then on, so that a writer the reader left gets
// an error rather than ending the test.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace testsupport {

class FifoWatchdog {
public:
    explicit FifoWatchdog(std::string fifo_, std::chrono::milliseconds limit = std::chrono::seconds(5))
        : fifo(std::move(fifo_)), watcher([this, limit] { watch(limit); })
    {
        std::signal(SIGPIPE, SIG_IGN);
    }
    ~FifoWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopped = true;
        }
        wake.notify_all();
        watcher.join();
    }
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    bool fired() const { return hasFired; }

private:
    void watch(std::chrono::milliseconds limit)
    {
        std::unique_lock<std::mutex> lock(mutex);
        if (wake.wait_for(lock, limit, [this] { return stopped; }))
            return;
        hasFired = true;
        do {
            lock.unlock();
            release();
            lock.lock();
        } while (!wake.wait_for(lock, std::chrono::milliseconds(50), [this] { return stopped; }));
    }

    void release() const
    {
        // Succeeds only while someone holds or waits for the reading end.
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0)
            ::close(writer);
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (reader < 0)
            return;
        char buffer[4096];
        // Drains until every writer has gone (or none ever came).
        for (int idle = 0; idle < 20;) {
            const ssize_t n = ::read(reader, buffer, sizeof buffer);
            if (n > 0)
                idle = 0;
            else if (n == 0)
                break;
            else {
                ++idle;
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
        ::close(reader);
    }

    const std::string fifo;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopped = false;
    std::atomic<bool> hasFired{false};
    std::thread watcher;
};

} // namespace testsupport

#endif
