#ifndef DRAVELLO_TESTS_OBSERVER_MANAGERFORTESTS_H
#define DRAVELLO_TESTS_OBSERVER_MANAGERFORTESTS_H

// The device manager set up for one receiver and started with an observer,
// and put back afterwards: finished, without observer, on this machine's
// backends.

#include "DeviceManager.h"
#include "DeviceObserverInterface.h"
#include "HidBackend.h"
#include "VolumeBackend.h"

#include <string>

namespace managerfortests {

// Receivers with the ids, volumes of a disk by vendorName and "Receiver".
inline void start(Platform::HidBackend& hid, Platform::VolumeBackend& volumes,
                  DeviceManager::Identifier ids, const std::string& vendorName,
                  DeviceObserverInterface& observer)
{
    DeviceManager* manager = DeviceManager::instance();
    manager->setBackends(hid, volumes);
    manager->setIdentifierList({ids});
    manager->setVendorName(vendorName);
    manager->setModelName("Receiver");
    manager->registerObserver(&observer);
    manager->init();
}

inline void stop()
{
    DeviceManager* manager = DeviceManager::instance();
    manager->finish();
    manager->registerObserver(nullptr);
    manager->setBackends(Platform::defaultHidBackend(), Platform::defaultVolumeBackend());
}

} // namespace managerfortests

#endif
