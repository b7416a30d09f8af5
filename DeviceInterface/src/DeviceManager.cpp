#include "DeviceManager.h"

#include "DeviceObserverInterface.h"
#include "DiskIdentity.h"
#include "HidBackend.h"
#include "Logger.h"
#include "MacDevice.h"
#include "RunLoop.h"
#include "VolumeBackend.h"

#include <algorithm>

namespace {

// How long a volume that appeared without a mount point has to be mounted.
constexpr std::chrono::seconds MountWait{3};

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

void DeviceManager::removeDevice(Platform::HidService& service)
{
    // Another matching device may go while the current one stays.
    if (!m_currentDevice || m_currentDevice->path() != service.path())
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
        removeDevice(service);
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
        *loop, {[this](const Platform::VolumeDescription& disk) { DiskAppeared(disk); },
                [this](const Platform::VolumeDescription& disk) { DiskMounted(disk); },
                [this](const Platform::VolumeDescription& disk) { DiskRemoved(disk); }});
}

void DeviceManager::stopListeningForVolumes()
{
    m_volumeSession.reset();
    m_mountDeadlines.clear();
}

void DeviceManager::DiskAppeared(const Platform::VolumeDescription& description)
{
    if (!isNivokDisk(description, m_vendorName, m_modelName))
        return;
    if (description.volumePath)
        reportMounted(*description.volumePath);
    else if (description.deviceNode)
        m_mountDeadlines[*description.deviceNode] = std::chrono::steady_clock::now() + MountWait;
}

void DeviceManager::DiskMounted(const Platform::VolumeDescription& description)
{
    if (!description.deviceNode || !description.volumePath ||
        !isNivokDisk(description, m_vendorName, m_modelName))
        return;
    const auto waiting = m_mountDeadlines.find(*description.deviceNode);
    if (waiting == m_mountDeadlines.end())
        return;
    const bool inTime = std::chrono::steady_clock::now() <= waiting->second;
    m_mountDeadlines.erase(waiting);
    if (inTime)
        reportMounted(*description.volumePath);
    else
        Pelm::Logger::WriteLog("DeviceManager", "DiskMounted",
                               "the receiver's volume was mounted more than 3 s after it "
                               "appeared and is not shown",
                               Pelm::Logger::WARNING);
}

void DeviceManager::DiskRemoved(const Platform::VolumeDescription& description)
{
    if (description.deviceNode)
        m_mountDeadlines.erase(*description.deviceNode);
    DeviceObserverInterface* observer = m_observer;
    if (observer && isNivokDisk(description, m_vendorName, m_modelName))
        observer->handleDiscUnmounted();
}

void DeviceManager::reportMounted(const std::string& path)
{
    DeviceObserverInterface* observer = m_observer;
    if (observer && isUsableVolumePath(path))
        observer->handleDiscMounted(path.c_str());
}
