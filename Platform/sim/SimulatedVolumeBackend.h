#ifndef PLATFORM_SIM_SIMULATEDVOLUMEBACKEND_H
#define PLATFORM_SIM_SIMULATEDVOLUMEBACKEND_H

// A volume backend whose disks the test makes appear, mount, unmount and
// disappear. The callbacks are posted to the loop that each listener was
// registered with; disks already present are reported to a new listener as
// well. A disk without a device node is given one. Thread-safe.

#include "LoopTarget.h"
#include "VolumeBackend.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace PlatformSim {

class SimulatedVolumeBackend : public Platform::VolumeBackend {
public:
    using VolumeId = int;

    VolumeId appear(Platform::VolumeDescription description);
    // Gives the disk a mount point; reported as a mount.
    void mount(VolumeId volume, std::string path);
    // Takes its mount point away; reported as a disappearance.
    void unmount(VolumeId volume);
    void disappear(VolumeId volume);

    // Listeners not yet destroyed.
    int activeSessionCount() const;

    std::unique_ptr<Platform::VolumeSession> listen(Platform::RunLoop& loop,
                                                    Platform::VolumeCallbacks callbacks) override;

    struct Session {
        Platform::VolumeCallbacks callbacks;
        LoopTarget target;
    };

private:
    struct Volume {
        VolumeId id;
        Platform::VolumeDescription description;
    };

    // Under the mutex.
    std::vector<Volume>::iterator find(VolumeId volume);
    // Under the mutex: posts the description to every listener's callback.
    void reportAll(Platform::VolumeCallback Platform::VolumeCallbacks::*callback,
                   const Platform::VolumeDescription& description);

    mutable std::mutex mutex;
    std::vector<Volume> volumes;
    std::vector<std::shared_ptr<Session>> sessions;
    VolumeId nextId = 1;
};

} // namespace PlatformSim

#endif
