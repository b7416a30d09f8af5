#ifndef DRAVELLO_TESTS_DEVICE_RECORDINGOBSERVER_H
#define DRAVELLO_TESTS_DEVICE_RECORDINGOBSERVER_H

// An observer that records DeviceManager's calls and, like the program's
// observer, keeps the device under a lock that every command holds.

#include "Device.h"
#include "DeviceObserverInterface.h"
#include "ProtocolHandler.h"
#include "ThreadMutex.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

class RecordingObserver : public DeviceObserverInterface {
public:
    // Runs inside handleDeviceInserted with the previous and the new device.
    std::function<void(Device* previous, Device* inserted)> onInserted;

    void handleDeviceInserted(Device* device) override
    {
        Pelm::MutexGuard guard(lock);
        if (onInserted)
            onInserted(current, device);
        current = device;
        record("inserted");
    }
    void handleDeviceRemoved(Device* device) override
    {
        Pelm::MutexGuard guard(lock);
        record(device == current ? "removed" : "removed other");
        current = nullptr;
    }
    void handleDeviceInputReady(Pelm::Point) override { record("input"); }
    void handleDiscMounted(const char* path) override { record(std::string("mounted ") + path); }
    void handleDiscUnmounted() override { record("unmounted"); }

    // Runs the command on the current device under the lock; false without one.
    bool command(const std::function<bool(ProtocolHandler&)>& run)
    {
        Pelm::MutexGuard guard(lock);
        if (!current)
            return false;
        ProtocolHandler protocol(current);
        return run(protocol);
    }

    std::vector<std::string> events() const
    {
        std::lock_guard<std::mutex> guard(eventsMutex);
        return recorded;
    }

    // Waits until count events were recorded; false on time-out.
    bool waitForEvents(std::size_t count, std::chrono::seconds timeout = std::chrono::seconds(10))
    {
        std::unique_lock<std::mutex> guard(eventsMutex);
        return changed.wait_for(guard, timeout, [&] { return recorded.size() >= count; });
    }

private:
    void record(std::string event)
    {
        {
            std::lock_guard<std::mutex> guard(eventsMutex);
            recorded.push_back(std::move(event));
        }
        changed.notify_all();
    }

    Pelm::ThreadMutex lock;
    Device* current = nullptr; // guarded by lock
    mutable std::mutex eventsMutex;
    std::condition_variable changed;
    std::vector<std::string> recorded;
};

#endif
