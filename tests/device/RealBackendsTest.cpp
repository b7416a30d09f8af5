// DeviceManager on this machine's HID and volume backends, over receivers and
// disks faked with umockdev: the hidraw node answers from a simulated
// receiver, everything between the two is the real path.

#include "DeviceManager.h"
#include "FakeReceiverBed.h"
#include "HidBackend.h"
#include "LoopThread.h"
#include "RecordingObserver.h"
#include "ScratchDir.h"
#include "ScratchLog.h"
#include "UdevVolumeBackend.h"
#include "WireFixture.h"

#include <sys/sysmacros.h>

#include <fstream>
#include <iostream>
#include <thread>

using namespace std::chrono_literals;
using PlatformSim::FakeReceiverBed;
using Strings = std::vector<std::string>;

namespace {

constexpr std::int32_t Vendor = 0x2F1E;
constexpr std::int32_t Product = 0x0A01;
const Bytes ReportModeTwo = report({0x80, 0x01, 0x03, 0x01, 0x02});

std::vector<Bytes> sentTo(const SimulatedReceiver& receiver)
{
    return PlatformSim::wireReports(receiver, WireReport::Direction::ToReceiver);
}

// One mountinfo line mounting the device at target (no blanks in it).
std::string mountLine(dev_t device, const std::string& target)
{
    return "70 22 " + std::to_string(major(device)) + ":" + std::to_string(minor(device)) + " / " +
           target + " rw,relatime - vfat /dev/sdx rw\n";
}

std::chrono::milliseconds since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

} // namespace

class RealBackendsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bed.isActive()) << "the test must run under umockdev's preload library";
        manager->setBackends(Platform::defaultHidBackend(), volumes);
        manager->setIdentifierList({{Vendor, Product}});
        manager->setVendorName("Scrivet");
        manager->setModelName("Receiver");
        manager->registerObserver(&observer);
    }

    void TearDown() override
    {
        for (auto id : plugged)
            bed.unplug(id);
        gui.call([this] { manager->finish(); });
        manager->registerObserver(nullptr);
        manager->setBackends(Platform::defaultHidBackend(), Platform::defaultVolumeBackend());
    }

    FakeReceiverBed::Id plug(std::shared_ptr<SimulatedReceiver> device, std::int32_t product = Product,
                             bool answers = true)
    {
        plugged.push_back(bed.plugReceiver(std::move(device), Vendor, product, answers));
        return plugged.back();
    }
    void unplug(FakeReceiverBed::Id id)
    {
        bed.unplug(id);
        plugged.erase(std::find(plugged.begin(), plugged.end(), id));
    }

    void start()
    {
        gui.call([this] { manager->init(); });
    }

    Strings eventsAfter(std::size_t count)
    {
        EXPECT_TRUE(observer.waitForEvents(count)) << "only " << observer.events().size();
        return observer.events();
    }

    FakeReceiverBed bed; // first: it outlives the backends' monitors
    PlatformSim::MountTableFile table;
    Platform::UdevVolumeBackend volumes{table.path()};
    PauseRecorder pauses;
    DeviceManager* manager = DeviceManager::instance();
    RecordingObserver observer;
    LoopThread gui;
    std::shared_ptr<SimulatedReceiver> receiver = std::make_shared<SimulatedReceiver>();
    std::vector<FakeReceiverBed::Id> plugged;
};

TEST_F(RealBackendsTest, AReceiverPresentAtInitIsOpenedThroughItsNode)
{
    plug(receiver);
    start();
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"});
    EXPECT_EQ(sentTo(*receiver), std::vector<Bytes>{ReportModeTwo});
}

TEST_F(RealBackendsTest, APluggedInReceiverAnswersUntilItIsPulledOut)
{
    receiver->setValue(0x01, {0x0A, 0x21, 0x43, 0x65, 0x01});
    start();
    const auto id = plug(receiver);
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"});
    std::string version;
    EXPECT_TRUE(observer.command([&](ProtocolHandler& p) { return p.getFirmwareVersion(version); }));
    EXPECT_EQ(version, "165.432.10A");
    unplug(id);
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "removed"}));
    EXPECT_FALSE(observer.command([&](ProtocolHandler& p) { return p.getFirmwareVersion(version); }));
}

TEST_F(RealBackendsTest, OnlyTheConfiguredIdsAreOpenedAndOnlyTheReceiverInUseIsRemoved)
{
    start();
    auto foreign = std::make_shared<SimulatedReceiver>();
    auto second = std::make_shared<SimulatedReceiver>();
    auto third = std::make_shared<SimulatedReceiver>();
    plug(foreign, Product + 1);
    const auto first = plug(receiver);
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"});
    plug(second);
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "inserted"}));
    unplug(first); // its node is gone; the second stays in use
    const auto last = plug(third); // handled after that removal
    EXPECT_EQ(eventsAfter(3), (Strings{"inserted", "inserted", "inserted"}));
    EXPECT_TRUE(observer.command([](ProtocolHandler& p) { return p.resetLastError(); }));
    EXPECT_EQ(sentTo(*third).back(), report({0x80, 0x01, 0x0B, 0x01, 0x00}));
    EXPECT_TRUE(sentTo(*foreign).empty());
    unplug(last);
    EXPECT_EQ(eventsAfter(4), (Strings{"inserted", "inserted", "inserted", "removed"}));
}

