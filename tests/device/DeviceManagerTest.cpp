#include "DeviceManager.h"
#include "LoopThread.h"
#include "RecordingObserver.h"
#include "ScratchDir.h"
#include "SimulatedVolumeBackend.h"
#include "WireFixture.h"

#include "HidBackend.h"
#include "VolumeBackend.h"

#include <atomic>
#include <optional>
#include <thread>

using namespace std::chrono_literals;
using Platform::VolumeDescription;
using PlatformSim::SimulatedVolumeBackend;
using Strings = std::vector<std::string>;

class DeviceManagerTest : public WireFixture {
protected:
    void SetUp() override
    {
        manager->setBackends(backend, volumes);
        manager->setIdentifierList({{Vendor, Product}});
        manager->setVendorName("Nivok");
        manager->setModelName("Receiver");
        manager->registerObserver(&observer);
    }

    void TearDown() override
    {
        // Removals are handled before the finish that follows them.
        for (auto id : plugged)
            backend.unplug(id);
        stop();
        manager->registerObserver(nullptr);
        manager->setBackends(Platform::defaultHidBackend(), Platform::defaultVolumeBackend());
    }

    SimulatedHidBackend::DeviceId plug(std::shared_ptr<SimulatedReceiver> device,
                                       SimulatedHidBackend::PlugOptions options = {})
    {
        plugged.push_back(backend.plug(std::move(device), Vendor, Product, options));
        return plugged.back();
    }
    SimulatedHidBackend::DeviceId plug() { return plug(receiver); }

    void start()
    {
        gui.call([this] { manager->init(); });
    }
    // Starts and waits until the notifications are armed.
    void startArmed()
    {
        start();
        for (int wait = 0; wait < 5000 && backend.activeWatchCount() < 2; ++wait)
            std::this_thread::sleep_for(1ms);
        ASSERT_EQ(backend.activeWatchCount(), 2);
    }
    void stop()
    {
        gui.call([this] { manager->finish(); });
    }

    // The observer's events once count of them have arrived.
    Strings eventsAfter(std::size_t count)
    {
        EXPECT_TRUE(observer.waitForEvents(count)) << "only " << observer.events().size();
        return observer.events();
    }

    DeviceManager* manager = DeviceManager::instance();
    SimulatedVolumeBackend volumes;
    RecordingObserver observer;
    LoopThread gui;
    std::vector<SimulatedHidBackend::DeviceId> plugged;
};

TEST_F(DeviceManagerTest, AReceiverPresentAtInitIsOpenedAndReportedAtOnce)
{
    plug();
    start();
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"});
    EXPECT_EQ(sent(), std::vector<Bytes>{report({0x80, 0x01, 0x03, 0x01, 0x02})});
}

TEST_F(DeviceManagerTest, PlugAndUnplugAreReportedInTurn)
{
    start();
    const auto id = plug();
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"});
    EXPECT_TRUE(observer.command([](ProtocolHandler& p) { return p.resetLastError(); }));
    backend.unplug(id);
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "removed"}));
    EXPECT_FALSE(observer.command([](ProtocolHandler& p) { return p.resetLastError(); }));
}

TEST_F(DeviceManagerTest, AReceiverPulledOutWhileItIsOpenedAtInitIsStillRemoved)
{
    const auto id = plug();
    observer.onInserted = [&](Device*, Device*) { backend.unplug(id); };
    start();
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "removed"}));
}

TEST_F(DeviceManagerTest, DevicesThatCannotBeUsedAreNotReported)
{
    start();
    plug(receiver, {false, true}); // no ids to read
    const auto unopenable = plug(receiver, {true, false});
    plug(); // reported, and so marks that the two before were handled
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"});
    // Its removal is not that of the receiver in use.
    backend.unplug(unopenable);
    plug(); // handled after the removal
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "inserted"}));
}

TEST_F(DeviceManagerTest, OnlyTheRemovalOfTheReceiverInUseRemovesIt)
{
    start();
    const auto first = plug();
    const auto second = plug(std::make_shared<SimulatedReceiver>()); // now in use
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "inserted"}));
    backend.unplug(first);
    const auto third = plug(std::make_shared<SimulatedReceiver>()); // handled after the removal
    EXPECT_EQ(eventsAfter(3), (Strings{"inserted", "inserted", "inserted"}));
    backend.unplug(second); // no longer in use
    backend.unplug(third);
    EXPECT_EQ(eventsAfter(4), (Strings{"inserted", "inserted", "inserted", "removed"}));
}

TEST_F(DeviceManagerTest, ASecondDeviceIsHandedOverBeforeTheFirstIsDestroyed)
{
    auto second = std::make_shared<SimulatedReceiver>();
    bool previousStillWorked = false;
    observer.onInserted = [&](Device* previous, Device*) {
        if (previous) // the first receiver's device must still be alive here
            previousStillWorked = ProtocolHandler(previous).resetLastError();
    };
    start();
    plug();
    eventsAfter(1);
    plug(second);
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "inserted"}));
    EXPECT_TRUE(previousStillWorked);

    receiver->clearWireLog();
    second->clearWireLog();
    EXPECT_TRUE(observer.command([](ProtocolHandler& p) { return p.setPressureThreshold(9); }));
    EXPECT_TRUE(receiver->wireLog().empty());
    EXPECT_EQ(second->wireLog().size(), 1u);
}

TEST_F(DeviceManagerTest, AnEmptyIdentifierListArmsNothingButStillStartsAndStops)
{
    manager->setIdentifierList({});
    plug();
    start();
    EXPECT_EQ(backend.activeWatchCount(), 0);
    stop();
    EXPECT_TRUE(observer.events().empty());
}

