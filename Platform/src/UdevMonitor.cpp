#include "UdevMonitor.h"

#include "Logger.h"
#include "UdevLock.h"

#include <libudev.h>

#include <utility>

namespace Platform {

namespace {

struct DeviceRelease {
    void operator()(udev_device* device) const { udev_device_unref(device); }
};
using DevicePtr = std::unique_ptr<udev_device, DeviceRelease>;

std::string text(const char* value) { return value ? value : ""; }

// Under the udev lock.
UdevDevice copyOf(udev_device* device)
{
    UdevDevice copy;
    copy.syspath = text(udev_device_get_syspath(device));
    copy.devpath = text(udev_device_get_devpath(device));
    copy.devnode = text(udev_device_get_devnode(device));
    copy.number = udev_device_get_devnum(device);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(device))
    {
        copy.properties[text(udev_list_entry_get_name(entry))] =
            text(udev_list_entry_get_value(entry));
    }
    return copy;
}

} // namespace

std::mutex& udevLock()
{
    static std::mutex lock;
    return lock;
}

const std::string* UdevDevice::property(const std::string& name) const
{
    const auto found = properties.find(name);
    return found == properties.end() ? nullptr : &found->second;
}

UdevMonitor::UdevMonitor(const char* subsystem, RunLoop& loop, EventHandler onEvent)
    : m_subsystem(subsystem), m_onEvent(std::move(onEvent))
{
    int fd = -1;
    {
        std::lock_guard<std::mutex> lock(udevLock());
        m_context = udev_new();
        if (m_context)
            m_monitor = udev_monitor_new_from_netlink(m_context, "udev");
        if (m_monitor &&
            udev_monitor_filter_add_match_subsystem_devtype(m_monitor, subsystem, nullptr) >= 0 &&
            udev_monitor_enable_receiving(m_monitor) >= 0)
            fd = udev_monitor_get_fd(m_monitor);
    }
    if (fd < 0) {
        Pelm::Logger::WriteLog("UdevMonitor", "UdevMonitor",
                               ("no udev events for " + m_subsystem).c_str(),
                               Pelm::Logger::WARNING);
        return;
    }
    m_watch = loop.watchReadable(fd, [this] { receive(); });
}

UdevMonitor::~UdevMonitor()
{
    m_watch.reset();
    std::lock_guard<std::mutex> lock(udevLock());
    udev_monitor_unref(m_monitor);
    udev_unref(m_context);
}

std::vector<UdevDevice> UdevMonitor::present(const char* property, const char* value) const
{
    std::vector<UdevDevice> devices;
    std::lock_guard<std::mutex> lock(udevLock());
    udev_enumerate* const enumeration = m_context ? udev_enumerate_new(m_context) : nullptr;
    if (enumeration && udev_enumerate_add_match_subsystem(enumeration, m_subsystem.c_str()) >= 0 &&
        (!property || udev_enumerate_add_match_property(enumeration, property, value) >= 0) &&
        udev_enumerate_scan_devices(enumeration) >= 0) {
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
        {
            const DevicePtr device(
                udev_device_new_from_syspath(m_context, udev_list_entry_get_name(entry)));
            if (device)
                devices.push_back(copyOf(device.get()));
        }
    }
    udev_enumerate_unref(enumeration);
    return devices;
}

void UdevMonitor::receive()
{
    std::vector<std::pair<std::string, UdevDevice>> events;
    {
        // The socket is non-blocking: take every event that is waiting.
        std::lock_guard<std::mutex> lock(udevLock());
        while (const DevicePtr device{udev_monitor_receive_device(m_monitor)})
            events.emplace_back(text(udev_device_get_action(device.get())), copyOf(device.get()));
    }
    for (const auto& [action, device] : events)
        m_onEvent(device, action);
}

} // namespace Platform