TEST_F(RealBackendsTest, AReceiverThatCannotBeOpenedIsLoggedOnceWithTheReason)
{
    const testsupport::ScratchLog log;
    const auto id = plug(receiver, Product, false); // its node does not exist
    const std::string node = bed.nodeOf(id);
    start();
    gui.call([this] { manager->finish(); });
    start(); // tried again
    plug(std::make_shared<SimulatedReceiver>());
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"});

    std::vector<std::string> mentions;
    for (const std::string& line : log.lines()) {
        if (line.find(node) != std::string::npos)
            mentions.push_back(line);
    }
    ASSERT_EQ(mentions.size(), 1u);
    EXPECT_NE(mentions.front().find("No such file or directory"), std::string::npos)
        << mentions.front();
}

TEST_F(RealBackendsTest, OnlyTheReceiversDiskIsReportedAndOnlyWhenMountedWithinThreeSeconds)
{
    struct DiskCase {
        const char* vendor;
        const char* model;
        dev_t number;
        const char* mountPoint;
    };
    // Named as udev describes a USB disk: the INQUIRY fields, blank-padded.
    const DiskCase disks[] = {
        {"Scrivet", "RECEIVER", makedev(8, 16), "/media/user/SCRIVET"}, // case is ignored
        {"Scrivet", "Receiver 2", makedev(8, 32), "/media/user/LONGER"},
        {"Other", "Receiver", makedev(8, 48), "/media/user/OTHER"},
    };
    std::vector<FakeReceiverBed::Id> ids;
    std::string mounted;
    for (const DiskCase& disk : disks) {
        ids.push_back(
            bed.plugDisk(FakeReceiverBed::usbStorage(disk.vendor, disk.model, "LABEL", disk.number)));
        mounted += mountLine(disk.number, disk.mountPoint);
    }
    start();
    gui.drain();
    table.write(mounted); // every one mounted at once
    EXPECT_EQ(eventsAfter(1), Strings{"mounted /media/user/SCRIVET"});
    for (const auto id : ids)
        bed.unplug(id);
    // One present and mounted is reported at once.
    const dev_t last = makedev(8, 64);
    table.write(mountLine(last, "/media/user/LAST"));
    bed.plugDisk(FakeReceiverBed::usbStorage("Scrivet", "Receiver", "LAST", last));
    EXPECT_EQ(eventsAfter(3),
              (Strings{"mounted /media/user/SCRIVET", "unmounted", "mounted /media/user/LAST"}));
}

// What a receiver that stops answering costs the thread that sent the
// command: the kernel would hold each transfer for 5 s.
TEST_F(RealBackendsTest, AReceiverThatStopsAnsweringHoldsACommandOnlyForItsTimeOut)
{
    start();
    const auto id = plug(receiver);
    eventsAfter(1);
    receiver->setSilent(true);
    unsigned short threshold = 0;
    auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(observer.command([&](ProtocolHandler& p) { return p.getPressureThreshold(threshold); }));
    const auto held = since(started);
    // The transfer the kernel still holds makes the next command fail at once.
    started = std::chrono::steady_clock::now();
    EXPECT_FALSE(observer.command([&](ProtocolHandler& p) { return p.setPressureThreshold(9); }));
    const auto next = since(started);
    std::cout << "[ figure ] silent receiver: command held " << held.count()
              << " ms, the next one " << next.count() << " ms (pauses not counted)\n";
    EXPECT_LT(held, 1000ms);
    EXPECT_LT(next, 1000ms);
    unplug(id); // ends the held transfer, so the device can close
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "removed"}));
}

TEST_F(RealBackendsTest, AReceiverPulledOutMidCommandCostsTheCommandLittle)
{
    Platform::PauseOverride realPauses(
        [](std::chrono::microseconds duration) { std::this_thread::sleep_for(duration); });
    start();
    const auto id = plug(receiver);
    eventsAfter(1);
    receiver->setTransferHook([&] { bed.unplug(id); });
    plugged.clear();
    std::string version;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(observer.command([&](ProtocolHandler& p) { return p.getFirmwareVersion(version); }));
    const auto cost = since(started);
    std::cout << "[ figure ] receiver pulled out inside a get command: " << cost.count()
              << " ms, its 100 ms pause included\n";
    EXPECT_LT(cost, 1000ms);
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "removed"}));
}
