#ifndef DEVICEINTERFACE_DEVICE_H
#define DEVICEINTERFACE_DEVICE_H

#include "ProtocolHandler.h"

#include <string>

class DeviceObserverInterface;
class Packet;

namespace Pelm {
class Point;
}

// A receiver the program can send commands to.
class Device {
public:
    Device() = default;
    virtual ~Device() = default;
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // One 33-byte report out to the receiver.
    virtual bool writePacket(Packet& packet) = 0;
    // One 33-byte report in from the receiver.
    virtual bool readPacket(Packet& packet) = 0;
    virtual std::string getMassStoragePath() = 0;
    virtual void goOnline(DeviceObserverInterface* observer) = 0;
    virtual void goOffline() = 0;
    virtual void setupMassStoragePath() = 0;
    virtual void resetMassStoragePath() = 0;
    virtual void collectPoint(Pelm::Point& point) = 0;

    // Sends the device's report mode.
    virtual bool setReportMode();

protected:
    OSInputCaps m_reportMode = OSInputCapsDefault;
};

#endif
