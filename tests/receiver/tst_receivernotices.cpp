#include "ReceiverNotices.h"
#include "ScrivetDeviceObserver.h"

#include <QPixmap>
#include <QtTest>

using State = ProtocolHandler::ChargerState;

class ReceiverNoticesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(receiver); }

    void identifiersFromTheSettings()
    {
        using List = DeviceManager::IdentifierList;
        QVERIFY(receiverIdentifiers("56a", "221") == (List{{0x56A, 0x221}}));
        QVERIFY(receiverIdentifiers("2F1E", "0a01") == (List{{0x2F1E, 0x0A01}}));
        QVERIFY(receiverIdentifiers("56a", "").empty());
        QVERIFY(receiverIdentifiers("", "221").empty());
        QVERIFY(receiverIdentifiers("56g", "221").empty());
    }

    void lastEvents_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<ReceiverEventKind>("kind");
        QTest::newRow("not enough space") << "Not enough space" << ReceiverEventKind::MemoryFull;
        QTest::newRow("upper case") << "NOT ENOUGH SPACE" << ReceiverEventKind::MemoryFull;
        QTest::newRow("filled during work") << "Space filled during work" << ReceiverEventKind::MemoryFull;
        QTest::newRow("exhausted") << "battery exhausted" << ReceiverEventKind::BatteryShutdown;
        QTest::newRow("failed to start") << "Failed to startup - battery low" << ReceiverEventKind::BatteryShutdown;
        QTest::newRow("no event") << "no event" << ReceiverEventKind::Other;
        QTest::newRow("IR out") << "Shut down on time IR out" << ReceiverEventKind::Other;
        QTest::newRow("too many files") << "too many files" << ReceiverEventKind::Other;
        QTest::newRow("part of a text") << "Not enough space left" << ReceiverEventKind::Other;
    }

    void lastEvents()
    {
        QFETCH(QString, event);
        QFETCH(ReceiverEventKind, kind);
        QCOMPARE(classifyLastEvent(event), kind);
    }

    void chargingWarnings_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("warning");
        QTest::newRow("low current") << "not charging LOW current"
                                     << "Warning! Your Scrivet receiver is not charging.  If you wish to charge the "
                                        "receiver, please reconnect to a powered USB port.";
        QTest::newRow("not operational") << "Battery not operational"
                                         << "Warning! Your Scrivet receiver is not charging. Either battery is "
                                            "malfunctioning or it is not properly connected.";
        QTest::newRow("critically low")
            << ScrivetDeviceObserver::ChargerStateToString(ProtocolHandler::BATTERY_CRITICALLY_LOW)
            << "Battery level is critical, please charge the receiver for at least 30 minutes.";
        QTest::newRow("charging") << "Battery charging" << "";
        QTest::newRow("full") << "Battery full" << "";
        QTest::newRow("not read") << "" << "";
    }

    void chargingWarnings()
    {
        QFETCH(QString, status);
        QFETCH(QString, warning);
        QCOMPARE(chargingWarningText(status), warning);
    }

    void eachChargingProblemIsToldOncePerConnection()
    {
        const QString low = ScrivetDeviceObserver::ChargerStateToString(ProtocolHandler::BATTERY_CRITICALLY_LOW);
        const QString current = ScrivetDeviceObserver::ChargerStateToString(ProtocolHandler::NOT_CHARGING_LOW_CURRENT);
        const QString charging = ScrivetDeviceObserver::ChargerStateToString(ProtocolHandler::BATTERY_CHARGING);
        ChargingWarnings warnings;
        QCOMPARE(warnings.take(charging), QString());
        QCOMPARE(warnings.take(low), chargingWarningText(low));
        QCOMPARE(warnings.take(low), QString());
        QCOMPARE(warnings.take(current), chargingWarningText(current));
        QCOMPARE(warnings.take(charging), QString());
        QCOMPARE(warnings.take(low), QString());
        warnings.reset();
        QCOMPARE(warnings.take(low), chargingWarningText(low));
    }

    void batteryPictures()
    {
        const QString folder = ":/misc/Resources/miscell/";
        QCOMPARE(batteryIconPath(ProtocolHandler::BATTERY_CHARGING), folder + "battery_in_charge.png");
        QCOMPARE(batteryIconPath(ProtocolHandler::BATTERY_FULL), folder + "battery_full.png");
        QCOMPARE(batteryIconPath(ProtocolHandler::BATTERY_CRITICALLY_LOW), folder + "battery_critically_low.png");
        for (State state : {ProtocolHandler::BATTERY_NOT_OPERATIONAL, ProtocolHandler::NOT_CHARGING_LOW_CURRENT,
                            ProtocolHandler::NOT_CHARGING_TOO_COLD, State(200)})
            QCOMPARE(batteryIconPath(state), folder + "battery_not_charging.png");
        for (State state : {ProtocolHandler::BATTERY_CHARGING, ProtocolHandler::BATTERY_FULL,
                            ProtocolHandler::BATTERY_CRITICALLY_LOW, ProtocolHandler::BATTERY_NOT_OPERATIONAL})
            QVERIFY(!QPixmap(batteryIconPath(state)).isNull());
        QVERIFY(!QPixmap(":/misc/Resources/USB/USB_32X32.png").isNull());
    }
};

QTEST_MAIN(ReceiverNoticesTest)
#include "tst_receivernotices.moc"
