#ifndef DRAVELLO_RECEIVER_RECEIVERNOTICES_H
#define DRAVELLO_RECEIVER_RECEIVERNOTICES_H

// How the main window reads what the receiver reports: its identifiers from
// the settings, its last event, its charger state, and the texts and
// pictures the user is shown for them.

#include "DeviceManager.h"
#include "ProtocolHandler.h"

#include <QSet>
#include <QString>

// The one (vendor id, product id) pair from the settings' hexadecimal texts;
// empty unless both convert.
DeviceManager::IdentifierList receiverIdentifiers(const QString& vid, const QString& pid);

enum class ReceiverEventKind { MemoryFull, BatteryShutdown, Other };

// The receiver's last event text, compared case-insensitively.
ReceiverEventKind classifyLastEvent(const QString& event);

// "The Scrivet receiver has shutdown.  Please free up receiver memory."
QString memoryFullText();
// "Unit was shut down due to low battery."
QString batteryShutdownText();

// The battery indicator's picture for a charger state that was read.
QString batteryIconPath(ProtocolHandler::ChargerState state);

// The warning for a charger-state text (as the observer gives it), or the
// empty text when the state needs none.
QString chargingWarningText(const QString& batteryStatus);

// Gives each charging warning once while the receiver stays connected.
class ChargingWarnings {
public:
    // The warning for this state unless it was given since the last reset.
    QString take(const QString& batteryStatus);
    // The receiver went away: every warning may be given again.
    void reset();

private:
    QSet<QString> m_given;
};

#endif
