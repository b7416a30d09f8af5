#include "HidapiBackend.h"

#include "BoundedCallThread.h"
#include "Logger.h"
#include "StringConverter.h"
#include "UdevLock.h"
#include "UdevMonitor.h"
#include "UdevNames.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

namespace Platform {

namespace {

struct HidNode {
    std::string path; // the device node, as hidapi names it
    std::int32_t vendor;
    std::int32_t product;
};

bool isUsbId(std::int32_t id) { return id >= 0 && id <= 0xFFFF; }

// The hidraw nodes present now whose device has exactly these ids.
std::vector<HidNode> presentNodes(std::int32_t vendor, std::int32_t product)
{
    std::vector<HidNode> nodes;
    if (!isUsbId(vendor) || !isUsbId(product))
        return nodes;
    // hidapi enumerates through libudev.
    std::lock_guard<std::mutex> lock(udevLock());
    hid_device_info* const found = hid_enumerate(static_cast<unsigned short>(vendor),
                                                 static_cast<unsigned short>(product));
    for (const hid_device_info* info = found; info; info = info->next) {
        // Ids of 0 make hidapi list every device.
        if (info->path && info->vendor_id == vendor && info->product_id == product)
            nodes.push_back({info->path, vendor, product});
    }
    hid_free_enumeration(found);
    return nodes;
}

std::string utf8(const wchar_t* text)
{
    Pelm::StringConverter converter(text);
    const char* converted = converter.GetUtf8();
    return converted ? converted : "unknown error";
}

// Each node that can't be opened is logged once, with hidapi's reason.
void reportUnopenable(const std::string& path, const std::string& reason)
{
    static std::mutex mutex;
    static std::set<std::string> reported;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!reported.insert(path).second)
            return;
    }
    const std::string message = "the receiver at " + path + " can't be opened (" + reason +
                                "); the udev rule 70-dravello-receiver.rules gives access to it";
    Pelm::Logger::WriteLog("HidapiBackend", "open", message.c_str(), Pelm::Logger::WARNING);
}

struct HidClose {
    void operator()(hid_device* device) const { hid_close(device); }
};

class HidapiDevice : public HidDevice {
public:
    explicit HidapiDevice(hid_device* handle) : m_handle(handle) {}

    bool setReport(HidReportType type, std::uint8_t reportId, const std::uint8_t* data,
                   std::size_t length, std::chrono::milliseconds timeout) override
    {
        // hidapi takes the report id as the report's first byte.
        if (type == HidReportType::Input || length == 0 || data[0] != reportId)
            return false;
        auto bytes = std::make_shared<std::vector<std::uint8_t>>(data, data + length);
        hid_device* const device = m_handle.get();
        const bool feature = type == HidReportType::Feature;
        const std::optional<int> sent = m_transfers.run(
            [device, bytes, feature] {
                return feature ? hid_send_feature_report(device, bytes->data(), bytes->size())
                               : hid_write(device, bytes->data(), bytes->size());
            },
            timeout);
        return sent && *sent == static_cast<int>(length);
    }

    bool getReport(HidReportType type, std::uint8_t reportId, std::uint8_t* buffer,
                   std::size_t& length, std::chrono::milliseconds timeout) override
    {
        if (type == HidReportType::Output || length == 0)
            return false;
        // The transfer fills a buffer of its own: one that runs out of time
        // may still complete after this returns.
        auto bytes = std::make_shared<std::vector<std::uint8_t>>(length, 0);
        (*bytes)[0] = reportId;
        hid_device* const device = m_handle.get();
        const bool feature = type == HidReportType::Feature;
        const std::optional<int> received = m_transfers.run(
            [device, bytes, feature] {
                return feature ? hid_get_feature_report(device, bytes->data(), bytes->size())
                               : hid_get_input_report(device, bytes->data(), bytes->size());
            },
            timeout);
        if (!received || *received <= 0 || static_cast<std::size_t>(*received) > length)
            return false;
        std::copy_n(bytes->begin(), *received, buffer);
        length = static_cast<std::size_t>(*received);
        return true;
    }

private:
    std::unique_ptr<hid_device, HidClose> m_handle;
    BoundedCallThread m_transfers; // ends, waiting for its transfer, before the handle closes
};

