#include "FakeReceiverBed.h"

#include "UdevLock.h"

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
#include <future>
#include <sstream>
#include <stdexcept>
#include <thread>

#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define FAKE_BED_UNDER_TSAN 1
#endif
#endif
#ifdef FAKE_BED_UNDER_TSAN
extern "C" void __tsan_ignore_thread_begin();
extern "C" void __tsan_ignore_thread_end();
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace PlatformSim {

namespace {

// A call into umockdev from the test's side. umockdev calls into libudev, so
// it is made under the udev lock; and it hands work to umockdev's own thread
// through GLib, whose locks ThreadSanitizer cannot see (GLib is not
// instrumented), so what this thread touches meanwhile is left out of the
// race detection.
class UmockdevCall {
public:
    UmockdevCall() : udev(Platform::udevLock())
    {
#ifdef FAKE_BED_UNDER_TSAN
        __tsan_ignore_thread_begin();
#endif
    }
    ~UmockdevCall()
    {
#ifdef FAKE_BED_UNDER_TSAN
        __tsan_ignore_thread_end();
#endif
    }
    UmockdevCall(const UmockdevCall&) = delete;
    UmockdevCall& operator=(const UmockdevCall&) = delete;

private:
    std::lock_guard<std::mutex> udev;
};

// What one thread did before it handed `token` to another through GLib comes
// before what the other does once it has taken it over (GLib's own ordering
// is not seen by ThreadSanitizer).
void handOver([[maybe_unused]] void* token)
{
#ifdef FAKE_BED_UNDER_TSAN
    __tsan_release(token);
#endif
}

void takeOver([[maybe_unused]] void* token)
{
#ifdef FAKE_BED_UNDER_TSAN
    __tsan_acquire(token);
#endif
}

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

template <class Devices> auto findPlugged(Devices& devices, int id)
{
    return std::find_if(devices.begin(), devices.end(),
                        [id](const auto& device) { return device.id == id; });
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

// The hidraw node of one fake receiver. umockdev calls it on its worker
// thread; the transfers run on a thread of the node's own, which hands each
// answer back to be completed on the worker thread: every GLib object is
// touched on that thread only, and the data crosses over under the node's
// mutexes.
class FakeHidrawNode {
public:
    FakeHidrawNode(std::shared_ptr<SimulatedReceiver> receiver, std::shared_ptr<SimulatedLink> link)
        : receiver(std::move(receiver)), link(std::move(link)), thread([this] { serve(); })
    {
        const UmockdevCall call;
        handler = umockdev_ioctl_base_new();
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
        waitForWorker();
        const UmockdevCall call;
        if (workerContext)
            g_main_context_unref(workerContext);
        g_object_unref(handler);
    }

    UMockdevIoctlBase* ioctlHandler() const { return handler; }

private:
    // A request, and once carried out its answer. The client and the buffer
    // to fill are handled on the worker thread only.
    struct Transfer {
        UMockdevIoctlClient* client; // referenced
        UMockdevIoctlData* buffer;   // referenced; null for a write
        std::vector<std::uint8_t> bytes;
        long result = -1;
        int error = 0;
    };

    // Answers waiting to be completed on the worker thread.
    struct Answers {
        std::mutex mutex;
        std::deque<Transfer> ready;
    };

    // Worker thread: the descriptor requests of opening are answered at
    // once, the transfers queued.
    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self)
    {
        const unsigned long request = umockdev_ioctl_client_get_request(client);
        UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
        if (request == HIDIOCGRDESCSIZE) {
            const int size = sizeof ReportDescriptor;
            return answer(client, arg, &size, sizeof size);
        }
        if (request == HIDIOCGRDESC) {
            hidraw_report_descriptor descriptor{};
            descriptor.size = sizeof ReportDescriptor;
            std::copy(std::begin(ReportDescriptor), std::end(ReportDescriptor), descriptor.value);
            return answer(client, arg, &descriptor, sizeof descriptor);
        }
        if (_IOC_TYPE(request) == 'H' && _IOC_NR(request) == _IOC_NR(HIDIOCGINPUT(0))) {
            UMockdevIoctlData* buffer =
                umockdev_ioctl_data_resolve(arg, 0, _IOC_SIZE(request), nullptr);
            if (!buffer)
                return fail(client, EFAULT);
            static_cast<FakeHidrawNode*>(self)->queue(client, buffer);
            return TRUE;
        }
        return fail(client, ENOTTY);
    }

    static gboolean onWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self)
    {
        static_cast<FakeHidrawNode*>(self)->queue(client, nullptr);
        return TRUE;
    }

    static gboolean fail(UMockdevIoctlClient* client, int error)
    {
        umockdev_ioctl_client_complete(client, -1, error);
        return TRUE;
    }

    static gboolean answer(UMockdevIoctlClient* client, UMockdevIoctlData* arg, const void* value,
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

    // Worker thread: the written bytes, or the buffer to fill (its first byte
    // the report id asked for).
    void queue(UMockdevIoctlClient* client, UMockdevIoctlData* buffer)
    {
        const UMockdevIoctlData* data = buffer ? buffer : umockdev_ioctl_client_get_arg(client);
        Transfer transfer{static_cast<UMockdevIoctlClient*>(g_object_ref(client)), buffer,
                          std::vector<std::uint8_t>(data->data, data->data + data->data_len)};
        // Notified under the lock: a request that came in as the node was
        // detached may still be here, and the node may go once the lock is free.
        std::lock_guard<std::mutex> lock(mutex);
        if (!workerContext)
            workerContext = g_main_context_ref_thread_default();
        pending.push_back(std::move(transfer));
        changed.notify_all();
    }

    void serve()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopping || !pending.empty(); });
            if (pending.empty())
                return;
            Transfer transfer = std::move(pending.front());
            pending.pop_front();
            GMainContext* const context = workerContext;
            lock.unlock();
            carryOut(transfer);
            handBack(context, std::move(transfer));
            lock.lock();
        }
    }

    void carryOut(Transfer& transfer)
    {
        std::vector<std::uint8_t>& bytes = transfer.bytes;
        std::size_t length = bytes.size();
        const bool done =
            length > 0 &&
            (transfer.buffer ? receiver->read(*link, Platform::HidReportType::Input, bytes[0],
                                              bytes.data(), length, KernelTransferTimeout)
                             : receiver->write(*link, Platform::HidReportType::Output, bytes[0],
                                               bytes.data(), length, KernelTransferTimeout));
        transfer.result = done ? static_cast<long>(length) : -1;
        transfer.error = done ? 0 : link->connected() ? EIO : ENODEV;
        bytes.resize(done ? length : 0);
    }

    void handBack(GMainContext* context, Transfer transfer)
    {
        {
            std::lock_guard<std::mutex> lock(answers->mutex);
            answers->ready.push_back(std::move(transfer));
        }
        auto* handle = new std::shared_ptr<Answers>(answers);
        handOver(handle);
        g_main_context_invoke_full(context, G_PRIORITY_DEFAULT, &FakeHidrawNode::complete, handle,
                                   &FakeHidrawNode::release);
    }

    // A request that came in as the node was detached may still be running on
    // the worker thread: wait until the worker is back in its loop, where it
    // runs what was handed to it in order.
    void waitForWorker()
    {
        GMainContext* context;
        {
            std::lock_guard<std::mutex> lock(mutex);
            context = workerContext;
        }
        if (!context)
            return;
        // The future keeps the shared state: the promise may go on its own.
        auto* back = new std::promise<void>;
        std::future<void> returned = back->get_future();
        handOver(back);
        g_main_context_invoke_full(
            context, G_PRIORITY_DEFAULT,
            [](gpointer data) -> gboolean {
                takeOver(data);
                static_cast<std::promise<void>*>(data)->set_value();
                return G_SOURCE_REMOVE;
            },
            back,
            [](gpointer data) {
                takeOver(data);
                delete static_cast<std::promise<void>*>(data);
            });
        returned.wait_for(KernelTransferTimeout);
    }

    // Worker thread: completes the answers ready.
    static gboolean complete(gpointer data)
    {
        takeOver(data);
        Answers& waiting = **static_cast<std::shared_ptr<Answers>*>(data);
        std::deque<Transfer> ready;
        {
            std::lock_guard<std::mutex> lock(waiting.mutex);
            ready.swap(waiting.ready);
        }
        for (Transfer& transfer : ready) {
            if (transfer.buffer) {
                std::copy(transfer.bytes.begin(), transfer.bytes.end(), transfer.buffer->data);
                g_object_unref(transfer.buffer);
            }
            umockdev_ioctl_client_complete(transfer.client, transfer.result, transfer.error);
            g_object_unref(transfer.client);
        }
        return G_SOURCE_REMOVE;
    }

    static void release(gpointer data)
    {
        takeOver(data);
        delete static_cast<std::shared_ptr<Answers>*>(data);
    }

    const std::shared_ptr<SimulatedReceiver> receiver;
    const std::shared_ptr<SimulatedLink> link;
    UMockdevIoctlBase* handler = nullptr;
    const std::shared_ptr<Answers> answers = std::make_shared<Answers>();
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Transfer> pending;       // guarded by mutex
    GMainContext* workerContext = nullptr; // guarded by mutex
    bool stopping = false;
    std::thread thread; // last
};

