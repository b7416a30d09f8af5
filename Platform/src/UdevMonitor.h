#ifndef PLATFORM_UDEVMONITOR_H
#define PLATFORM_UDEVMONITOR_H

// libudev handles that release themselves, and a monitor of one subsystem
// whose events are delivered on a run loop.

#include "RunLoop.h"

#include <libudev.h>

#include <functional>
#include <memory>
#include <string>

namespace Platform {

struct UdevRelease {
    void operator()(udev* context) const { udev_unref(context); }
    void operator()(udev_monitor* monitor) const { udev_monitor_unref(monitor); }
    void operator()(udev_device* device) const { udev_device_unref(device); }
    void operator()(udev_enumerate* enumeration) const { udev_enumerate_unref(enumeration); }
};

template <class Handle> using UdevPtr = std::unique_ptr<Handle, UdevRelease>;

// The property's value, empty when the device has none.
std::string udevProperty(udev_device* device, const char* name);

class UdevMonitor {
public:
    using EventHandler = std::function<void(udev_device& device, const std::string& action)>;

    // Listens for the subsystem's events from now on and hands each to
    // onEvent on loop. Make and destroy it on the loop's thread.
    UdevMonitor(const char* subsystem, RunLoop& loop, EventHandler onEvent);
    ~UdevMonitor();
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    // False when the monitor could not be set up (no events will come).
    bool isListening() const { return m_watch != nullptr; }

    // The devices of the subsystem present now whose property has the value.
    std::vector<UdevPtr<udev_device>> present(const char* property, const char* value) const;

private:
    void receive();

    const std::string m_subsystem;
    EventHandler m_onEvent;
    UdevPtr<udev> m_context;
    UdevPtr<udev_monitor> m_monitor;
    std::unique_ptr<FdWatch> m_watch;
};

} // namespace Platform

#endif
