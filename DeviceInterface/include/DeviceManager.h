#ifndef DEVICEINTERFACE_DEVICEMANAGER_H
#define DEVICEINTERFACE_DEVICEMANAGER_H

#include "Thread.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class DeviceObserverInterface;
class MacDevice;

namespace Platform {
class HidBackend;
class HidService;
class HidWatch;
class RunLoop;
class ThreadRunLoop;
class VolumeBackend;
class VolumeSession;
struct VolumeDescription;
} // namespace Platform

// Finds the receiver twice: its HID device, by vendor and product id, on a
// device thread with its own run loop; and its volume, by the disk's vendor
// and model names, on the thread that calls init(). A volume that appears
// before it is mounted is reported if its mount follows within 3 s; the
// thread is not held meanwhile. One process-wide object; the one registered
// observer hears of both.
class DeviceManager {
public:
    using Identifier = std::pair<std::int32_t, std::int32_t>; // vendor id, product id
    using IdentifierList = std::vector<Identifier>;

    static DeviceManager* instance();

    // Configuration, before init().
    void setIdentifierList(IdentifierList identifiers);
    void setVendorName(std::string name);
    void setModelName(std::string name);
    const std::string& getVendorName() const { return m_vendorName; }
    const std::string& getModelName() const { return m_modelName; }
    // Where devices and volumes come from; this machine's backends unless changed.
    void setBackends(Platform::HidBackend& hid, Platform::VolumeBackend& volumes);

    // Replaces the observer; returns it.
    DeviceObserverInterface* registerObserver(DeviceObserverInterface* observer);

    // Listens for volumes on the calling thread's run loop, then starts the
    // device thread. Always true; a second call before finish() does nothing.
    bool init();
    // Ends the device thread and the volume callbacks. Always true; does
    // nothing when not started.
    bool finish();

    // The device thread's side (EventProcessingThread).
    // Arms the notifications and runs the worker loop until finished; false
    // at once when a notification request is refused.
    bool internalInit();
    // On the device thread: ends the notifications and the worker loop.
    bool internalFinish();
    // From any thread: has the worker loop run internalFinish and stop.
    void postFinish();

private:
    struct DeviceMonitorData {
        std::unique_ptr<Platform::HidWatch> firstMatch;
        std::unique_ptr<Platform::HidWatch> terminate;
    };

    DeviceManager();
    ~DeviceManager();
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

    // Device thread.
    bool isNivokDevice(Platform::HidService& service) const;
    void addNewDevice(Platform::HidService& service);
    // Removes the current device if it was opened from the service.
    void removeDevice(Platform::HidService& service);
    void onHIDDeviceAdded(Platform::HidService& service);
    void onHIDDeviceRemoved(Platform::HidService& service);

    // Thread of init().
    void startListeningForVolumes();
    void stopListeningForVolumes();
    void DiskAppeared(const Platform::VolumeDescription& description);
    void DiskMounted(const Platform::VolumeDescription& description);
    void DiskRemoved(const Platform::VolumeDescription& description);
    void reportMounted(const std::string& path);

    static DeviceManager m_instance;

    IdentifierList m_identifiers;
    std::vector<DeviceMonitorData> m_monitors; // device thread
    std::unique_ptr<Platform::ThreadRunLoop> m_runLoop;
    std::unique_ptr<Platform::VolumeSession> m_volumeSession;
    // Receiver disks that appeared unmounted, by device node, with the time
    // by which their mount must come (thread of init()).
    std::map<std::string, std::chrono::steady_clock::time_point> m_mountDeadlines;
    std::unique_ptr<MacDevice> m_currentDevice; // device thread, and the destructor
    std::atomic<DeviceObserverInterface*> m_observer{nullptr};
    std::string m_vendorName;
    std::string m_modelName;
    Platform::HidBackend* m_hidBackend;
    Platform::VolumeBackend* m_volumeBackend;
    EventProcessingThread m_thread; // last: it ends before the rest goes
};

#endif