TEST_F(DeviceManagerTest, ARefusedRequestEndsTheWorkerAndReleasesItsWatches)
{
    backend.refuseWatches(1, 2);
    manager->setIdentifierList({{Vendor, Product}, {1, 2}});
    plug();
    start();
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"}); // armed for the first pair
    stop();
    EXPECT_EQ(backend.activeWatchCount(), 0);
}

TEST_F(DeviceManagerTest, InitFollowedAtOnceByFinishLeavesNothingBehind)
{
    const auto id = plug();
    constexpr std::size_t Rounds = 40;
    for (std::size_t round = 1; round <= Rounds; ++round) {
        start();
        stop();
        // The receiver present is opened while the notifications are armed,
        // before the worker loop sees the finish.
        ASSERT_EQ(observer.events().size(), round);
        ASSERT_EQ(backend.activeWatchCount(), 0) << "round " << round;
        ASSERT_EQ(volumes.activeSessionCount(), 0) << "round " << round;
    }
    stop(); // finishing twice is harmless
    start();
    eventsAfter(Rounds + 1);
    backend.unplug(id);
    EXPECT_EQ(eventsAfter(Rounds + 2).back(), "removed");
}

TEST_F(DeviceManagerTest, UnplugInsideATransferWaitsForTheCommandToEnd)
{
    start();
    const auto id = plug();
    eventsAfter(1);
    receiver->setTransferHook([&] {
        backend.unplug(id);
        std::this_thread::sleep_for(20ms); // give the device thread a chance to interfere
    });
    std::string version;
    EXPECT_FALSE(
        observer.command([&](ProtocolHandler& p) { return p.getFirmwareVersion(version); }));
    EXPECT_EQ(eventsAfter(2), (Strings{"inserted", "removed"}));
    EXPECT_FALSE(
        observer.command([&](ProtocolHandler& p) { return p.getFirmwareVersion(version); }));
}

TEST_F(DeviceManagerTest, PlugStormWhileCommandsRun)
{
    startArmed();
    std::atomic<bool> storming{true};
    std::thread commands([&] {
        while (storming) {
            unsigned short threshold = 0;
            observer.command([&](ProtocolHandler& p) { return p.getPressureThreshold(threshold); });
        }
    });
    constexpr int Rounds = 60;
    for (int round = 0; round < Rounds; ++round) {
        const auto id = backend.plug(receiver, Vendor, Product);
        if (round % 3 == 0)
            std::this_thread::yield();
        backend.unplug(id);
    }
    const Strings events = eventsAfter(2 * Rounds);
    storming = false;
    commands.join();
    for (std::size_t i = 0; i < events.size(); ++i)
        EXPECT_EQ(events[i], i % 2 ? "removed" : "inserted") << i;
}

class VolumeDiscoveryTest : public DeviceManagerTest {
protected:
    static VolumeDescription disk(std::optional<std::string> path, std::string vendor = "Nivok")
    {
        return VolumeDescription{vendor, std::string("Receiver"), std::move(path),
                                 std::string("PEN")};
    }
};

TEST_F(VolumeDiscoveryTest, AMountedVolumeIsReportedByItsPathAndItsRemovalToo)
{
    const auto id = volumes.appear(disk("/media/Ärger PEN"));
    start();
    EXPECT_EQ(eventsAfter(1), Strings{"mounted /media/Ärger PEN"});
    volumes.disappear(id);
    EXPECT_EQ(eventsAfter(2), (Strings{"mounted /media/Ärger PEN", "unmounted"}));
}

TEST_F(VolumeDiscoveryTest, AVolumeMountedSoonAfterItAppearedIsReportedWithoutHoldingTheThread)
{
    start();
    const auto ours = volumes.appear(disk(std::nullopt));
    const auto foreign = volumes.appear(disk(std::nullopt, "Other"));
    volumes.mount(foreign, "/media/OTHER");
    volumes.mount(ours, "/media/PEN");
    EXPECT_EQ(eventsAfter(1), Strings{"mounted /media/PEN"});
    // Mounted again after an unmount: it was not waited for any more.
    volumes.unmount(ours);
    volumes.mount(ours, "/media/PEN");
    volumes.appear(disk("/media/NEXT"));
    EXPECT_EQ(eventsAfter(3), (Strings{"mounted /media/PEN", "unmounted", "mounted /media/NEXT"}));
    EXPECT_TRUE(pauses.recorded().empty());
}

TEST_F(VolumeDiscoveryTest, AVolumeMountedMoreThanThreeSecondsAfterItAppearedIsNotReported)
{
    start();
    const auto late = volumes.appear(disk(std::nullopt));
    gui.drain();
    std::this_thread::sleep_for(3100ms);
    volumes.mount(late, "/media/PEN");
    volumes.appear(disk("/media/NEXT")); // handled after the mount
    EXPECT_EQ(eventsAfter(1), Strings{"mounted /media/NEXT"});
    gui.drain();
    EXPECT_EQ(observer.events().size(), 1u);
}

TEST_F(VolumeDiscoveryTest, WithoutARunLoopVolumesAreNotWatched)
{
    testsupport::ScratchDir logFolder(true);
    volumes.appear(disk("/media/PEN", "PEN"));
    manager->init(); // on a thread without a run loop
    EXPECT_EQ(volumes.activeSessionCount(), 0);
    plug();
    EXPECT_EQ(eventsAfter(1), Strings{"inserted"});
}
