#ifndef DRAVELLO_TESTS_OBSERVER_OBSERVERWIRE_H
#define DRAVELLO_TESTS_OBSERVER_OBSERVERWIRE_H

// The reports the observer's receiver sees, whichever backend carries them:
// its set-up after the settle time, and the commands the dialogs send.

#include "ScrivetDeviceObserver.h"
#include "SimulatedReceiver.h"

#include <QDateTime>
#include <QTest>

#include <string>
#include <vector>

namespace observerwire {

using PlatformSim::Bytes;
using PlatformSim::getRequest;
using PlatformSim::report;

inline const Bytes ReportModeTwo = report({0x80, 0x01, 0x03, 0x01, 0x02});

// From the opening of the device to the announcement.
inline const std::vector<Bytes> Initialisation = {
    ReportModeTwo,                          // on opening
    ReportModeTwo,                          // report mode
    getRequest(0x0B),                       // last event
    report({0x80, 0x01, 0x0B, 0x01, 0x00}), // reset of the last event
    report({0x80, 0x01, 0x02, 0x01, 0x01}), // online mode
    getRequest(0x02),
};

// setRtc(2013-07-04 05:06:07), setPressureThreshold(0x1234),
// getPressureThreshold, getFirmwareVersion, getBatteryStatus,
// restorePressureThresholdFactory, in this order.
inline const std::vector<Bytes> Commands = {
    report({0x80, 0x01, 0x08, 0x01, 13, 7, 4, 7, 6, 5}),
    report({0x80, 0x01, 0x13, 0x01, 0x34, 0x12}),
    getRequest(0x13),
    getRequest(0x01),
    getRequest(0x0E),
    report({0x80, 0x01, 0x10, 0x01}),
};

// The firmware version and charger state that sendCommands expects.
inline void primeReceiver(PlatformSim::SimulatedReceiver& receiver)
{
    receiver.setValue(0x01, {0x0A, 0x21, 0x43, 0x65, 0x01});
    receiver.setValue(0x0E, {ProtocolHandler::BATTERY_CHARGING});
}

// Sends the commands of Commands and checks their answers.
inline void sendCommands(ScrivetDeviceObserver& observer)
{
    QVERIFY(observer.setRtc(QDateTime(QDate(2013, 7, 4), QTime(5, 6, 7))));
    QVERIFY(observer.setPressureThreshold(0x1234));
    unsigned short threshold = 0;
    QVERIFY(observer.getPressureThreshold(&threshold));
    QCOMPARE(threshold, 0x1234);
    QVERIFY(!observer.getPressureThreshold(nullptr));
    std::string version;
    QVERIFY(observer.getFirmwareVersion(version));
    QCOMPARE(version, std::string("165.432.10A"));
    auto state = ProtocolHandler::ChargerState(0);
    QCOMPARE(observer.getBatteryStatus(state), QString("Battery charging"));
    QCOMPARE(state, ProtocolHandler::BATTERY_CHARGING);
    QVERIFY(observer.restorePressureThresholdFactory());
}

inline std::vector<Bytes> completedWrites(const PlatformSim::SimulatedReceiver& receiver)
{
    return PlatformSim::wireReports(receiver, PlatformSim::WireReport::Direction::ToReceiver);
}

} // namespace observerwire

#endif
