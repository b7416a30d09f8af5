#include "FakeReceiverBed.h"

#include <umockdev.h>

#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace PlatformSim {

namespace {

// How long the kernel lets a HID transfer take before it gives up.
constexpr std::chrono::milliseconds KernelTransferTimeout{5000};

// A vendor page with report id 0x80 and 32-byte input, output and feature reports.
constexpr std::uint8_t ReportDescriptor[] = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x80, 0x09, 0x20, 0x75, 0x08,
    0x95, 0x20, 0xB1, 0x02, 0x09, 0x20, 0x91, 0x02, 0x09, 0x20, 0x81, 0x02, 0xC0,
};

std::string hex4(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

// udev's encoding of a value: blanks and other unsafe bytes as "\xNN".
std::string udevEncoded(const std::string& text)
{
    std::string encoded;
    for (const unsigned char c : text) {
        if (std::isalnum(c) || std::string_view("#+-.:=@_").find(static_cast<char>(c)) !=
                                   std::string_view::npos || c >= 0x80) {
            encoded.push_back(static_cast<char>(c));
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            encoded += escape;
        }
    }
    return encoded;
}

// udev's plain form of a value: trimmed, inner blanks as '_'.
std::string udevPlain(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    std::string plain = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    std::replace(plain.begin(), plain.end(), ' ', '_');
    return plain;
}

} // namespace

// The hidraw node of one fake receiver.
class FakeHidrawNode {
public:
    FakeHidrawNode(std::shared_ptr<SimulatedReceiver> receiver, std::shared_ptr<SimulatedLink> link)
        : receiver(std::move(receiver)), link(std::move(link)), handler(umockdev_ioctl_base_new()),
          thread([this] { serve(); })
    {
        g_signal_connect(handler, "handle-ioctl", G_CALLBACK(&FakeHidrawNode::onIoctl), this);
        g_signal_connect(handler, "handle-write", G_CALLBACK(&FakeHidrawNode::onWrite), this);
    }

    // Detach from the testbed first: no request may come in any more.
    ~FakeHidrawNode()
    {
        link->disconnect(); // a transfer held by a silent receiver ends now
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopping = true;
        }
        changed.notify_all();
        thread.join();
        g_object_unref(handler);
    }

    UMockdevIoctlBase* ioctlHandler() const { return handler; }

private:
    struct Transfer {
        UMockdevIoctlClient* client; // referenced
        UMockdevIoctlData* data;     // referenced: the buffer written or to fill
        bool isWrite;
    };

    // umockdev's thread: the descriptor requests of opening are answered at
    // once, the transfers queued.
    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self)
    {
        auto* node = static_cast<FakeHidrawNode*>(self);
        const unsigned long request = umockdev_ioctl_client_get_request(client);
        UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
        if (request == HIDIOCGRDESCSIZE) {
            const int size = sizeof ReportDescriptor;
            return node->answer(client, arg, &size, sizeof size);
        }
        if (request == HIDIOCGRDESC) {
            hidraw_report_descriptor descriptor{};
            descriptor.size = sizeof ReportDescriptor;
            std::copy(std::begin(ReportDescriptor), std::end(ReportDescriptor), descriptor.value);
            return node->answer(client, arg, &descriptor, sizeof descriptor);
        }
        if (_IOC_TYPE(request) == 'H' && _IOC_NR(request) == _IOC_NR(HIDIOCGINPUT(0))) {
            UMockdevIoctlData* buffer = umockdev_ioctl_data_resolve(arg, 0, _IOC_SIZE(request), nullptr);
            if (!buffer)
                return fail(client, EFAULT);
            node->queue({static_cast<UMockdevIoctlClient*>(g_object_ref(client)), buffer, false});
            return TRUE;
        }
        return fail(client, ENOTTY);
    }

    static gboolean onWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self)
    {
        UMockdevIoctlData* written = umockdev_ioctl_client_get_arg(client);
        static_cast<FakeHidrawNode*>(self)->queue(
            {static_cast<UMockdevIoctlClient*>(g_object_ref(client)),
             static_cast<UMockdevIoctlData*>(g_object_ref(written)), true});
        return TRUE;
    }

    static gboolean fail(UMockdevIoctlClient* client, int error)
    {
        umockdev_ioctl_client_complete(client, -1, error);
        return TRUE;
    }

    gboolean answer(UMockdevIoctlClient* client, UMockdevIoctlData* arg, const void* value,
                    std::size_t size)
    {
        UMockdevIoctlData* target = umockdev_ioctl_data_resolve(arg, 0, size, nullptr);
        if (!target)
            return fail(client, EFAULT);
        std::memcpy(target->data, value, size);
        umockdev_ioctl_client_complete(client, 0, 0);
        g_object_unref(target);
        return TRUE;
    }

    void queue(Transfer transfer)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            pending.push_back(transfer);
        }
        changed.notify_all();
    }

    void serve()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopping || !pending.empty(); });
            if (pending.empty())
                return;
            const Transfer transfer = pending.front();
            pending.pop_front();
            lock.unlock();
            carryOut(transfer);
            lock.lock();
        }
    }

    void carryOut(const Transfer& transfer)
    {
        std::uint8_t* const bytes = transfer.data->data;
        const std::size_t length = static_cast<std::size_t>(transfer.data->data_len);
        std::size_t delivered = length;
        const bool done =
            length > 0 &&
            (transfer.isWrite ? receiver->write(*link, Platform::HidReportType::Output, bytes[0],
                                                bytes, length, KernelTransferTimeout)
                              : receiver->read(*link, Platform::HidReportType::Input, bytes[0],
                                               bytes, delivered, KernelTransferTimeout));
        if (done)
            umockdev_ioctl_client_complete(transfer.client, static_cast<glong>(delivered), 0);
        else
            umockdev_ioctl_client_complete(transfer.client, -1, link->connected() ? EIO : ENODEV);
        g_object_unref(transfer.data);
        g_object_unref(transfer.client);
    }

    const std::shared_ptr<SimulatedReceiver> receiver;
    const std::shared_ptr<SimulatedLink> link;
    UMockdevIoctlBase* const handler;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Transfer> pending;
    bool stopping = false;
    std::thread thread; // last
};

