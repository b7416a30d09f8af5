#ifndef PLATFORM_RUNLOOP_H
#define PLATFORM_RUNLOOP_H

// Run loops: a thread's queue of tasks that any thread may add to, and the
// file descriptors it watches for input. Platform callbacks (HID and volume
// notifications) are posted to the loop that registered them and so run on
// that loop's thread.

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace Platform {

using Task = std::function<void()>;

// A file descriptor a loop watches; destroying it ends the watch.
class FdWatch {
public:
    virtual ~FdWatch() = default;
};

class RunLoop {
public:
    // Unbinds the loop when it is the current one of the destroying thread.
    virtual ~RunLoop();

    // Queues the task to run on the loop's thread; callable from any thread.
    virtual void post(Task task) = 0;

    // Runs onReadable on the loop's thread whenever fd has input (or an
    // error to read), until the watch is destroyed. Make and destroy the
    // watch on the loop's thread; the descriptor stays the caller's.
    virtual std::unique_ptr<FdWatch> watchReadable(int fd, Task onReadable) = 0;

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

// A loop that a thread runs itself: run() takes tasks and serves the
// watched descriptors until stop().
class ThreadRunLoop : public RunLoop {
public:
    ThreadRunLoop();
    ~ThreadRunLoop() override;

    void post(Task task) override;
    std::unique_ptr<FdWatch> watchReadable(int fd, Task onReadable) override;

    // Runs queued tasks on the calling thread, bound as its current loop,
    // until stopped. Tasks queued before the stop still run. A stop that
    // came before run() makes run() return as soon as the queue is empty.
    void run();

    // Makes the running (or the next) run() return; callable from any thread.
    void stop();

private:
    struct Watched {
        int fd;
        Task onReadable;
        bool active = true; // guarded by mutex
    };
    class Watch;

    // Makes a run() waiting in poll() look at its queue and watches again.
    void wakeUp();
    // Waits for input on the watched descriptors or a wake-up, then runs the
    // callbacks of those with input. Called and returns with lock held.
    void serveDescriptors(std::unique_lock<std::mutex>& lock);

    std::mutex mutex;
    std::deque<Task> tasks;
    std::vector<std::shared_ptr<Watched>> watched;
    bool stopRequested = false;
    const int wakeFd; // an eventfd
};

} // namespace Platform

#endif
