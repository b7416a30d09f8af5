#include "ScrivetDeviceObserver.h"

#include "Device.h"

#include <QDebug>
#include <QMetaObject>

ScrivetDeviceObserver::ScrivetDeviceObserver(QObject* parent, int settleIntervalMs)
    : QObject(parent), m_settleIntervalMs(settleIntervalMs)
{
    // A coarse timer may end a wait of seconds early by some hundred milliseconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    if (!connect(&m_timer, &QTimer::timeout, this, &ScrivetDeviceObserver::timerTick))
        qDebug() << " connect timer failed";
}

void ScrivetDeviceObserver::handleDeviceInserted(Device* device)
{
    Pelm::MutexGuard guard(m_lock);
    startSettleTimer();
    m_ready = true;
    m_device = device;
}

void ScrivetDeviceObserver::handleDeviceRemoved(Device*)
{
    Pelm::MutexGuard guard(m_lock);
    m_ready = false;
    m_device = nullptr;
    stopSettleTimer();
    emit HIDDeviceUnplugSgnl(QStringLiteral("ScrivetDeviceObserver::handleDeviceRemoved"));
}

void ScrivetDeviceObserver::handleDeviceInputReady(Pelm::Point) {}

void ScrivetDeviceObserver::handleDiscMounted(const char* path)
{
    m_mountPath = QString::fromUtf8(path);
    emit DiscVolumeMountedSgnl(m_mountPath);
}

void ScrivetDeviceObserver::handleDiscUnmounted() { emit DiscVolumeUnMountedSgnl(m_mountPath); }

bool ScrivetDeviceObserver::setRtc(QDateTime dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    const ProtocolHandler::DateTime clock{
        static_cast<std::uint16_t>(date.year()),  static_cast<std::uint8_t>(date.month()),
        static_cast<std::uint8_t>(date.day()),    static_cast<std::uint8_t>(time.hour()),
        static_cast<std::uint8_t>(time.minute()), static_cast<std::uint8_t>(time.second())};
    return withDevice([&](ProtocolHandler& protocol) { return protocol.setDateTime(clock); });
}

bool ScrivetDeviceObserver::setPressureThreshold(unsigned short threshold)
{
    return withDevice(
        [&](ProtocolHandler& protocol) { return protocol.setPressureThreshold(threshold); });
}

bool ScrivetDeviceObserver::getPressureThreshold(unsigned short* threshold)
{
    return threshold && withDevice([&](ProtocolHandler& protocol) {
               return protocol.getPressureThreshold(*threshold);
           });
}

bool ScrivetDeviceObserver::restorePressureThresholdFactory()
{
    return withDevice([](ProtocolHandler& protocol) { return protocol.Restore2FactorySettigns(); });
}

bool ScrivetDeviceObserver::getFirmwareVersion(std::string& version)
{
    Pelm::MutexGuard guard(m_lock);
    return m_ready && withDevice([&](ProtocolHandler& protocol) {
               return protocol.getFirmwareVersion(version);
           });
}

QString ScrivetDeviceObserver::getBatteryStatus(ProtocolHandler::ChargerState& state)
{
    ProtocolHandler::ChargerState read{};
    const bool done =
        withDevice([&](ProtocolHandler& protocol) { return protocol.getBatteryState(read); });
    m_statusText = done ? ChargerStateToString(read) : QString();
    if (done)
        state = read;
    return m_statusText;
}

bool ScrivetDeviceObserver::isReady() const
{
    Pelm::MutexGuard guard(m_lock);
    return m_ready;
}

QString ScrivetDeviceObserver::eventEnum2Str(ProtocolHandler::ePELM_EVENTS_ENUM event)
{
    switch (event) {
    case ProtocolHandler::NO_EVENT: return QStringLiteral("no event");
    case ProtocolHandler::NOT_ENOUGH_SPACE: return QStringLiteral("Not enough space");
    case ProtocolHandler::SPACE_FILLED_DURING_WORK:
        return QStringLiteral("Space filled during work");
    case ProtocolHandler::SHUT_DOWN_ON_TIME_IR_OUT:
        return QStringLiteral("Shut down on time IR out");
    case ProtocolHandler::BATTERY_EXHAUSTED: return QStringLiteral("battery exhausted");
    case ProtocolHandler::TOO_MANY_FILES: return QStringLiteral("too many files");
    case ProtocolHandler::FAILED_TO_STARTUP_BATTERY_LOW:
        return QStringLiteral("failed to startup - battery low");
    case ProtocolHandler::MAX_NUMBER_OF_PELM_EVENTS:
        return QStringLiteral("MAX_NUMBER_OF_PELM_EVENTS");
    }
    return QStringLiteral("invalid event type");
}

QString ScrivetDeviceObserver::ChargerStateToString(ProtocolHandler::ChargerState state)
{
    switch (state) {
    case ProtocolHandler::BATTERY_NOT_OPERATIONAL: return tr("Battery not operational");
    case ProtocolHandler::BATTERY_CRITICALLY_LOW: return tr("Battery is critically low");
    case ProtocolHandler::BATTERY_CHARGING: return tr("Battery charging");
    case ProtocolHandler::BATTERY_FULL: return tr("Battery full");
    case ProtocolHandler::NOT_CHARGING_LOW_CURRENT: return tr("Not charging low current");
    case ProtocolHandler::NOT_CHARGING_TOO_HOT:
    case ProtocolHandler::NOT_CHARGING_TOO_HOT_ALSO:
        return tr(
            "Warning! Your Scrivet receiver is not charging. Receiver temperature is too high");
    case ProtocolHandler::NOT_CHARGING_TOO_COLD:
        return tr(
            "Warning! Your Scrivet receiver is not charging. Receiver temperature is too low");
    }
    return tr("Invalid battery state");
}

void ScrivetDeviceObserver::initDeviceAfterTimeout()
{
    Pelm::MutexGuard guard(m_lock);
    if (!m_ready)
        return;
    m_device->setReportMode();
    ProtocolHandler protocol(m_device);
    ProtocolHandler::ePELM_EVENTS_ENUM event{};
    if (protocol.getLastError(event))
        emit sendLastErrorMsgSgnl(eventEnum2Str(event));
    protocol.resetLastError();
    protocol.unlockOnlineMode();
    emit HIDDevicePlugSgnl(QStringLiteral("ScrivetDeviceObserver::handleDeviceInsertedSlot()"));
}

void ScrivetDeviceObserver::timerTick()
{
    Pelm::MutexGuard guard(m_lock);
    if (!m_ready)
        return;
    qDebug() << "ScrivetDeviceObserver :: timerTick";
    m_timer.stop();
    initDeviceAfterTimeout();
}

template <class Command> bool ScrivetDeviceObserver::withDevice(Command command)
{
    Pelm::MutexGuard guard(m_lock);
    if (!m_device)
        return false;
    ProtocolHandler protocol(m_device);
    return command(protocol);
}

void ScrivetDeviceObserver::startSettleTimer()
{
    QMetaObject::invokeMethod(
        this, [this] { m_timer.start(m_settleIntervalMs); }, Qt::QueuedConnection);
}

void ScrivetDeviceObserver::stopSettleTimer()
{
    QMetaObject::invokeMethod(
        this, [this] { m_timer.stop(); }, Qt::QueuedConnection);
}