FakeReceiverBed::FakeReceiverBed() : testbed(umockdev_testbed_new()) {}

FakeReceiverBed::~FakeReceiverBed()
{
    for (const AttachedNode& attached : nodes)
        umockdev_testbed_detach_ioctl(testbed, attached.path.c_str(), nullptr);
    nodes.clear();
    g_object_unref(testbed);
}

bool FakeReceiverBed::isActive() const { return umockdev_in_mock_environment(); }

std::string FakeReceiverBed::addDevices(const std::string& description)
{
    GError* error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed, description.c_str(), &error)) {
        const std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("umockdev refused a device: " + message);
    }
    return description;
}

FakeReceiverBed::Id FakeReceiverBed::plugReceiver(std::shared_ptr<SimulatedReceiver> receiver,
                                                  std::int32_t vendor, std::int32_t product,
                                                  bool answersOnNode)
{
    std::lock_guard<std::mutex> lock(mutex);
    const Id id = nextId++;
    const std::string number = std::to_string(id);
    const std::string vid = hex4(std::uint32_t(vendor)), pid = hex4(std::uint32_t(product));
    const std::string usb = "/sys/devices/pci0000:00/usb1/1-" + number;
    const std::string hid = usb + "/1-" + number + ":1.0/0003:" + vid + ":" + pid + "." + hex4(id);
    const std::string hidraw = hid + "/hidraw/hidraw" + number;
    const std::string node = "/dev/hidraw" + number;
    const std::string hidId = "0003:0000" + vid + ":0000" + pid;

    Plugged device{id, usb, hidraw, node, std::make_shared<SimulatedLink>()};
    if (answersOnNode) {
        auto fake = std::make_unique<FakeHidrawNode>(std::move(receiver), device.link);
        GError* error = nullptr;
        if (!umockdev_testbed_attach_ioctl(testbed, node.c_str(), fake->ioctlHandler(), &error)) {
            const std::string message = error ? error->message : "unknown error";
            g_clear_error(&error);
            throw std::runtime_error("umockdev can't answer on " + node + ": " + message);
        }
        nodes.push_back({node, std::move(fake)});
    }
    std::ostringstream devices;
    devices << "P: " << usb.substr(4) << "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\n"
            << "A: idVendor=" << vid << "\nA: idProduct=" << pid
            << "\nA: manufacturer=Fake\nA: product=Receiver\nA: serial=" << number
            << "\nA: bcdDevice=0100\n\n"
            << "P: " << usb.substr(4) << "/1-" << number << ":1.0"
            << "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nA: bInterfaceNumber=00\n\n"
            << "P: " << hid.substr(4) << "\nE: SUBSYSTEM=hid\nE: HID_ID=" << hidId
            << "\nE: HID_NAME=Fake Receiver\nE: HID_UNIQ=" << number << "\nA: uevent=HID_ID="
            << hidId << "\\nHID_NAME=Fake Receiver\\nHID_UNIQ=" << number << "\\n\n"
            << "H: report_descriptor=";
    for (const std::uint8_t byte : ReportDescriptor)
        devices << hex4(byte).substr(2);
    devices << "\n\nP: " << hidraw.substr(4) << "\n"
            << (answersOnNode ? "N: hidraw" + number + "\n" : std::string())
            << "L: device=../../../0003:" << vid << ":" << pid << "." << hex4(id)
            << "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=" << node << "\nE: MAJOR=240\nE: MINOR="
            << number << "\n";
    addDevices(devices.str());
    plugged.push_back(std::move(device));
    return id;
}

