#ifndef DRAVELLO_TESTS_DIALOGS_DIALOGTESTSUPPORT_H
#define DRAVELLO_TESTS_DIALOGS_DIALOGTESTSUPPORT_H

// What the dialog tests share: a scratch system root and HOME with a user
// settings file loaded into the store, a scripted prompt, a simulated
// receiver reached through the device manager and an observer with a short
// settle time, and a way to answer the modal choosers the dialogs open.

#include "ApplSettings.h"
#include "DeviceManager.h"
#include "FakeSystemRoot.h"
#include "HidBackend.h"
#include "Pause.h"
#include "ScriptedPrompt.h"
#include "ScrivetDeviceObserver.h"
#include "SimulatedHidBackend.h"
#include "SimulatedReceiver.h"
#include "SimulatedVolumeBackend.h"
#include "TimedWait.h"
#include "VolumeBackend.h"
#include "WhenModal.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace dialogtest {

inline const QString kFactoryFile =
    QStringLiteral(DRAVELLO_TEST_DATA "/../../Dravello/support/dravellofactory.xml");
inline const QString kEulaFolder = QStringLiteral(DRAVELLO_TEST_DATA "/../../Dravello/eula");

// One attribute of the settings file: "group/entry", attribute, value.
struct Setting {
    QString key;
    QString attribute;
    QString value;
};

