#ifndef PLATFORM_HIDBACKEND_H
#define PLATFORM_HIDBACKEND_H

// USB HID devices: notifications when a device with given vendor and product
// ids appears or goes, and synchronous report transfers on an opened device.

#include "RunLoop.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace Platform {

enum class HidReportType { Input, Output, Feature };

// An opened HID device; destroying it closes the device.
class HidDevice {
public:
    virtual ~HidDevice() = default;

    // Sends length bytes of data as one report; true when the device took it
    // within the time-out.
    virtual bool setReport(HidReportType type, std::uint8_t reportId, const std::uint8_t* data,
                           std::size_t length, std::chrono::milliseconds timeout) = 0;

    // Reads one report into buffer, whose capacity length gives; on success
    // length holds the number of bytes delivered (never above the capacity).
    virtual bool getReport(HidReportType type, std::uint8_t reportId, std::uint8_t* buffer,
                           std::size_t& length, std::chrono::milliseconds timeout) = 0;
};

// A HID device as a notification names it; valid during the callback only.
class HidService {
public:
    virtual ~HidService() = default;

    // The system's name of the device (its device node), the same in the
    // notification of its removal as in that of its arrival.
    virtual std::string path() const = 0;

    // The device's "VendorID" and "ProductID" properties; false when they
    // can't be read or one is missing.
    virtual bool getVendorAndProduct(std::int32_t& vendor, std::int32_t& product) const = 0;

    // Opens the device for transfers; null when it can't be opened.
    virtual std::unique_ptr<HidDevice> open() = 0;
};

using HidServiceCallback = std::function<void(HidService&)>;

// A registered notification; destroying it ends the notification.
class HidWatch {
public:
    virtual ~HidWatch() = default;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Calls onMatched for every device with the ids: at once, on the calling
    // thread, for the devices already present, and later on loop for each
    // device that appears. Null when the request is refused.
    virtual std::unique_ptr<HidWatch> watchFirstMatch(std::int32_t vendor, std::int32_t product,
                                                      RunLoop& loop,
                                                      HidServiceCallback onMatched) = 0;

    // Calls onTerminated on loop for every device with the ids that goes
    // away. Null when the request is refused.
    virtual std::unique_ptr<HidWatch> watchTerminate(std::int32_t vendor, std::int32_t product,
                                                     RunLoop& loop,
                                                     HidServiceCallback onTerminated) = 0;
};

// The backend of this machine: hidraw devices through hidapi, their arrival
// and removal through udev.
HidBackend& defaultHidBackend();

} // namespace Platform

#endif
