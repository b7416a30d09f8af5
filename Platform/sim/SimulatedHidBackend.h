#ifndef PLATFORM_SIM_SIMULATEDHIDBACKEND_H
#define PLATFORM_SIM_SIMULATEDHIDBACKEND_H

// A HID backend whose devices the test plugs in and pulls out. Notifications
// are posted to the loops that registered the watches, as on the real
// system; devices already present are delivered at once. Thread-safe.

#include "HidBackend.h"
#include "LoopTarget.h"
#include "SimulatedReceiver.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace PlatformSim {

class SimulatedHidBackend : public Platform::HidBackend {
public:
    using DeviceId = int;

    struct PlugOptions {
        bool hasProperties = true; // "VendorID" and "ProductID" can be read
        bool opens = true;         // open() succeeds
    };

    // Plugs the receiver in as a HID device with the ids.
    DeviceId plug(std::shared_ptr<SimulatedReceiver> receiver, std::int32_t vendor,
                  std::int32_t product, PlugOptions options);
    DeviceId plug(std::shared_ptr<SimulatedReceiver> receiver, std::int32_t vendor,
                  std::int32_t product);
    // Pulls the device out: its link is cut at once, the removal is posted.
    void unplug(DeviceId device);

    // The plugged-in device as a notification would name it; null when it
    // is not plugged in.
    std::unique_ptr<Platform::HidService> service(DeviceId device) const;

    // Watch requests for these ids are refused from now on.
    void refuseWatches(std::int32_t vendor, std::int32_t product);

    // Watches not yet destroyed.
    int activeWatchCount() const;

    std::unique_ptr<Platform::HidWatch>
    watchFirstMatch(std::int32_t vendor, std::int32_t product, Platform::RunLoop& loop,
                    Platform::HidServiceCallback onMatched) override;
    std::unique_ptr<Platform::HidWatch>
    watchTerminate(std::int32_t vendor, std::int32_t product, Platform::RunLoop& loop,
                   Platform::HidServiceCallback onTerminated) override;

    struct Device {
        DeviceId id;
        std::int32_t vendor;
        std::int32_t product;
        PlugOptions options;
        std::shared_ptr<SimulatedReceiver> receiver;
        std::shared_ptr<SimulatedLink> link;
    };

    struct Watch {
        enum class Kind { FirstMatch, Terminate };
        Kind kind;
        std::int32_t vendor;
        std::int32_t product;
        Platform::HidServiceCallback callback;
        LoopTarget target;
    };

private:
    std::unique_ptr<Platform::HidWatch> addWatch(Watch::Kind kind, std::int32_t vendor,
                                                 std::int32_t product, Platform::RunLoop& loop,
                                                 Platform::HidServiceCallback callback);
    // Under the mutex.
    std::vector<Device>::const_iterator findDevice(DeviceId device) const;
    // Posts the device to every active watch of the kind that matches it.
    void notify(Watch::Kind kind, const Device& device);

    mutable std::mutex mutex;
    std::vector<Device> devices;
    std::vector<std::shared_ptr<Watch>> watches;
    std::vector<std::pair<std::int32_t, std::int32_t>> refused;
    DeviceId nextId = 1;
};

} // namespace PlatformSim

#endif