// The entry element of key in the document, or a null element.
inline QDomElement entryOf(const QDomDocument& document, const QString& key)
{
    const QStringList parts = key.split(QLatin1Char('/'));
    return document.documentElement().firstChildElement(parts.value(0)).firstChildElement(
        parts.value(1));
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Scratch folders, the prompt, and the user settings file in the store.
class SettingsEnvironment {
public:
    SettingsEnvironment() { std::filesystem::create_directories(system.path() / "home"); }

    // Writes the factory settings with the changes as the user file and loads
    // it; a change to a null value removes the attribute.
    bool load(const QList<Setting>& changes = {})
    {
        QDomDocument document;
        if (!document.setContent(fileBytes(kFactoryFile)))
            return false;
        for (const Setting& change : changes) {
            if (change.value.isNull())
                entryOf(document, change.key).removeAttribute(change.attribute);
            else
                entryOf(document, change.key).setAttribute(change.attribute, change.value);
        }
        QFile file(settingsPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(document.toByteArray(1)) < 0)
            return false;
        file.close();
        return store()->readApplSettings(settingsPath, kFactoryFile);
    }

    // The attribute as the settings file on disk holds it.
    QString saved(const QString& key, const QString& attribute) const
    {
        QDomDocument document;
        document.setContent(fileBytes(settingsPath));
        return entryOf(document, key).attribute(attribute);
    }

    // The attribute as the store holds it in memory.
    static QString inMemory(const QString& key, const QString& attribute)
    {
        QString value;
        store()->getAttrValueStr(key, attribute, value);
        return value;
    }

    static ApplSettings* store() { return Singleton<ApplSettings>::instance(); }

    testsupport::FakeSystemRoot system;
    const QString settingsPath = QString::fromStdString((system.path() / "home/dravellouser.xml").string());
    ScriptedPrompt prompt;
};

// The receiver as the main window reaches it: the device manager on the
// simulated backends, and an observer with a settle time of a few
// milliseconds. Pauses of a second or more and timed waits of the program
// last waitScale of the time asked (instant unless set), and are recorded
// (and can be acted on); shorter pauses are instant.
class ReceiverRig {
public:
    static constexpr std::int32_t Vendor = 0x2F1E;
    static constexpr std::int32_t Product = 0x0A01;
    static constexpr std::uint8_t ThresholdCommand = 0x13;
    static constexpr std::uint8_t ClockCommand = 0x08;
    static constexpr std::uint8_t FirmwareCommand = 0x01;

    ReceiverRig()
    {
        DeviceManager* manager = DeviceManager::instance();
        manager->setBackends(hid, volumes);
        manager->setIdentifierList({{Vendor, Product}});
        manager->setVendorName("Scrivet");
        manager->setModelName("Receiver");
        manager->registerObserver(&observer);
        manager->init();
        // Counted on the GUI thread: the unplug signal comes from the device thread.
        QObject::connect(&observer, &ScrivetDeviceObserver::HIDDevicePlugSgnl, &counter,
                         [this](const QString&) { ++plugSignals; });
        QObject::connect(&observer, &ScrivetDeviceObserver::HIDDeviceUnplugSgnl, &counter,
                         [this](const QString&) { ++unplugSignals; });
    }

    ~ReceiverRig()
    {
        if (device)
            hid.unplug(*device);
        DeviceManager* manager = DeviceManager::instance();
        manager->finish();
        manager->registerObserver(nullptr);
        manager->setBackends(Platform::defaultHidBackend(), Platform::defaultVolumeBackend());
    }

    // Plugs the receiver in; true once the observer has announced it.
    bool plug()
    {
        if (!QTest::qWaitFor([this] { return hid.activeWatchCount() == 2; }))
            return false;
        const int before = plugSignals;
        device = hid.plug(receiver, Vendor, Product);
        return QTest::qWaitFor([&] { return plugSignals > before; });
    }

    // Unplugs it; true once the unplug signal arrived.
    bool unplug()
    {
        const int before = unplugSignals;
        hid.unplug(*device);
        device.reset();
        return QTest::qWaitFor([&] { return unplugSignals > before; });
    }

    void setThreshold(unsigned short threshold)
    {
        receiver->setValue(ThresholdCommand, {std::uint8_t(threshold & 0xFF), std::uint8_t(threshold >> 8)});
    }

    unsigned short threshold() const
    {
        const auto value = receiver->value(ThresholdCommand);
        return static_cast<unsigned short>(value[0] | value[1] << 8);
    }

    // The long pauses and waits so far, in milliseconds.
    std::vector<long> longPauses() const
    {
        std::lock_guard<std::mutex> lock(pauseMutex);
        return pauses;
    }

    // Runs at every long pause, on the pausing thread (the GUI thread), and
    // when a long wait starts.
    std::function<void(long)> onLongPause;
    // How much of the time asked long pauses and waits last: 0 instant, 1 all of it.
    std::atomic<double> waitScale{0.0};

    int plugSignals = 0;
    int unplugSignals = 0;
    std::shared_ptr<PlatformSim::SimulatedReceiver> receiver =
        std::make_shared<PlatformSim::SimulatedReceiver>();

private:
    void recordPause(std::chrono::microseconds duration)
    {
        const long ms = long(std::chrono::duration_cast<std::chrono::milliseconds>(duration).count());
        if (ms < 1000)
            return;
        {
            std::lock_guard<std::mutex> lock(pauseMutex);
            pauses.push_back(ms);
        }
        if (onLongPause)
            onLongPause(ms);
    }

    mutable std::mutex pauseMutex;
    std::vector<long> pauses;
    template <class Duration> Duration scaled(Duration asked) const
    {
        return Duration(static_cast<typename Duration::rep>(static_cast<double>(asked.count()) * waitScale));
    }

    // The receiver's short transfer pauses stay instant.
    Platform::PauseOverride instantPauses{[this](std::chrono::microseconds d) {
        recordPause(d);
        if (d >= std::chrono::seconds(1))
            std::this_thread::sleep_for(scaled(d));
    }};
    TimedWaitOverride instantWaits{[this](std::chrono::milliseconds d) {
        recordPause(d);
        return scaled(d);
    }};
    PlatformSim::SimulatedHidBackend hid;
    PlatformSim::SimulatedVolumeBackend volumes;
    std::optional<PlatformSim::SimulatedHidBackend::DeviceId> device;

public:
    ScrivetDeviceObserver observer{nullptr, 10};

private:
    QObject counter;
};

using testsupport::whenModal;

} // namespace dialogtest

#endif
