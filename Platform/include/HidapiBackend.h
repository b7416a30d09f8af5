#ifndef PLATFORM_HIDAPIBACKEND_H
#define PLATFORM_HIDAPIBACKEND_H

// HID devices on this machine: found and opened through hidapi's hidraw
// backend, their arrival and removal seen by a udev monitor of the hidraw
// subsystem. A transfer runs on a thread of the device's own, so the caller
// waits no longer than the transfer's time-out even when the kernel holds the
// transfer for its own (much longer) one.

#include "HidBackend.h"

namespace Platform {

class HidapiBackend : public HidBackend {
public:
    HidapiBackend();

    std::unique_ptr<HidWatch> watchFirstMatch(std::int32_t vendor, std::int32_t product,
                                              RunLoop& loop,
                                              HidServiceCallback onMatched) override;
    std::unique_ptr<HidWatch> watchTerminate(std::int32_t vendor, std::int32_t product,
                                             RunLoop& loop,
                                             HidServiceCallback onTerminated) override;
};

} // namespace Platform

#endif
