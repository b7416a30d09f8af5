#ifndef DRAVELLO_TESTS_OBSERVER_OBSERVERSIGNALLOG_H
#define DRAVELLO_TESTS_OBSERVER_OBSERVERSIGNALLOG_H

// Records the observer's signals on the GUI thread, in arrival order; a
// signal emitted on the device thread arrives queued, as in the program.

#include "ScrivetDeviceObserver.h"

#include <QObject>
#include <QStringList>

class ObserverSignalLog : public QObject {
    Q_OBJECT

public:
    explicit ObserverSignalLog(ScrivetDeviceObserver& observer)
    {
        connect(&observer, &ScrivetDeviceObserver::HIDDevicePlugSgnl, this,
                [this](const QString&) { entries << "plug"; });
        connect(&observer, &ScrivetDeviceObserver::HIDDeviceUnplugSgnl, this,
                [this](const QString&) { entries << "unplug"; });
        connect(&observer, &ScrivetDeviceObserver::DiscVolumeMountedSgnl, this,
                [this](const QString& path) { entries << "mounted " + path; });
        connect(&observer, &ScrivetDeviceObserver::DiscVolumeUnMountedSgnl, this,
                [this](const QString& path) { entries << "unmounted " + path; });
        connect(&observer, &ScrivetDeviceObserver::sendLastErrorMsgSgnl, this,
                [this](const QString& text) { entries << "event " + text; });
    }

    QStringList entries;
};

#endif
