#include "ManagerForTests.h"
#include "ObserverSignalLog.h"
#include "ObserverWire.h"

#include "Pause.h"
#include "ScrivetDeviceObserver.h"
#include "SimulatedHidBackend.h"
#include "SimulatedReceiver.h"
#include "SimulatedVolumeBackend.h"

#include <QDateTime>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using observerwire::completedWrites;
using observerwire::ReportModeTwo;
using PlatformSim::Bytes;
using PlatformSim::SimulatedHidBackend;
using PlatformSim::SimulatedReceiver;
using PlatformSim::SimulatedVolumeBackend;
using PlatformSim::WireReport;

namespace {

constexpr std::int32_t Vendor = 0x56A;
constexpr std::int32_t Product = 0x221;

int countTransfers(const SimulatedReceiver& receiver, WireReport::Direction direction,
                   bool completed)
{
    int count = 0;
    for (const WireReport& entry : receiver.wireLog())
        count += entry.direction == direction && entry.completed == completed;
    return count;
}

} // namespace

class TestScrivetDeviceObserver : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void announcesTheReceiverAfterTheSettleTimeWithTheInitialisationOnTheWire();
    void theSettleTimeIsNeverCutShort();
    void removalDuringTheSettleTimeGivesOnlyTheUnplug();
    void initialisationSurvivesAReceiverThatFails_data();
    void initialisationSurvivesAReceiverThatFails();
    void aSecondDeviceRestartsTheSettleTime();
    void commandsReachThePresentReceiverOnly();
    void unplugInsideACommandWaitsForIt();
    void plugStormWhileCommandsRun();
    void volumeSignalsCarryTheUtf8PathOfTheLastMount();
    void eventTexts_data();
    void eventTexts();
    void chargerStateTexts_data();
    void chargerStateTexts();

private:
    void start(int settleMs);
    SimulatedHidBackend::DeviceId plug(std::shared_ptr<SimulatedReceiver> device);

    std::unique_ptr<Platform::PauseOverride> instantPauses;
    std::unique_ptr<SimulatedHidBackend> hid;
    std::unique_ptr<SimulatedVolumeBackend> volumes;
    std::shared_ptr<SimulatedReceiver> receiver;
    std::unique_ptr<ScrivetDeviceObserver> observer;
    std::unique_ptr<ObserverSignalLog> log;
    std::vector<SimulatedHidBackend::DeviceId> plugged;
};

void TestScrivetDeviceObserver::start(int settleMs)
{
    instantPauses = std::make_unique<Platform::PauseOverride>([](std::chrono::microseconds) {});
    hid = std::make_unique<SimulatedHidBackend>();
    volumes = std::make_unique<SimulatedVolumeBackend>();
    receiver = std::make_shared<SimulatedReceiver>();
    observer = std::make_unique<ScrivetDeviceObserver>(nullptr, settleMs);
    log = std::make_unique<ObserverSignalLog>(*observer);
    managerfortests::start(*hid, *volumes, {Vendor, Product}, "Nivok", *observer);
}

void TestScrivetDeviceObserver::cleanup()
{
    for (auto id : plugged)
        hid->unplug(id);
    plugged.clear();
    managerfortests::stop(); // handles the removals first
    log.reset();
    observer.reset();
    volumes.reset();
    hid.reset();
    instantPauses.reset();
}

SimulatedHidBackend::DeviceId
TestScrivetDeviceObserver::plug(std::shared_ptr<SimulatedReceiver> device)
{
    plugged.push_back(hid->plug(std::move(device), Vendor, Product));
    return plugged.back();
}

void TestScrivetDeviceObserver::
    announcesTheReceiverAfterTheSettleTimeWithTheInitialisationOnTheWire()
{
    start(1000);
    const auto id = plug(receiver);
    QTRY_VERIFY(observer->isReady());
    // Opened and waiting: nothing said, nothing sent but the report mode on opening.
    QCOMPARE(log->entries, QStringList());
    QVERIFY(completedWrites(*receiver) == std::vector<Bytes>{ReportModeTwo});

    QTRY_COMPARE_WITH_TIMEOUT(log->entries, (QStringList{"event no event", "plug"}), 5000);
    QVERIFY(completedWrites(*receiver) == observerwire::Initialisation);
    QCOMPARE(countTransfers(*receiver, WireReport::Direction::FromReceiver, true), 2);

    hid->unplug(id);
    QTRY_COMPARE(log->entries, (QStringList{"event no event", "plug", "unplug"}));
    QVERIFY(!observer->isReady());
}

