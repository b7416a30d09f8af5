#include "UdevMonitor.h"

#include "Logger.h"

#include <utility>

namespace Platform {

std::string udevProperty(udev_device* device, const char* name)
{
    const char* value = udev_device_get_property_value(device, name);
    return value ? value : "";
}

UdevMonitor::UdevMonitor(const char* subsystem, RunLoop& loop, EventHandler onEvent)
    : m_subsystem(subsystem), m_onEvent(std::move(onEvent)), m_context(udev_new())
{
    if (m_context)
        m_monitor.reset(udev_monitor_new_from_netlink(m_context.get(), "udev"));
    if (!m_monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(m_monitor.get(), subsystem, nullptr) < 0 ||
        udev_monitor_enable_receiving(m_monitor.get()) < 0) {
        Pelm::Logger::WriteLog("UdevMonitor", "UdevMonitor",
                               ("no udev events for " + m_subsystem).c_str(),
                               Pelm::Logger::WARNING);
        return;
    }
    m_watch = loop.watchReadable(udev_monitor_get_fd(m_monitor.get()), [this] { receive(); });
}

UdevMonitor::~UdevMonitor() = default;

std::vector<UdevPtr<udev_device>> UdevMonitor::present(const char* property,
                                                       const char* value) const
{
    std::vector<UdevPtr<udev_device>> devices;
    const UdevPtr<udev_enumerate> enumeration(m_context ? udev_enumerate_new(m_context.get())
                                                        : nullptr);
    if (!enumeration || udev_enumerate_add_match_subsystem(enumeration.get(), m_subsystem.c_str()) < 0 ||
        (property && udev_enumerate_add_match_property(enumeration.get(), property, value) < 0) ||
        udev_enumerate_scan_devices(enumeration.get()) < 0)
        return devices;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration.get()))
    {
        UdevPtr<udev_device> device(
            udev_device_new_from_syspath(m_context.get(), udev_list_entry_get_name(entry)));
        if (device)
            devices.push_back(std::move(device));
    }
    return devices;
}

void UdevMonitor::receive()
{
    // The socket is non-blocking: take every event that is waiting.
    while (UdevPtr<udev_device> device{udev_monitor_receive_device(m_monitor.get())}) {
        const char* action = udev_device_get_action(device.get());
        m_onEvent(*device, action ? action : "");
    }
}

} // namespace Platform
