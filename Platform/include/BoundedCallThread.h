#ifndef PLATFORM_BOUNDEDCALLTHREAD_H
#define PLATFORM_BOUNDEDCALLTHREAD_H

// Runs blocking calls one at a time on a thread of its own, so that the
// caller waits no longer than it chooses for a call that may hang.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace Platform {

class BoundedCallThread {
public:
    BoundedCallThread();
    // Waits for a call still running, then ends the thread.
    ~BoundedCallThread();
    BoundedCallThread(const BoundedCallThread&) = delete;
    BoundedCallThread& operator=(const BoundedCallThread&) = delete;

    // The call's result when it returned within timeout. Nothing when it did
    // not (it runs on and its result is dropped), or at once while such a
    // call is still running. The call must own whatever it touches.
    std::optional<int> run(std::function<int()> call, std::chrono::milliseconds timeout);

private:
    void serve();

    std::mutex mutex;
    std::condition_variable changed;
    std::function<int()> pending; // guarded by mutex
    bool busy = false;            // a call is pending or running
    int result = 0;
    bool stopping = false;
    std::thread thread; // last: it starts once the rest is ready
};

} // namespace Platform

#endif
