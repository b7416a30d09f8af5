#ifndef DEVICEINTERFACE_MACDEVICE_H
#define DEVICEINTERFACE_MACDEVICE_H

#include "Device.h"

#include <memory>
#include <string>

namespace Platform {
class HidDevice;
class HidService;
} // namespace Platform

// The receiver over an opened HID device. Opening it sends the report mode;
// a device that could not be opened is not valid and sends nothing.
class MacDevice : public Device {
public:
    explicit MacDevice(Platform::HidService& service);
    ~MacDevice() override;

    // One output report after a 100 ms pause, with a 100 ms time-out.
    bool writePacket(Packet& packet) override;
    // One input report after a 100 ms pause, with a 100 ms time-out. A reply
    // shorter than 33 bytes fills the packet as far as it came and the rest
    // with 0; a transfer that delivered nothing fails.
    bool readPacket(Packet& packet) override;

    std::string getMassStoragePath() override;
    void goOnline(DeviceObserverInterface* observer) override;
    void goOffline() override;
    void setupMassStoragePath() override;
    void resetMassStoragePath() override;
    void collectPoint(Pelm::Point& point) override;

    void setupMassStoragePath(const char* path);
    bool isValid() const { return m_valid; }
    // The system's name of the HID device it was opened from.
    const std::string& path() const { return m_path; }

private:
    const std::string m_path;
    std::unique_ptr<Platform::HidDevice> m_interface;
    DeviceObserverInterface* m_observer = nullptr; // nothing sets it
    std::string m_massStoragePath;
    bool m_valid = false;
};

#endif