FakeReceiverBed::FakeReceiverBed()
{
    const UmockdevCall call;
    testbed = umockdev_testbed_new();
}

FakeReceiverBed::~FakeReceiverBed()
{
    for (const AttachedNode& attached : nodes) {
        const UmockdevCall call;
        umockdev_testbed_detach_ioctl(testbed, attached.path.c_str(), nullptr);
    }
    nodes.clear();
    const UmockdevCall call;
    g_object_unref(testbed);
}

bool FakeReceiverBed::isActive() const { return umockdev_in_mock_environment(); }

void FakeReceiverBed::addDevices(const std::string& description)
{
    const UmockdevCall call;
    GError* error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed, description.c_str(), &error)) {
        const std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("umockdev refused a device: " + message);
    }
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
        const UmockdevCall call;
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

FakeReceiverBed::Disk FakeReceiverBed::usbStorage(const std::string& vendor,
                                                  const std::string& model,
                                                  const std::string& label, dev_t number)
{
    const auto field = [](std::string text, std::size_t width) {
        text.resize(width, ' ');
        return text;
    };
    return {field(vendor, 8), field(model, 16), label, number};
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
    const auto found = findPlugged(plugged, id);
    if (found == plugged.end())
        return;
    if (found->link)
        found->link->disconnect();
    {
        const UmockdevCall call;
        umockdev_testbed_uevent(testbed, found->eventPath.c_str(), "remove");
        umockdev_testbed_remove_device(testbed, found->removed.c_str());
    }
    plugged.erase(found);
}

std::string FakeReceiverBed::nodeOf(Id id) const
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = findPlugged(plugged, id);
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
