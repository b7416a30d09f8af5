#include "UdevVolumeBackend.h"

#include "Logger.h"
#include "MountTable.h"
#include "UdevMonitor.h"
#include "UdevNames.h"

#include <libmount/libmount.h>

#include <map>
#include <utility>

namespace Platform {

namespace {

// The decoded value of the encoded property, else the plain one, else none.
std::optional<std::string> textProperty(const UdevDevice& device, const char* encoded,
                                        const char* plain)
{
    if (const std::string* value = device.property(encoded))
        return decodeUdevText(*value);
    if (const std::string* value = device.property(plain))
        return *value;
    return std::nullopt;
}

// udev's usb_id writes the encoded vendor and model as the device's SCSI
// INQUIRY answer holds them: fields of 8 and 16 characters, blank-padded.
// The names the device reports end before the padding.
std::optional<std::string> inquiryName(const UdevDevice& device, const char* encoded,
                                       const char* plain)
{
    std::optional<std::string> name = textProperty(device, encoded, plain);
    if (name)
        name->erase(name->find_last_not_of(' ') + 1);
    return name;
}

bool holdsFileSystem(const UdevDevice& device)
{
    const std::string* usage = device.property("ID_FS_USAGE");
    return usage && *usage == "filesystem";
}

VolumeDescription describe(const UdevDevice& device)
{
    VolumeDescription description;
    description.deviceVendor = inquiryName(device, "ID_VENDOR_ENC", "ID_VENDOR");
    description.deviceModel = inquiryName(device, "ID_MODEL_ENC", "ID_MODEL");
    description.volumeName = textProperty(device, "ID_FS_LABEL_ENC", "ID_FS_LABEL");
    if (!device.devnode.empty())
        description.deviceNode = device.devnode;
    return description;
}

// Changes of a mount table, delivered on a run loop.
class MountMonitor {
public:
    MountMonitor(const std::string& table, RunLoop& loop, Task onChange)
        : m_onChange(std::move(onChange)), m_monitor(mnt_new_monitor())
    {
        const bool kernel = table == UdevVolumeBackend::KernelMountTable;
        const int enabled = !m_monitor ? -1
                            : kernel   ? mnt_monitor_enable_kernel(m_monitor, 1)
                                       : mnt_monitor_enable_userspace(m_monitor, 1, table.c_str());
        const int fd = enabled == 0 ? mnt_monitor_get_fd(m_monitor) : -1;
        if (fd < 0) {
            Pelm::Logger::WriteLog("UdevVolumeBackend", "MountMonitor",
                                   ("mounts are not watched in " + table).c_str(),
                                   Pelm::Logger::WARNING);
            return;
        }
        m_watch = loop.watchReadable(fd, [this] {
            mnt_monitor_event_cleanup(m_monitor);
            m_onChange();
        });
    }
    ~MountMonitor()
    {
        m_watch.reset();
        mnt_unref_monitor(m_monitor);
    }
    MountMonitor(const MountMonitor&) = delete;
    MountMonitor& operator=(const MountMonitor&) = delete;

private:
    const Task m_onChange;
    libmnt_monitor* const m_monitor;
    std::unique_ptr<FdWatch> m_watch;
};

// The volumes one listener hears of; lives on the listener's loop.
class Volumes {
public:
    Volumes(std::string mountTable, RunLoop& loop, VolumeCallbacks callbacks)
        : m_mountTable(std::move(mountTable)), m_callbacks(std::move(callbacks)),
          m_mounts(m_mountTable, loop, [this] { onMountsChanged(); }),
          m_devices("block", loop, [this](const UdevDevice& device, const std::string& action) {
              onDeviceEvent(device, action);
          })
    {
    }

    void reportPresent()
    {
        m_table = MountTable::read(m_mountTable);
        for (const UdevDevice& device : m_devices.present("ID_FS_USAGE", "filesystem"))
            add(device);
    }

private:
    struct Disk {
        VolumeDescription description; // with the mount point last reported
        dev_t number;
        bool goneReported; // an unmount was reported since the last mount
    };

    void onDeviceEvent(const UdevDevice& device, const std::string& action)
    {
        // A change can take the file system away (the medium was removed).
        if (action == "remove" || (action == "change" && !holdsFileSystem(device)))
            remove(device.syspath);
        else if ((action == "add" || action == "change") && holdsFileSystem(device))
            add(device);
    }

    void onMountsChanged()
    {
        m_table = MountTable::read(m_mountTable);
        for (auto& [syspath, disk] : m_disks)
            followMount(disk);
    }

    void add(const UdevDevice& device)
    {
        if (device.syspath.empty() || m_disks.count(device.syspath))
            return;
        Disk disk{describe(device), device.number, false};
        disk.description.volumePath = m_table.followMountPoint(disk.number, std::nullopt);
        const VolumeDescription appeared =
            m_disks.emplace(device.syspath, disk).first->second.description;
        m_callbacks.appeared(appeared);
    }

    void remove(const std::string& syspath)
    {
        const auto found = m_disks.find(syspath);
        if (found == m_disks.end())
            return;
        const Disk gone = found->second;
        m_disks.erase(found);
        if (!gone.goneReported)
            m_callbacks.disappeared(gone.description);
    }

    void followMount(Disk& disk)
    {
        std::optional<std::string>& reported = disk.description.volumePath;
        const std::optional<std::string> now = m_table.followMountPoint(disk.number, reported);
        if (now == reported)
            return;
        if (reported) {
            disk.goneReported = true;
            m_callbacks.disappeared(disk.description);
        }
        reported = now;
        if (now) {
            disk.goneReported = false;
            m_callbacks.mounted(disk.description);
        }
    }

    const std::string m_mountTable;
    const VolumeCallbacks m_callbacks;
    MountTable m_table;
    std::map<std::string, Disk> m_disks; // by sys path
    MountMonitor m_mounts;
    UdevMonitor m_devices;
};

class UdevVolumeSession : public VolumeSession {
public:
    UdevVolumeSession(const std::string& mountTable, RunLoop& loop, VolumeCallbacks callbacks)
        : m_volumes(std::make_shared<Volumes>(mountTable, loop, std::move(callbacks)))
    {
        loop.post([volumes = std::weak_ptr<Volumes>(m_volumes)] {
            if (const auto alive = volumes.lock())
                alive->reportPresent();
        });
    }

private:
    std::shared_ptr<Volumes> m_volumes;
};

} // namespace

UdevVolumeBackend::UdevVolumeBackend(std::string mountTable) : m_mountTable(std::move(mountTable))
{
}

std::unique_ptr<VolumeSession> UdevVolumeBackend::listen(RunLoop& loop, VolumeCallbacks callbacks)
{
    return std::make_unique<UdevVolumeSession>(m_mountTable, loop, std::move(callbacks));
}

} // namespace Platform
