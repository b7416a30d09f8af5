#ifndef PLATFORM_SIM_SIMULATEDVOLUMEBACKEND_H
#define PLATFORM_SIM_SIMULATEDVOLUMEBACKEND_H

// A volume backend whose disks the test makes appear and disappear. The
// callbacks are posted to the loop that each listener was registered with;
// disks already present are reported to a new listener as well. Thread-safe.

#include "LoopTarget.h"
#include "VolumeBackend.h"

#include <memory>
#include <mutex>
#include <vector>

namespace PlatformSim {

class SimulatedVolumeBackend : public Platform::VolumeBackend {
public:
    using VolumeId = int;

    VolumeId appear(Platform::VolumeDescription description);
    void disappear(VolumeId volume);

    // Listeners not yet destroyed.
    int activeSessionCount() const;

    std::unique_ptr<Platform::VolumeSession> listen(Platform::RunLoop& loop,
                                                    Platform::VolumeCallback appeared,
                                                    Platform::VolumeCallback disappeared) override;

    struct Session {
        Platform::VolumeCallback appeared;
        Platform::VolumeCallback disappeared;
        LoopTarget target;
    };

private:
    struct Volume {
        VolumeId id;
        Platform::VolumeDescription description;
    };

    mutable std::mutex mutex;
    std::vector<Volume> volumes;
    std::vector<std::shared_ptr<Session>> sessions;
    VolumeId nextId = 1;
};

} // namespace PlatformSim

#endif
