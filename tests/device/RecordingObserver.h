#ifndef DRAVELLO_TESTS_DEVICE_RECORDINGOBSERVER_H
#define DRAVELLO_TESTS_DEVICE_RECORDINGOBSERVER_H

// An observer that records DeviceManager's calls and, like the program's
// observer, keeps the device under a lock that every command holds.

#include "Device.h"
#include "DeviceObserverInterface.h"
#include "EventLog.h"
#include "ProtocolHandler.h"
#include "ThreadMutex.h"

#include <functional>
#include <string>

class RecordingObserver : public DeviceObserverInterface, public EventLog {
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

private:
    Pelm::ThreadMutex lock;
    Device* current = nullptr; // guarded by lock
};

#endif
