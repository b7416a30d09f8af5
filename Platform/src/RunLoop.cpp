#include "RunLoop.h"

#include <utility>

namespace Platform {

namespace {

thread_local RunLoop* currentLoop = nullptr;

} // namespace

RunLoop::~RunLoop()
{
    if (currentLoop == this)
        currentLoop = nullptr;
}

RunLoop* RunLoop::current() { return currentLoop; }

RunLoop* RunLoop::bindToCurrentThread() { return std::exchange(currentLoop, this); }

void RunLoop::restoreCurrent(RunLoop* previous) { currentLoop = previous; }

void ThreadRunLoop::post(Task task)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        tasks.push_back(std::move(task));
    }
    wake.notify_one();
}

void ThreadRunLoop::run()
{
    RunLoop* const previous = bindToCurrentThread();
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        while (!tasks.empty()) {
            Task task = std::move(tasks.front());
            tasks.pop_front();
            lock.unlock();
            task();
            lock.lock();
        }
        if (stopRequested)
            break;
        wake.wait(lock);
    }
    stopRequested = false;
    restoreCurrent(previous);
}

void ThreadRunLoop::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopRequested = true;
    }
    wake.notify_one();
}

} // namespace Platform
