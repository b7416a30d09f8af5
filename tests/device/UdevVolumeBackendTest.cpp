// The volume backend of this machine over umockdev's fake block devices, with
// mount tables from fixture files that replace one another as the system's
// table would change.

#include "EventLog.h"
#include "FakeReceiverBed.h"
#include "LoopThread.h"
#include "UdevVolumeBackend.h"

#include <gtest/gtest.h>

#include <sys/sysmacros.h>

using Strings = std::vector<std::string>;

namespace {

const std::string Tables = DEVICE_MOUNT_TABLES;
const dev_t Number = makedev(8, 16); // the disk's number in the fixtures

std::string text(const std::optional<std::string>& value) { return value.value_or("-"); }

} // namespace

class UdevVolumeBackendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bed.isActive()) << "the test must run under umockdev's preload library";
        table.copyFrom(Tables + "/root.mountinfo");
    }

    void TearDown() override
    {
        gui.call([this] { session.reset(); });
    }

    void listen()
    {
        gui.call([this] {
            session = backend.listen(*Platform::RunLoop::current(),
                                     {[this](const auto& disk) { record("appeared", disk); },
                                      [this](const auto& disk) { record("mounted", disk); },
                                      [this](const auto& disk) { record("gone", disk); }});
        });
    }

    void record(const char* what, const Platform::VolumeDescription& disk)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            described = disk;
        }
        log.record(std::string(what) + " " + text(disk.volumePath));
    }

    Strings eventsAfter(std::size_t count)
    {
        EXPECT_TRUE(log.waitForEvents(count)) << "only " << log.events().size();
        return log.events();
    }

    PlatformSim::FakeReceiverBed bed; // first: it outlives the listener
    PlatformSim::MountTableFile table;
    Platform::UdevVolumeBackend backend{table.path()};
    LoopThread gui;
    std::unique_ptr<Platform::VolumeSession> session; // made and ended on gui
    EventLog log;
    std::mutex mutex;
    Platform::VolumeDescription described; // the last one reported
};

// udev writes the vendor and model as the INQUIRY fields hold them
// ("Scrivet\x20", "Pen\x20Receiver\x20\x20\x20\x20"); the disk is described
// by the names the device reports.
TEST_F(UdevVolumeBackendTest, ADiskPresentAtStartIsDescribedByItsNamesAndUnescapedMountPoint)
{
    table.copyFrom(Tables + "/blanks.mountinfo");
    bed.plugDisk(
        PlatformSim::FakeReceiverBed::usbStorage("Scrivet", "Pen Receiver", "MY PEN", Number));
    listen();
    EXPECT_EQ(eventsAfter(1), Strings{"appeared /media/user/MY PEN "});
    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_EQ(text(described.deviceVendor), "Scrivet");
    EXPECT_EQ(text(described.deviceModel), "Pen Receiver");
    EXPECT_EQ(text(described.volumeName), "MY PEN");
    EXPECT_EQ(text(described.deviceNode).rfind("/dev/sd", 0), 0u);
}

TEST_F(UdevVolumeBackendTest, MountsAndUnmountsAreFollowedAsTheTableChanges)
{
    listen();
    const auto disk = bed.plugDisk({"Scrivet", "Receiver", "SCRIVET", Number});
    EXPECT_EQ(eventsAfter(1), Strings{"appeared -"});
    struct Step {
        const char* table;
        Strings added; // the reports that change brings
    };
    const Step steps[] = {
        {"mounted", {"mounted /media/user/SCRIVET"}},
        {"twice", {}}, // a second mount leaves the first reported
        {"copy", {"gone /media/user/SCRIVET", "mounted /mnt/copy"}},
        {"twice", {}}, // it stays where it was last reported
        {"root", {"gone /mnt/copy"}},
        {"mounted", {"mounted /media/user/SCRIVET"}},
    };
    Strings expected = log.events();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.table);
        table.copyFrom(Tables + "/" + step.table + ".mountinfo");
        // A disk plugged in after the change is reported after it.
        const auto marker = bed.plugDisk({"Marker", "Disk", "M", makedev(8, 99)});
        expected.insert(expected.end(), step.added.begin(), step.added.end());
        expected.push_back("appeared -");
        EXPECT_EQ(eventsAfter(expected.size()), expected);
        bed.unplug(marker);
        expected.push_back("gone -");
        EXPECT_EQ(eventsAfter(expected.size()), expected);
    }
    // Pulled out while mounted: gone once.
    bed.unplug(disk);
    table.copyFrom(Tables + "/root.mountinfo");
    bed.plugDisk({"Marker", "Disk", "M", makedev(8, 99)});
    expected.push_back("gone /media/user/SCRIVET");
    expected.push_back("appeared -");
    EXPECT_EQ(eventsAfter(expected.size()), expected);
}

TEST_F(UdevVolumeBackendTest, ADiskUnmountedBeforeItIsPulledOutGoesOnlyOnce)
{
    table.copyFrom(Tables + "/mounted.mountinfo");
    const auto disk = bed.plugDisk({"Scrivet", "Receiver", "SCRIVET", Number});
    listen();
    EXPECT_EQ(eventsAfter(1), Strings{"appeared /media/user/SCRIVET"});
    table.copyFrom(Tables + "/root.mountinfo");
    EXPECT_EQ(eventsAfter(2), (Strings{"appeared /media/user/SCRIVET", "gone /media/user/SCRIVET"}));
    bed.unplug(disk);
    bed.plugDisk({"Marker", "Disk", "M", makedev(8, 99)});
    EXPECT_EQ(eventsAfter(3), (Strings{"appeared /media/user/SCRIVET", "gone /media/user/SCRIVET",
                                       "appeared -"}));
}
