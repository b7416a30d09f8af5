#include "DeviceManager.h"

#include "DeviceObserverInterface.h"
#include "DiskIdentity.h"
#include "FixedPaths.h"
#include "HidBackend.h"
#include "Logger.h"
#include "MacDevice.h"
#include "Pause.h"
#include "RunLoop.h"
#include "VolumeBackend.h"

#include <algorithm>
#include <chrono>
#include <dirent.h>

namespace {

// How long a volume that appeared without a mount point gets to mount.
constexpr std::chrono::seconds MountWait{3};

const char* const SketchFolder = "/My Sketches";

bool canOpenFolder(const std::string& path)
{
    DIR* folder = opendir(path.c_str());
    if (!folder)
        return false;
    closedir(folder);
    return true;
}

} // namespace

DeviceManager DeviceManager::m_instance;

DeviceManager::DeviceManager()
    : m_hidBackend(&Platform::defaultHidBackend()),
      m_volumeBackend(&Platform::defaultVolumeBackend()), m_thread(*this)
{
}

DeviceManager::~DeviceManager() { finish(); }

DeviceManager* DeviceManager::instance() { return &m_instance; }

void DeviceManager::setIdentifierList(IdentifierList identifiers)
{
    m_identifiers = std::move(identifiers);
}

void DeviceManager::setVendorName(std::string name) { m_vendorName = std::move(name); }

void DeviceManager::setModelName(std::string name) { m_modelName = std::move(name); }

void DeviceManager::setBackends(Platform::HidBackend& hid, Platform::VolumeBackend& volumes)
{
    m_hidBackend = &hid;
    m_volumeBackend = &volumes;
}

DeviceObserverInterface* DeviceManager::registerObserver(DeviceObserverInterface* observer)
{
    m_observer = observer;
    return observer;
}

bool DeviceManager::init()
{
    if (m_runLoop) // started and not yet finished
        return true;
    startListeningForVolumes();
    m_runLoop = std::make_unique<Platform::ThreadRunLoop>();
    if (!m_thread.Start())
        m_runLoop.reset();
    return true;
}

bool DeviceManager::finish()
{
    m_thread.Stop();
    m_runLoop.reset();
    stopListeningForVolumes();
    return true;
}

bool DeviceManager::internalInit()
{
    for (const Identifier& identifier : m_identifiers) {
        // Removals are watched first, so that a receiver pulled out while the
        // present ones are being opened is not missed.
        DeviceMonitorData monitor;
        monitor.terminate = m_hidBackend->watchTerminate(
            identifier.first, identifier.second, *m_runLoop,
            [this](Platform::HidService& service) { onHIDDeviceRemoved(service); });
        if (!monitor.terminate)
            return false;
        monitor.firstMatch = m_hidBackend->watchFirstMatch(
            identifier.first, identifier.second, *m_runLoop,
            [this](Platform::HidService& service) { onHIDDeviceAdded(service); });
        if (!monitor.firstMatch)
            return false;
        m_monitors.push_back(std::move(monitor));
    }
    m_runLoop->run();
    return true;
}

bool DeviceManager::internalFinish()
{
    m_monitors.clear();
    m_runLoop->stop();
    return true;
}

void DeviceManager::postFinish()
{
    m_runLoop->post([this] { internalFinish(); });
}

bool DeviceManager::isNivokDevice(Platform::HidService& service) const
{
    std::int32_t vendor = 0;
    std::int32_t product = 0;
    if (!service.getVendorAndProduct(vendor, product))
        return false;
    return std::find(m_identifiers.begin(), m_identifiers.end(), Identifier(vendor, product)) !=
           m_identifiers.end();
}

void DeviceManager::addNewDevice(Platform::HidService& service)
{
    auto device = std::make_unique<MacDevice>(service);
    if (!device->isValid())
        return;
    // The observer lets go of the previous device before it is destroyed.
    const std::unique_ptr<MacDevice> previous = std::move(m_currentDevice);
    m_currentDevice = std::move(device);
    if (DeviceObserverInterface* observer = m_observer)
        observer->handleDeviceInserted(m_currentDevice.get());
}

void DeviceManager::removeDevice()
{
    if (!m_currentDevice)
        return;
    if (DeviceObserverInterface* observer = m_observer)
        observer->handleDeviceRemoved(m_currentDevice.get());
    m_currentDevice.reset();
}

void DeviceManager::onHIDDeviceAdded(Platform::HidService& service)
{
    if (isNivokDevice(service))
        addNewDevice(service);
}

void DeviceManager::onHIDDeviceRemoved(Platform::HidService& service)
{
    if (isNivokDevice(service))
        removeDevice();
}

void DeviceManager::startListeningForVolumes()
{
    Platform::RunLoop* loop = Platform::RunLoop::current();
    if (!loop) {
        Pelm::Logger::WriteLog("DeviceManager", "startListeningForVolumes",
                               "no run loop on this thread: volumes are not watched",
                               Pelm::Logger::WARNING);
        return;
    }
    m_volumeSession = m_volumeBackend->listen(
        *loop, [this](const Platform::VolumeDescription& disk) { DiskAppeared(disk); },
        [this](const Platform::VolumeDescription& disk) { DiskRemoved(disk); });
}

void DeviceManager::stopListeningForVolumes() { m_volumeSession.reset(); }

void DeviceManager::DiskAppeared(const Platform::VolumeDescription& description)
{
    if (!isNivokDisk(description, m_vendorName, m_modelName))
        return;
    if (description.volumePath) {
        DeviceObserverInterface* observer = m_observer;
        if (observer && isUsableVolumePath(*description.volumePath))
            observer->handleDiscMounted(description.volumePath->c_str());
        return;
    }
    Platform::pause(MountWait);
    if (!description.volumeName || !isUsableVolumeName(*description.volumeName))
        return;
    const std::string volume = Platform::volumesFolder() + *description.volumeName;
    if (!canOpenFolder(volume + SketchFolder))
        return;
    if (DeviceObserverInterface* observer = m_observer)
        observer->handleDiscMounted(volume.c_str());
}

void DeviceManager::DiskRemoved(const Platform::VolumeDescription& description)
{
    DeviceObserverInterface* observer = m_observer;
    if (observer && isNivokDisk(description, m_vendorName, m_modelName))
        observer->handleDiscUnmounted();
}
