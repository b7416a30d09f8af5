#ifndef PLATFORM_UMOCKDEV_FAKERECEIVERBED_H
#define PLATFORM_UMOCKDEV_FAKERECEIVERBED_H

// Receivers and their volumes faked with umockdev: the sysfs entries, udev
// events and device nodes the kernel would make, so that the real HID and
// volume backends run against them. A receiver's hidraw node answers writes
// and input-report requests from a SimulatedReceiver, on a thread of its own
// and with the kernel's 5 s transfer time-out (a silent receiver holds a
// transfer that long unless it is unplugged). The process must run with
// umockdev's preload library; isActive() tells.

#include "ScratchDir.h"
#include "SimulatedReceiver.h"

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace PlatformSim {

class FakeHidrawNode;

class FakeReceiverBed {
public:
    using Id = int;

    struct Disk {
        std::string vendor; // as the device gives them, padding blanks included
        std::string model;
        std::string label;
        dev_t number; // the number the mount table names it by
    };

    // A USB storage device's disk: its vendor and model as the fixed-width
    // fields of its SCSI INQUIRY answer, cut or blank-padded to 8 and 16
    // characters, as the kernel and udev's usb_id hand them on.
    static Disk usbStorage(const std::string& vendor, const std::string& model,
                           const std::string& label, dev_t number);

    FakeReceiverBed();
    ~FakeReceiverBed();
    FakeReceiverBed(const FakeReceiverBed&) = delete;
    FakeReceiverBed& operator=(const FakeReceiverBed&) = delete;

    // The process runs under umockdev's preload library, so the system
    // reports the fake devices and nothing else.
    bool isActive() const;

    // Plugs a receiver in as a USB HID device with the ids; its udev "add"
    // events follow. Without answersOnNode its node can't be opened.
    Id plugReceiver(std::shared_ptr<SimulatedReceiver> receiver, std::int32_t vendor,
                    std::int32_t product, bool answersOnNode = true);
    // Plugs in a disk that holds a file system.
    Id plugDisk(const Disk& disk);
    // Pulls a receiver or a disk out: its transfers fail from now on, its
    // "remove" events are sent and its sysfs entries go.
    void unplug(Id device);

    // The hidraw node of a plugged-in receiver, such as "/dev/hidraw3".
    std::string nodeOf(Id receiver) const;

private:
    struct Plugged {
        Id id;
        std::string removed;   // sysfs path of the device removed with all below it
        std::string eventPath; // sysfs path of the node whose events matter
        std::string node;
        std::shared_ptr<SimulatedLink> link; // receivers only
    };

    // Under the mutex.
    void addDevices(const std::string& description);

    mutable std::mutex mutex; // guards the lists and orders the testbed calls
    UMockdevTestbed* testbed = nullptr;
    std::vector<Plugged> plugged;
    struct AttachedNode {
        std::string path;
        std::unique_ptr<FakeHidrawNode> node;
    };
    std::vector<AttachedNode> nodes; // kept to the end: handles still open may ask
    Id nextId = 1;
};

// A mountinfo file that the test rewrites as the system would: each new
// version is renamed into place, then announced to libmount's userspace
// monitor by opening and closing the file of the same name plus ".lock".
class MountTableFile {
public:
    // An empty table in a new scratch folder.
    MountTableFile();

    const std::string& path() const { return file; }
    // The table from now on: the text itself, or the fixture file's contents.
    void write(const std::string& contents);
    void copyFrom(const std::string& fixture);

private:
    testsupport::ScratchDir folder;
    const std::string file;
};

} // namespace PlatformSim

#endif
