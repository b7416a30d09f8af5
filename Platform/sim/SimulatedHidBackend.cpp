#include "SimulatedHidBackend.h"

#include <algorithm>
#include <string>
#include <utility>

namespace PlatformSim {

namespace {

using Device = SimulatedHidBackend::Device;
using Watch = SimulatedHidBackend::Watch;

class SimulatedHidDevice : public Platform::HidDevice {
public:
    explicit SimulatedHidDevice(const Device& device) : receiver(device.receiver), link(device.link)
    {
    }

    bool setReport(Platform::HidReportType type, std::uint8_t reportId, const std::uint8_t* data,
                   std::size_t length, std::chrono::milliseconds timeout) override
    {
        return receiver->write(*link, type, reportId, data, length, timeout);
    }

    bool getReport(Platform::HidReportType type, std::uint8_t reportId, std::uint8_t* buffer,
                   std::size_t& length, std::chrono::milliseconds timeout) override
    {
        return receiver->read(*link, type, reportId, buffer, length, timeout);
    }

private:
    std::shared_ptr<SimulatedReceiver> receiver;
    std::shared_ptr<SimulatedLink> link;
};

class SimulatedHidService : public Platform::HidService {
public:
    explicit SimulatedHidService(Device device) : device(std::move(device)) {}

    std::string path() const override { return "simulated-" + std::to_string(device.id); }

    bool getVendorAndProduct(std::int32_t& vendor, std::int32_t& product) const override
    {
        if (!device.options.hasProperties)
            return false;
        vendor = device.vendor;
        product = device.product;
        return true;
    }

    std::unique_ptr<Platform::HidDevice> open() override
    {
        if (!device.options.opens)
            return nullptr;
        return std::make_unique<SimulatedHidDevice>(device);
    }

private:
    Device device;
};

class SimulatedHidWatch : public Platform::HidWatch {
public:
    explicit SimulatedHidWatch(std::shared_ptr<Watch> watch) : watch(std::move(watch)) {}
    ~SimulatedHidWatch() override { watch->target.deactivate(); }

private:
    std::shared_ptr<Watch> watch;
};

bool matches(const Watch& watch, const Device& device)
{
    return watch.vendor == device.vendor && watch.product == device.product;
}

void deliver(Watch& watch, const Device& device)
{
    if (!watch.target.isActive())
        return;
    SimulatedHidService service(device);
    watch.callback(service);
}

} // namespace

SimulatedHidBackend::DeviceId SimulatedHidBackend::plug(std::shared_ptr<SimulatedReceiver> receiver,
                                                        std::int32_t vendor, std::int32_t product,
                                                        PlugOptions options)
{
    std::lock_guard<std::mutex> lock(mutex);
    const Device device{
        nextId++, vendor, product, options, std::move(receiver), std::make_shared<SimulatedLink>()};
    devices.push_back(device);
    notify(Watch::Kind::FirstMatch, device);
    return device.id;
}

SimulatedHidBackend::DeviceId SimulatedHidBackend::plug(std::shared_ptr<SimulatedReceiver> receiver,
                                                        std::int32_t vendor, std::int32_t product)
{
    return plug(std::move(receiver), vendor, product, PlugOptions{});
}

std::unique_ptr<Platform::HidService> SimulatedHidBackend::service(DeviceId id) const
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = findDevice(id);
    if (found == devices.end())
        return nullptr;
    return std::make_unique<SimulatedHidService>(*found);
}

void SimulatedHidBackend::unplug(DeviceId id)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = findDevice(id);
    if (found == devices.end())
        return;
    const Device device = *found;
    devices.erase(found);
    device.link->disconnect();
    notify(Watch::Kind::Terminate, device);
}

std::vector<Device>::const_iterator SimulatedHidBackend::findDevice(DeviceId id) const
{
    return std::find_if(devices.begin(), devices.end(),
                        [id](const Device& device) { return device.id == id; });
}

void SimulatedHidBackend::refuseWatches(std::int32_t vendor, std::int32_t product)
{
    std::lock_guard<std::mutex> lock(mutex);
    refused.emplace_back(vendor, product);
}

int SimulatedHidBackend::activeWatchCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return countActive(watches);
}

std::unique_ptr<Platform::HidWatch>
SimulatedHidBackend::watchFirstMatch(std::int32_t vendor, std::int32_t product,
                                     Platform::RunLoop& loop,
                                     Platform::HidServiceCallback onMatched)
{
    return addWatch(Watch::Kind::FirstMatch, vendor, product, loop, std::move(onMatched));
}

std::unique_ptr<Platform::HidWatch>
SimulatedHidBackend::watchTerminate(std::int32_t vendor, std::int32_t product,
                                    Platform::RunLoop& loop,
                                    Platform::HidServiceCallback onTerminated)
{
    return addWatch(Watch::Kind::Terminate, vendor, product, loop, std::move(onTerminated));
}

std::unique_ptr<Platform::HidWatch>
SimulatedHidBackend::addWatch(Watch::Kind kind, std::int32_t vendor, std::int32_t product,
                              Platform::RunLoop& loop, Platform::HidServiceCallback callback)
{
    auto watch = std::shared_ptr<Watch>(
        new Watch{kind, vendor, product, std::move(callback), LoopTarget(loop)});
    std::vector<Device> present;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (std::find(refused.begin(), refused.end(), std::make_pair(vendor, product)) !=
            refused.end())
            return nullptr;
        dropInactive(watches);
        watches.push_back(watch);
        if (kind == Watch::Kind::FirstMatch)
            std::copy_if(devices.begin(), devices.end(), std::back_inserter(present),
                         [&](const Device& device) { return matches(*watch, device); });
    }
    for (const Device& device : present)
        deliver(*watch, device);
    return std::make_unique<SimulatedHidWatch>(watch);
}

void SimulatedHidBackend::notify(Watch::Kind kind, const Device& device)
{
    for (const auto& watch : watches) {
        if (watch->kind == kind && matches(*watch, device))
            watch->target.post([watch, device] { deliver(*watch, device); });
    }
}

} // namespace PlatformSim
