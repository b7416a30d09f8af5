#ifndef PLATFORM_UDEVVOLUMEBACKEND_H
#define PLATFORM_UDEVVOLUMEBACKEND_H

// Volumes on this machine: the block devices that udev finds a file system
// on, described by their udev properties (vendor and model as the device
// gives them, blanks included), and their mount points from a mount table
// that is read again whenever libmount's monitor sees it change.

#include "VolumeBackend.h"

#include <string>

namespace Platform {

class UdevVolumeBackend : public VolumeBackend {
public:
    static constexpr const char* KernelMountTable = "/proc/self/mountinfo";

    // A mount table other than the kernel's is watched through libmount's
    // userspace monitor: a change is announced by opening and closing the
    // file of the table's name plus ".lock", as libmount does for its own.
    explicit UdevVolumeBackend(std::string mountTable = KernelMountTable);

    std::unique_ptr<VolumeSession> listen(RunLoop& loop, VolumeCallbacks callbacks) override;

private:
    const std::string m_mountTable;
};

} // namespace Platform

#endif
