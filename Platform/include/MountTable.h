#ifndef PLATFORM_MOUNTTABLE_H
#define PLATFORM_MOUNTTABLE_H

// Which device is mounted where, as a mountinfo file (the kernel's is
// /proc/self/mountinfo) lists it, read through libmount.

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace Platform {

class MountTable {
public:
    // The table in the file; empty when it can't be read. Lines libmount
    // can't parse are left out.
    static MountTable read(const std::string& path);

    // Where the device (by its number) is mounted, in table order.
    std::vector<std::string> mountPointsOf(dev_t device) const;

    // The mount point to report for the device: current while the device is
    // still mounted there, otherwise its first one, or none.
    std::optional<std::string> followMountPoint(dev_t device,
                                                const std::optional<std::string>& current) const;

private:
    struct Mount {
        dev_t device;
        std::string target;
    };
    std::vector<Mount> m_mounts;
};

} // namespace Platform

#endif
