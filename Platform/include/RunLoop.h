#ifndef PLATFORM_RUNLOOP_H
#define PLATFORM_RUNLOOP_H

// Run loops: a thread's queue of tasks that any thread may add to. Platform
// callbacks (HID and volume notifications) are posted to the loop that
// registered them and so run on that loop's thread.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace Platform {

using Task = std::function<void()>;

class RunLoop {
public:
    // Unbinds the loop when it is the current one of the destroying thread.
    virtual ~RunLoop();

    // Queues the task to run on the loop's thread; callable from any thread.
    virtual void post(Task task) = 0;

    // The loop bound to the calling thread, or null.
    static RunLoop* current();

protected:
    RunLoop() = default;
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    // Makes this loop the calling thread's current one; returns the previous.
    RunLoop* bindToCurrentThread();
    static void restoreCurrent(RunLoop* previous);
};

// A loop that a thread runs itself: run() takes tasks until stop().
class ThreadRunLoop : public RunLoop {
public:
    void post(Task task) override;

    // Runs queued tasks on the calling thread, bound as its current loop,
    // until stopped. Tasks queued before the stop still run. A stop that
    // came before run() makes run() return as soon as the queue is empty.
    void run();

    // Makes the running (or the next) run() return; callable from any thread.
    void stop();

private:
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Task> tasks;
    bool stopRequested = false;
};

} // namespace Platform

#endif
