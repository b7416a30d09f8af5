#include "ReceiverNotices.h"

#include "ScrivetDeviceObserver.h"

#include <QCoreApplication>

namespace {

bool sameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool oneOf(const QString& text, std::initializer_list<const char*> candidates)
{
    for (const char* candidate : candidates)
        if (sameText(text, QLatin1String(candidate)))
            return true;
    return false;
}

// The observer's charger-state text, translated as it gives it.
QString stateText(ProtocolHandler::ChargerState state) { return ScrivetDeviceObserver::ChargerStateToString(state); }

} // namespace

DeviceManager::IdentifierList receiverIdentifiers(const QString& vid, const QString& pid)
{
    bool vidRead = false;
    bool pidRead = false;
    const int vendor = vid.toInt(&vidRead, 16);
    const int product = pid.toInt(&pidRead, 16);
    if (!vidRead || !pidRead)
        return {};
    return {{vendor, product}};
}

ReceiverEventKind classifyLastEvent(const QString& event)
{
    if (oneOf(event, {"Not enough space", "Space filled during work"}))
        return ReceiverEventKind::MemoryFull;
    if (oneOf(event, {"battery exhausted", "failed to startup - battery low"}))
        return ReceiverEventKind::BatteryShutdown;
    return ReceiverEventKind::Other;
}

QString memoryFullText()
{
    return QCoreApplication::translate("MainWindow",
                                       "The Scrivet receiver has shutdown.  Please free up receiver memory.");
}

QString batteryShutdownText()
{
    return QCoreApplication::translate("MainWindow", "Unit was shut down due to low battery.");
}

QString batteryIconPath(ProtocolHandler::ChargerState state)
{
    const char* name = "battery_not_charging.png";
    switch (state) {
    case ProtocolHandler::BATTERY_CHARGING: name = "battery_in_charge.png"; break;
    case ProtocolHandler::BATTERY_FULL: name = "battery_full.png"; break;
    case ProtocolHandler::BATTERY_CRITICALLY_LOW: name = "battery_critically_low.png"; break;
    default: break;
    }
    return QStringLiteral(":/misc/Resources/miscell/") + QLatin1String(name);
}

QString chargingWarningText(const QString& batteryStatus)
{
    // The status is the observer's text in the user's language, so it is
    // compared with that text, not with the English one alone.
    const auto is = [&batteryStatus](ProtocolHandler::ChargerState state) {
        return !batteryStatus.isEmpty() && sameText(batteryStatus, stateText(state));
    };
    if (is(ProtocolHandler::NOT_CHARGING_LOW_CURRENT))
        return QCoreApplication::translate("MainWindow",
                                           "Warning! Your Scrivet receiver is not charging.  If you wish to charge "
                                           "the receiver, please reconnect to a powered USB port.");
    if (is(ProtocolHandler::BATTERY_NOT_OPERATIONAL))
        return QCoreApplication::translate("MainWindow",
                                           "Warning! Your Scrivet receiver is not charging. Either battery is "
                                           "malfunctioning or it is not properly connected.");
    if (is(ProtocolHandler::BATTERY_CRITICALLY_LOW))
        return QCoreApplication::translate(
            "MainWindow", "Battery level is critical, please charge the receiver for at least 30 minutes.");
    return QString();
}

QString ChargingWarnings::take(const QString& batteryStatus)
{
    const QString warning = chargingWarningText(batteryStatus);
    if (warning.isEmpty() || m_given.contains(warning))
        return QString();
    m_given.insert(warning);
    return warning;
}

void ChargingWarnings::reset() { m_given.clear(); }