// A coarse timer of 10 s may end up to half a second early, to fall on a
// whole second of the system's steady clock: started at .45 s past one, it
// would end near 9.55 s. The receiver is plugged in at that moment.
void TestScrivetDeviceObserver::theSettleTimeIsNeverCutShort()
{
    using Clock = std::chrono::steady_clock;
    start(ScrivetDeviceObserver::SettleIntervalMs);
    Clock::time_point announced;
    connect(observer.get(), &ScrivetDeviceObserver::HIDDevicePlugSgnl, this,
            [&] { announced = Clock::now(); });
    const auto intoSecond = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
                   .count() %
               1000;
    };
    while (intoSecond() < 440 || intoSecond() >= 460)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const Clock::time_point plugged = Clock::now();
    plug(receiver);
    QTRY_VERIFY_WITH_TIMEOUT(announced != Clock::time_point(), 15000);
    const auto settled = std::chrono::duration_cast<std::chrono::milliseconds>(announced - plugged);
    qInfo("announced %lld ms after the plug", static_cast<long long>(settled.count()));
    QVERIFY2(settled.count() >= ScrivetDeviceObserver::SettleIntervalMs,
             qPrintable(QString::number(settled.count())));
}

void TestScrivetDeviceObserver::removalDuringTheSettleTimeGivesOnlyTheUnplug()
{
    start(1000);
    const auto id = plug(receiver);
    QTRY_VERIFY(observer->isReady());
    hid->unplug(id);
    QTRY_COMPARE(log->entries, QStringList{"unplug"});
    QTest::qWait(1200); // past the settle time
    QCOMPARE(log->entries, QStringList{"unplug"});
    QVERIFY(completedWrites(*receiver) == std::vector<Bytes>{ReportModeTwo});
}

void TestScrivetDeviceObserver::initialisationSurvivesAReceiverThatFails_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("failedWrites");
    QTest::newRow("last event 2") << 0 << QStringList{"event Space filled during work", "plug"}
                                  << 0;
    QTest::newRow("reads fail") << 1 << QStringList{"plug"} << 0;
    // Silent from its opening on: five writes time out, and it is still announced.
    QTest::newRow("silent") << 2 << QStringList{"plug"} << 5;
}

void TestScrivetDeviceObserver::initialisationSurvivesAReceiverThatFails()
{
    QFETCH(int, fault);
    QFETCH(QStringList, expected);
    QFETCH(int, failedWrites);
    start(20);
    receiver->setValue(0x0B, {0x02});
    if (fault == 1)
        receiver->setReadsFail(true);
    if (fault == 2)
        receiver->setSilent(true);
    plug(receiver);
    QTRY_COMPARE_WITH_TIMEOUT(log->entries, expected, 5000);
    QCOMPARE(countTransfers(*receiver, WireReport::Direction::ToReceiver, false), failedWrites);
}

void TestScrivetDeviceObserver::aSecondDeviceRestartsTheSettleTime()
{
    start(1000);
    auto second = std::make_shared<SimulatedReceiver>();
    plug(receiver);
    QTRY_VERIFY(observer->isReady());
    plug(second);
    QTRY_COMPARE_WITH_TIMEOUT(log->entries, (QStringList{"event no event", "plug"}), 5000);
    QTest::qWait(400);
    QCOMPARE(log->entries, (QStringList{"event no event", "plug"}));
    QVERIFY(completedWrites(*receiver) == std::vector<Bytes>{ReportModeTwo});
    QCOMPARE(completedWrites(*second).size(), std::size_t(6));
}

void TestScrivetDeviceObserver::commandsReachThePresentReceiverOnly()
{
    start(60000); // stays in its settle time: commands work there too
    observerwire::primeReceiver(*receiver);
    const auto id = plug(receiver);
    QTRY_VERIFY(observer->isReady());
    receiver->clearWireLog();
    observerwire::sendCommands(*observer);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(completedWrites(*receiver) == observerwire::Commands);

    receiver->setReadsFail(true);
    auto state = ProtocolHandler::BATTERY_FULL;
    QCOMPARE(observer->getBatteryStatus(state), QString());
    QCOMPARE(state, ProtocolHandler::BATTERY_FULL);

    hid->unplug(id);
    QTRY_COMPARE(log->entries, QStringList{"unplug"});
    receiver->clearWireLog();
    QVERIFY(!observer->setRtc(QDateTime::currentDateTime()));
    QVERIFY(!observer->setPressureThreshold(1));
    unsigned short threshold = 0;
    QVERIFY(!observer->getPressureThreshold(&threshold));
    std::string version;
    QVERIFY(!observer->getFirmwareVersion(version));
    QVERIFY(!observer->restorePressureThresholdFactory());
    QCOMPARE(observer->getBatteryStatus(state), QString());
    QVERIFY(receiver->wireLog().empty());
}

