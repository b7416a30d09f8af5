// The observer on this machine's HID and volume backends, over a receiver and
// a disk faked with umockdev: the set-up and command reports of the simulated
// receiver's tests replayed through a real hidraw node, and the GUI thread
// left live while a volume's mount is awaited.

#include "ManagerForTests.h"
#include "ObserverSignalLog.h"
#include "ObserverWire.h"

#include "FakeReceiverBed.h"
#include "GuiGapLimit.h"
#include "Pause.h"
#include "ScrivetDeviceObserver.h"
#include "UdevVolumeBackend.h"

#include <QElapsedTimer>
#include <QtTest>

#include <sys/sysmacros.h>

#include <memory>
#include <thread>

using observerwire::completedWrites;
using PlatformSim::FakeReceiverBed;
using PlatformSim::SimulatedReceiver;

namespace {

constexpr std::int32_t Vendor = 0x2F1E;
constexpr std::int32_t Product = 0x0A01;

} // namespace

class TestObserverOverUdev : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void announcesTheReceiverWithItsSetUpOnTheWire();
    void commandsReachTheReceiverThroughItsNode();
    void waitingForAVolumeToMountLeavesTheGuiThreadLive();

private:
    void start(int settleMs);

    std::unique_ptr<FakeReceiverBed> bed;
    std::unique_ptr<PlatformSim::MountTableFile> table;
    std::unique_ptr<Platform::UdevVolumeBackend> volumes;
    std::unique_ptr<Platform::PauseOverride> instantPauses;
    std::shared_ptr<SimulatedReceiver> receiver;
    std::unique_ptr<ScrivetDeviceObserver> observer;
    std::unique_ptr<ObserverSignalLog> log;
};

void TestObserverOverUdev::init()
{
    bed = std::make_unique<FakeReceiverBed>();
    QVERIFY2(bed->isActive(), "the test must run under umockdev's preload library");
    table = std::make_unique<PlatformSim::MountTableFile>();
    volumes = std::make_unique<Platform::UdevVolumeBackend>(table->path());
    instantPauses = std::make_unique<Platform::PauseOverride>([](std::chrono::microseconds) {});
    receiver = std::make_shared<SimulatedReceiver>();
}

void TestObserverOverUdev::start(int settleMs)
{
    observer = std::make_unique<ScrivetDeviceObserver>(nullptr, settleMs);
    log = std::make_unique<ObserverSignalLog>(*observer);
    managerfortests::start(Platform::defaultHidBackend(), *volumes, {Vendor, Product}, "Scrivet",
                           *observer);
}

void TestObserverOverUdev::cleanup()
{
    managerfortests::stop();
    log.reset();
    observer.reset();
    instantPauses.reset();
    volumes.reset();
    table.reset();
    bed.reset();
}

void TestObserverOverUdev::announcesTheReceiverWithItsSetUpOnTheWire()
{
    start(20);
    const auto id = bed->plugReceiver(receiver, Vendor, Product);
    QTRY_COMPARE_WITH_TIMEOUT(log->entries, (QStringList{"event no event", "plug"}), 5000);
    QVERIFY(completedWrites(*receiver) == observerwire::Initialisation);
    bed->unplug(id);
    QTRY_COMPARE(log->entries, (QStringList{"event no event", "plug", "unplug"}));
    QVERIFY(!observer->isReady());
}

void TestObserverOverUdev::commandsReachTheReceiverThroughItsNode()
{
    start(60000); // stays in its settle time: commands work there too
    observerwire::primeReceiver(*receiver);
    const auto id = bed->plugReceiver(receiver, Vendor, Product);
    QTRY_VERIFY(observer->isReady());
    receiver->clearWireLog();
    observerwire::sendCommands(*observer);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(completedWrites(*receiver) == observerwire::Commands);

    bed->unplug(id);
    QTRY_COMPARE(log->entries, QStringList{"unplug"});
    receiver->clearWireLog();
    QVERIFY(!observer->setRtc(QDateTime::currentDateTime()));
    unsigned short threshold = 0;
    QVERIFY(!observer->getPressureThreshold(&threshold));
    QVERIFY(receiver->wireLog().empty());
}

void TestObserverOverUdev::waitingForAVolumeToMountLeavesTheGuiThreadLive()
{
    instantPauses.reset(); // a wait spent as a pause of this thread would show
    start(60000);
    // Not mounted yet.
    bed->plugDisk(
        PlatformSim::FakeReceiverBed::usbStorage("Scrivet", "Receiver", "SCRIVET", makedev(8, 16)));

    // Ticks of this thread from now on; the mount comes from another thread.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticks;
    ticks.setInterval(10);
    connect(&ticks, &QTimer::timeout, this, [&] {
        const qint64 now = clock.elapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    });
    ticks.start();
    std::thread mounter([this] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        table->write("70 22 8:16 / /media/user/SCRIVET rw,relatime - vfat /dev/sdb rw\n");
    });
    QTRY_COMPARE_WITH_TIMEOUT(log->entries, QStringList{"mounted /media/user/SCRIVET"}, 5000);
    QTest::qWait(int(std::max<qint64>(0, 3500 - clock.elapsed()))); // past the whole wait
    ticks.stop();
    mounter.join();
    qInfo("longest gap between GUI-thread ticks while the mount was awaited: %lld ms",
          static_cast<long long>(longestGap));
    QVERIFY2(longestGap < testsupport::kLongestGuiGapMs, qPrintable(QString("%1 ms").arg(longestGap)));
}

QTEST_GUILESS_MAIN(TestObserverOverUdev)
#include "tst_ObserverOverUdev.moc"
