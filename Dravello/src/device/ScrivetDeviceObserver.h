#ifndef SCRIVETDEVICEOBSERVER_H
#define SCRIVETDEVICEOBSERVER_H

#include "DeviceObserverInterface.h"
#include "ProtocolHandler.h"
#include "QtRunLoop.h"
#include "ThreadMutex.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <string>

// Turns DeviceManager's receiver events into Qt signals. A receiver that
// appears is given a settle time before the observer sets it up and
// announces it; the receiver commands the dialogs need are offered as plain
// operations. Lives on the GUI thread, whose run loop it makes available to
// DeviceManager for the volume callbacks.
class ScrivetDeviceObserver : public QObject, public DeviceObserverInterface {
    Q_OBJECT

public:
    static constexpr int SettleIntervalMs = 10000;

    explicit ScrivetDeviceObserver(QObject* parent = nullptr,
                                   int settleIntervalMs = SettleIntervalMs);

    // Device thread.
    void handleDeviceInserted(Device* device) override;
    void handleDeviceRemoved(Device* device) override;
    void handleDeviceInputReady(Pelm::Point point) override;
    // GUI thread.
    void handleDiscMounted(const char* path) override;
    void handleDiscUnmounted() override;

    // Receiver commands (GUI thread); each fails without a receiver.
    bool setRtc(QDateTime dateTime);
    bool setPressureThreshold(unsigned short threshold);
    bool getPressureThreshold(unsigned short* threshold);
    bool restorePressureThresholdFactory();
    // Fails too while no receiver is ready.
    bool getFirmwareVersion(std::string& version);
    // The charger state's text, or the empty text when it can't be read;
    // state is written only on success.
    QString getBatteryStatus(ProtocolHandler::ChargerState& state);

    // A receiver is present and not yet removed.
    bool isReady() const;

    static QString eventEnum2Str(ProtocolHandler::ePELM_EVENTS_ENUM event);
    static QString ChargerStateToString(ProtocolHandler::ChargerState state);

signals:
    void updatePelmPointSgnl(Pelm::Point point);
    void HIDDevicePlugSgnl(QString origin);
    void HIDDeviceUnplugSgnl(QString origin);
    void DiscVolumeUnMountedSgnl(QString path);
    void DiscVolumeMountedSgnl(QString path);
    void sendLastErrorMsgSgnl(QString event);

public slots:
    // Sets up the present receiver and announces it.
    void initDeviceAfterTimeout();
    // The settle timer's tick.
    void timerTick();

private:
    // Runs command on the current device under the lock; false without one.
    template <class Command> bool withDevice(Command command);
    // Starts or stops the settle timer on the GUI thread, from any thread.
    void startSettleTimer();
    void stopSettleTimer();

    QString m_statusText;
    QString m_mountPath;
    Device* m_device = nullptr; // guarded by m_lock
    bool m_ready = false;       // guarded by m_lock
    QTimer m_timer;             // GUI thread only
    mutable Pelm::ThreadMutex m_lock;
    const int m_settleIntervalMs;
    QtRunLoop m_guiLoop;
};

#endif