FakeReceiverBed::Id FakeReceiverBed::plugDisk(const Disk& disk)
{
    std::lock_guard<std::mutex> lock(mutex);
    const Id id = nextId++;
    const std::string number = std::to_string(id);
    const std::string name = "sd" + std::string(1, char('a' + id % 26)) + number;
    const std::string usb = "/sys/devices/pci0000:00/usb2/2-" + number;
    const std::string block = usb + "/2-" + number + ":1.0/host" + number + "/target" + number +
                              ":0:0/" + number + ":0:0:0/block/" + name;
    const std::string dev = std::to_string(major(disk.number)) + ":" +
                            std::to_string(minor(disk.number));
    std::ostringstream devices;
    devices << "P: " << block.substr(4) << "\nN: " << name
            << "\nE: SUBSYSTEM=block\nE: DEVTYPE=disk\nE: DEVNAME=/dev/" << name
            << "\nE: MAJOR=" << major(disk.number) << "\nE: MINOR=" << minor(disk.number)
            << "\nA: dev=" << dev << "\nE: ID_BUS=usb\nE: ID_VENDOR=" << udevPlain(disk.vendor)
            << "\nE: ID_VENDOR_ENC=" << udevEncoded(disk.vendor)
            << "\nE: ID_MODEL=" << udevPlain(disk.model)
            << "\nE: ID_MODEL_ENC=" << udevEncoded(disk.model)
            << "\nE: ID_FS_USAGE=filesystem\nE: ID_FS_TYPE=vfat\nE: ID_FS_LABEL="
            << udevPlain(disk.label) << "\nE: ID_FS_LABEL_ENC=" << udevEncoded(disk.label) << "\n";
    addDevices(devices.str());
    plugged.push_back({id, block, block, "/dev/" + name, nullptr});
    return id;
}

void FakeReceiverBed::unplug(Id id)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = std::find_if(plugged.begin(), plugged.end(),
                                    [id](const Plugged& device) { return device.id == id; });
    if (found == plugged.end())
        return;
    if (found->link)
        found->link->disconnect();
    umockdev_testbed_uevent(testbed, found->eventPath.c_str(), "remove");
    umockdev_testbed_remove_device(testbed, found->removed.c_str());
    plugged.erase(found);
}

std::string FakeReceiverBed::nodeOf(Id id) const
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = std::find_if(plugged.begin(), plugged.end(),
                                    [id](const Plugged& device) { return device.id == id; });
    return found == plugged.end() ? std::string() : found->node;
}

MountTableFile::MountTableFile() : file((folder.path() / "mountinfo").string())
{
    std::ofstream(file + ".lock").close();
    write("");
}

void MountTableFile::write(const std::string& contents)
{
    const std::string next = file + ".next";
    {
        std::ofstream out(next, std::ios::binary | std::ios::trunc);
        out << contents;
        if (!out.flush())
            throw std::runtime_error("can't write " + next);
    }
    std::filesystem::rename(next, file);
    // libmount's userspace monitor hears of a change when this file is
    // closed (the protocol of its own utab file and its lock).
    std::ifstream(file + ".lock").close();
}

void MountTableFile::copyFrom(const std::string& fixture)
{
    std::ifstream in(fixture, std::ios::binary);
    if (!in)
        throw std::runtime_error("no fixture " + fixture);
    std::ostringstream contents;
    contents << in.rdbuf();
    write(contents.str());
}

} // namespace PlatformSim
