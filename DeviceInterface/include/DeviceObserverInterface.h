#ifndef DEVICEINTERFACE_DEVICEOBSERVERINTERFACE_H
#define DEVICEINTERFACE_DEVICEOBSERVERINTERFACE_H

#include "Point.h"

class Device;

// What DeviceManager tells its client. The device calls come on the device
// thread, the disc calls on the thread that started DeviceManager.
class DeviceObserverInterface {
public:
    virtual ~DeviceObserverInterface() = default;

    // A receiver was opened; it stays valid until handleDeviceRemoved
    // returns or another device is inserted.
    virtual void handleDeviceInserted(Device* device) = 0;
    // The receiver goes; it is destroyed once this returns.
    virtual void handleDeviceRemoved(Device* device) = 0;
    virtual void handleDeviceInputReady(Pelm::Point point) = 0;
    // The receiver's volume is mounted at path (UTF-8).
    virtual void handleDiscMounted(const char* path) = 0;
    virtual void handleDiscUnmounted() = 0;
};

#endif
