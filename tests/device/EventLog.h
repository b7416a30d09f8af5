#ifndef DRAVELLO_TESTS_DEVICE_EVENTLOG_H
#define DRAVELLO_TESTS_DEVICE_EVENTLOG_H

// Events recorded on one thread and awaited on another.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

class EventLog {
public:
    void record(std::string event)
    {
        {
            std::lock_guard<std::mutex> guard(mutex);
            recorded.push_back(std::move(event));
        }
        changed.notify_all();
    }

    std::vector<std::string> events() const
    {
        std::lock_guard<std::mutex> guard(mutex);
        return recorded;
    }

    // Waits until count events were recorded; false on time-out.
    bool waitForEvents(std::size_t count, std::chrono::seconds timeout = std::chrono::seconds(10))
    {
        std::unique_lock<std::mutex> guard(mutex);
        return changed.wait_for(guard, timeout, [&] { return recorded.size() >= count; });
    }

private:
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> recorded;
};

#endif