class NodeService : public HidService {
public:
    NodeService(HidNode node, bool present) : m_node(std::move(node)), m_present(present) {}

    std::string path() const override { return m_node.path; }

    bool getVendorAndProduct(std::int32_t& vendor, std::int32_t& product) const override
    {
        vendor = m_node.vendor;
        product = m_node.product;
        return true;
    }

    std::unique_ptr<HidDevice> open() override
    {
        if (!m_present)
            return nullptr;
        hid_device* handle = nullptr;
        std::string reason;
        {
            // hidapi opens through libudev and keeps the error of its last
            // open in a global.
            std::lock_guard<std::mutex> lock(udevLock());
            handle = hid_open_path(m_node.path.c_str());
            if (!handle)
                reason = utf8(hid_error(nullptr));
        }
        if (!handle) {
            reportUnopenable(m_node.path, reason);
            return nullptr;
        }
        return std::make_unique<HidapiDevice>(handle);
    }

private:
    HidNode m_node;
    bool m_present;
};

// Reports the arrivals or the removals of the hidraw nodes with the ids.
class HidrawWatch : public HidWatch {
public:
    enum class Reports { Arrivals, Removals };

    HidrawWatch(Reports reports, std::int32_t vendor, std::int32_t product, RunLoop& loop,
                HidServiceCallback callback)
        : m_reports(reports), m_vendor(vendor), m_product(product),
          m_callback(std::move(callback)),
          m_monitor("hidraw", loop, [this](const UdevDevice& device, const std::string& action) {
              onEvent(device, action);
          })
    {
    }

    // The nodes present now, each reported once: the "add" event of one that
    // arrived while they were listed is not reported again.
    void reportPresent()
    {
        for (const HidNode& node : presentNodes(m_vendor, m_product))
            arrived(node);
    }

private:
    void onEvent(const UdevDevice& device, const std::string& action)
    {
        if (device.devnode.empty())
            return;
        if (m_reports == Reports::Arrivals && action == "add") {
            for (const HidNode& present : presentNodes(m_vendor, m_product)) {
                if (present.path == device.devnode)
                    arrived(present);
            }
        } else if (m_reports == Reports::Arrivals && action == "remove") {
            m_arrived.erase(device.devnode);
        } else if (m_reports == Reports::Removals && action == "remove") {
            // The node's device is gone from sysfs: its ids are read from its path.
            HidNode gone{device.devnode, 0, 0};
            if (hidIdsFromDevpath(device.devpath, gone.vendor, gone.product) &&
                gone.vendor == m_vendor && gone.product == m_product)
                report(gone, false);
        }
    }

    void arrived(const HidNode& node)
    {
        if (m_arrived.insert(node.path).second)
            report(node, true);
    }

    void report(const HidNode& node, bool present)
    {
        NodeService service(node, present);
        m_callback(service);
    }

    const Reports m_reports;
    const std::int32_t m_vendor;
    const std::int32_t m_product;
    const HidServiceCallback m_callback;
    std::set<std::string> m_arrived; // nodes reported and not gone since
    UdevMonitor m_monitor;           // last: its events reach the members above
};

} // namespace

HidapiBackend::HidapiBackend()
{
    std::lock_guard<std::mutex> lock(udevLock());
    hid_init();
}

std::unique_ptr<HidWatch> HidapiBackend::watchFirstMatch(std::int32_t vendor, std::int32_t product,
                                                         RunLoop& loop,
                                                         HidServiceCallback onMatched)
{
    // Listening starts before the present nodes are listed, so none is missed.
    auto watch = std::make_unique<HidrawWatch>(HidrawWatch::Reports::Arrivals, vendor, product,
                                               loop, std::move(onMatched));
    watch->reportPresent();
    return watch;
}

std::unique_ptr<HidWatch> HidapiBackend::watchTerminate(std::int32_t vendor, std::int32_t product,
                                                        RunLoop& loop,
                                                        HidServiceCallback onTerminated)
{
    return std::make_unique<HidrawWatch>(HidrawWatch::Reports::Removals, vendor, product, loop,
                                         std::move(onTerminated));
}

} // namespace Platform
