#ifndef PLATFORM_UDEVMONITOR_H
#define PLATFORM_UDEVMONITOR_H

// The devices of one subsystem as udev reports them, those present and those
// coming and going, delivered on a run loop as plain data: every libudev call
// is made here, under the process's udev lock, and none while a handler runs.

#include "RunLoop.h"

#include <sys/types.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct udev;
struct udev_monitor;

namespace Platform {

struct UdevDevice {
    std::string syspath;
    std::string devpath;
    std::string devnode; // empty when it has none
    dev_t number = 0;    // 0 when it has none
    std::map<std::string, std::string> properties;

    // The property's value, or null when the device has none.
    const std::string* property(const std::string& name) const;
};

class UdevMonitor {
public:
    using EventHandler = std::function<void(const UdevDevice& device, const std::string& action)>;

    // Listens for the subsystem's events from now on and hands each to
    // onEvent on loop. Make and destroy it on the loop's thread.
    UdevMonitor(const char* subsystem, RunLoop& loop, EventHandler onEvent);
    ~UdevMonitor();
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    // The devices of the subsystem present now whose property has the value.
    std::vector<UdevDevice> present(const char* property, const char* value) const;

private:
    void receive();

    const std::string m_subsystem;
    const EventHandler m_onEvent;
    udev* m_context = nullptr;
    udev_monitor* m_monitor = nullptr;
    std::unique_ptr<FdWatch> m_watch;
};

} // namespace Platform

#endif
