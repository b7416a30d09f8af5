#include "MacDevice.h"

#include "DeviceObserverInterface.h"
#include "HidBackend.h"
#include "Packet.h"
#include "Pause.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr std::chrono::milliseconds TransferPause{100};
constexpr std::chrono::milliseconds TransferTimeout{100};

} // namespace

MacDevice::MacDevice(Platform::HidService& service)
    : m_path(service.path()), m_interface(service.open())
{
    m_valid = m_interface != nullptr;
    if (m_valid)
        setReportMode();
}

MacDevice::~MacDevice() = default;

bool MacDevice::writePacket(Packet& packet)
{
    if (!m_valid)
        return false;
    Platform::pause(TransferPause);
    return m_interface->setReport(Platform::HidReportType::Output, Packet::ReportId, packet.data(),
                                  Packet::Size, TransferTimeout);
}

bool MacDevice::readPacket(Packet& packet)
{
    if (!m_valid)
        return false;
    Platform::pause(TransferPause);
    std::size_t length = Packet::Size;
    if (!m_interface->getReport(Platform::HidReportType::Input, Packet::ReportId, packet.data(),
                                length, TransferTimeout) ||
        length == 0)
        return false;
    // A short reply is taken as far as it came; the rest reads as 0.
    std::fill(packet.data() + length, packet.data() + Packet::Size, 0);
    return true;
}

std::string MacDevice::getMassStoragePath()
{
    if (m_massStoragePath.empty())
        setupMassStoragePath();
    return m_massStoragePath;
}

void MacDevice::goOnline(DeviceObserverInterface*) {}

void MacDevice::goOffline() {}

void MacDevice::setupMassStoragePath() {}

void MacDevice::resetMassStoragePath() { m_massStoragePath.clear(); }

void MacDevice::collectPoint(Pelm::Point& point)
{
    if (m_observer)
        m_observer->handleDeviceInputReady(point);
}

void MacDevice::setupMassStoragePath(const char* path) { m_massStoragePath = path ? path : ""; }
