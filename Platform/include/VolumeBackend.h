#ifndef PLATFORM_VOLUMEBACKEND_H
#define PLATFORM_VOLUMEBACKEND_H

// Disk volumes coming and going, with the description of each disk.

#include "RunLoop.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Platform {

// What the system knows of a disk; a value it doesn't know is absent.
// Texts are UTF-8.
struct VolumeDescription {
    std::optional<std::string> deviceVendor;
    std::optional<std::string> deviceModel;
    std::optional<std::string> volumePath; // where it is mounted; absent before the mount
    std::optional<std::string> volumeName;
};

using VolumeCallback = std::function<void(const VolumeDescription&)>;

// A registered listener; destroying it ends the callbacks.
class VolumeSession {
public:
    virtual ~VolumeSession() = default;
};

class VolumeBackend {
public:
    virtual ~VolumeBackend() = default;

    // Calls appeared for every disk that appears, the disks already present
    // included, and disappeared for every disk that goes; both on loop.
    virtual std::unique_ptr<VolumeSession> listen(RunLoop& loop, VolumeCallback appeared,
                                                  VolumeCallback disappeared) = 0;
};

// The backend of this machine: it reports no disks.
VolumeBackend& defaultVolumeBackend();

} // namespace Platform

#endif
