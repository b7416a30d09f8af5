#include "BoundedCallThread.h"

#include <utility>

namespace Platform {

BoundedCallThread::BoundedCallThread() : thread([this] { serve(); }) {}

BoundedCallThread::~BoundedCallThread()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    thread.join();
}

std::optional<int> BoundedCallThread::run(std::function<int()> call,
                                          std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (busy)
        return std::nullopt;
    pending = std::move(call);
    busy = true;
    changed.notify_all();
    if (!changed.wait_for(lock, timeout, [this] { return !busy; }))
        return std::nullopt;
    return result;
}

void BoundedCallThread::serve()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return pending || stopping; });
        if (!pending)
            return;
        const std::function<int()> call = std::move(pending);
        pending = nullptr;
        lock.unlock();
        const int returned = call();
        lock.lock();
        result = returned;
        busy = false;
        changed.notify_all();
    }
}

} // namespace Platform
