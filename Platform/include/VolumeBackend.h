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
    // Names the disk in every report of it, such as "/dev/sdb1".
    std::optional<std::string> deviceNode = std::nullopt;
};

using VolumeCallback = std::function<void(const VolumeDescription&)>;

struct VolumeCallbacks {
    VolumeCallback appeared;    // a disk appeared, with its mount point if it has one
    VolumeCallback mounted;     // a disk reported before got a mount point
    VolumeCallback disappeared; // a disk went away, or its volume was unmounted
};

// A registered listener; destroying it ends the callbacks.
class VolumeSession {
public:
    virtual ~VolumeSession() = default;
};

class VolumeBackend {
public:
    virtual ~VolumeBackend() = default;

    // Reports every disk that appears, the disks already present included,
    // every mount of one, and every disk that goes or is unmounted; all on
    // loop, after listen has returned.
    virtual std::unique_ptr<VolumeSession> listen(RunLoop& loop, VolumeCallbacks callbacks) = 0;
};

// The backend of this machine: file-system block devices through udev, their
// mount points through libmount.
VolumeBackend& defaultVolumeBackend();

} // namespace Platform

#endif