void TestScrivetDeviceObserver::unplugInsideACommandWaitsForIt()
{
    start(60000);
    const auto id = plug(receiver);
    QTRY_VERIFY(observer->isReady());
    receiver->setTransferHook([&] {
        hid->unplug(id);
        std::this_thread::sleep_for(
            std::chrono::milliseconds(20)); // the device thread tries to remove it now
    });
    unsigned short threshold = 0;
    QVERIFY(!observer->getPressureThreshold(&threshold));
    QTRY_COMPARE(log->entries, QStringList{"unplug"});
    QVERIFY(!observer->getPressureThreshold(&threshold));
}

void TestScrivetDeviceObserver::plugStormWhileCommandsRun()
{
    start(1);
    QTRY_COMPARE(hid->activeWatchCount(), 2); // armed before the storm
    std::atomic<bool> done{false};
    std::thread storm([&] {
        for (int round = 0; round < 40; ++round) {
            const auto id = hid->plug(receiver, Vendor, Product);
            std::this_thread::sleep_for(std::chrono::milliseconds(round % 4));
            hid->unplug(id);
        }
        done = true;
    });
    std::string version;
    unsigned short threshold = 0;
    auto state = ProtocolHandler::ChargerState(0);
    while (!done) {
        observer->getFirmwareVersion(version);
        observer->getPressureThreshold(&threshold);
        observer->getBatteryStatus(state);
        QCoreApplication::processEvents();
    }
    storm.join();
    QTRY_COMPARE(log->entries.count("unplug"), 40);
    QTest::qWait(20);
    QVERIFY(!observer->isReady());
    QVERIFY(log->entries.count("plug") <= 40);
    QCOMPARE(log->entries.last(), QString("unplug"));
}

void TestScrivetDeviceObserver::volumeSignalsCarryTheUtf8PathOfTheLastMount()
{
    start(60000);
    observer->handleDiscUnmounted(); // no mount yet in this run
    const auto id = volumes->appear(
        Platform::VolumeDescription{std::string("NIVOK"), std::string("receiver"),
                                    std::string("/media/Ärger"), std::string("Ärger")});
    QTRY_COMPARE(log->entries.size(), 2);
    volumes->disappear(id);
    QTRY_COMPARE(log->entries, (QStringList{"unmounted ", QString::fromUtf8("mounted /media/Ärger"),
                                            QString::fromUtf8("unmounted /media/Ärger")}));
}

void TestScrivetDeviceObserver::eventTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const char* const texts[] = {"no event",
                                 "Not enough space",
                                 "Space filled during work",
                                 "Shut down on time IR out",
                                 "battery exhausted",
                                 "too many files",
                                 "failed to startup - battery low",
                                 "MAX_NUMBER_OF_PELM_EVENTS"};
    for (int code = 0; code < 8; ++code)
        QTest::addRow("%d", code) << code << QString(texts[code]);
    QTest::newRow("8") << 8 << QString("invalid event type");
    QTest::newRow("255") << 255 << QString("invalid event type");
}

void TestScrivetDeviceObserver::eventTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(ScrivetDeviceObserver::eventEnum2Str(ProtocolHandler::ePELM_EVENTS_ENUM(code)), text);
}

void TestScrivetDeviceObserver::chargerStateTexts_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    const QString tooHot =
        "Warning! Your Scrivet receiver is not charging. Receiver temperature is too high";
    QTest::newRow("0") << 0 << QString("Invalid battery state");
    QTest::newRow("1") << 1 << QString("Battery not operational");
    QTest::newRow("2") << 2 << QString("Battery is critically low");
    QTest::newRow("3") << 3 << QString("Battery charging");
    QTest::newRow("4") << 4 << QString("Battery full");
    QTest::newRow("5") << 5 << QString("Not charging low current");
    QTest::newRow("6") << 6 << tooHot;
    QTest::newRow("7") << 7 << tooHot;
    QTest::newRow("8")
        << 8
        << QString(
               "Warning! Your Scrivet receiver is not charging. Receiver temperature is too low");
    QTest::newRow("9") << 9 << QString("Invalid battery state");
    QTest::newRow("255") << 255 << QString("Invalid battery state");
}

void TestScrivetDeviceObserver::chargerStateTexts()
{
    QFETCH(int, state);
    QFETCH(QString, text);
    QCOMPARE(ScrivetDeviceObserver::ChargerStateToString(ProtocolHandler::ChargerState(state)),
             text);
}

QTEST_GUILESS_MAIN(TestScrivetDeviceObserver)
#include "tst_ScrivetDeviceObserver.moc"
