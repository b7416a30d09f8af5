// The window's side of the receiver, driven through the device manager by
// the simulated receiver and volumes. The observer announces a receiver
// after its real settle time of ten seconds.

#include "DialogTestSupport.h"
#include "DirView.h"
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

constexpr std::uint8_t LastEventCommand = 0x0B;
constexpr std::uint8_t ChargerStateCommand = 0x0E;
constexpr int AnnouncedMs = 20000;

const QString kMemoryFull = "The Scrivet receiver has shutdown.  Please free up receiver memory.";
const QString kCritical = "Battery level is critical, please charge the receiver for at least 30 minutes.";

// The folders the window asked the desktop to show.
class OpenedFolders : public QObject {
    Q_OBJECT

public:
    OpenedFolders() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedFolders() override { QDesktopServices::unsetUrlHandler("file"); }

    QStringList paths;

public slots:
    void open(const QUrl& url) { paths << url.toLocalFile(); }
};

bool fullyTransparent(const QLabel& label)
{
    const QImage image = label.pixmap().toImage();
    if (image.isNull())
        return false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

class TestMainWindowReceiver : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void memoryFullBeforeTheMountOpensTheVolumeWhenItMounts();
    void memoryFullAfterTheVolumeWentAwayWaitsForTheNextMount();
    void batteryPollShowsTheStateAndWarnsOncePerConnection();
    void treeFollowsTheVolume();

private:
    void plug();
    void unplug();
    void mount();
    void unmount();
    void tick() { QVERIFY(QMetaObject::invokeMethod(window.get(), "shootBatteryStatusSlot")); }
    QTimer* batteryTimer() const;
    QLabel* batteryLabel() const;
    QString trayTip() const { return window->findChild<QSystemTrayIcon*>()->toolTip(); }

    std::unique_ptr<dialogtest::SettingsEnvironment> environment;
    std::unique_ptr<Platform::PauseOverride> instantPauses;
    std::unique_ptr<PlatformSim::SimulatedHidBackend> hid;
    std::unique_ptr<PlatformSim::SimulatedVolumeBackend> volumes;
    std::shared_ptr<PlatformSim::SimulatedReceiver> receiver;
    std::optional<PlatformSim::SimulatedHidBackend::DeviceId> device;
    std::optional<PlatformSim::SimulatedVolumeBackend::VolumeId> volume;
    std::unique_ptr<OpenedFolders> opened;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QSignalSpy> plugs;
    QString volumePath;
};

void TestMainWindowReceiver::init()
{
    environment = std::make_unique<dialogtest::SettingsEnvironment>();
    QVERIFY(environment->load());
    instantPauses = std::make_unique<Platform::PauseOverride>([](std::chrono::microseconds) {});
    hid = std::make_unique<PlatformSim::SimulatedHidBackend>();
    volumes = std::make_unique<PlatformSim::SimulatedVolumeBackend>();
    receiver = std::make_shared<PlatformSim::SimulatedReceiver>();
    opened = std::make_unique<OpenedFolders>();
    DeviceManager::instance()->setBackends(*hid, *volumes);
    volumePath = QString::fromStdString((environment->system.path() / "Volumes/SCRIVET").string());
    QDir().mkpath(volumePath + "/My Sketches");

    window = std::make_unique<MainWindow>();
    QVERIFY(window->init(QString::fromStdString(environment->system.documents().string()),
                         environment->settingsPath));
    plugs = std::make_unique<QSignalSpy>(window.get(), &MainWindow::handleHIDDevicePlugSgnl);
    QCOMPARE(trayTip(), QString("Scrivet Dravello is disconnected"));
}

void TestMainWindowReceiver::cleanup()
{
    if (device)
        hid->unplug(*device);
    device.reset();
    volume.reset();
    plugs.reset();
    window.reset(); // finishes the device manager
    DeviceManager::instance()->registerObserver(nullptr);
    DeviceManager::instance()->setBackends(Platform::defaultHidBackend(), Platform::defaultVolumeBackend());
    opened.reset();
    volumes.reset();
    hid.reset();
    instantPauses.reset();
    environment.reset();
}

void TestMainWindowReceiver::plug()
{
    QTRY_COMPARE(hid->activeWatchCount(), 2);
    const int before = plugs->count();
    device = hid->plug(receiver, dialogtest::ReceiverRig::Vendor, dialogtest::ReceiverRig::Product);
    QTRY_VERIFY_WITH_TIMEOUT(plugs->count() > before, AnnouncedMs);
}

void TestMainWindowReceiver::unplug()
{
    QSignalSpy unplugs(window.get(), &MainWindow::handleHIDDeviceUnplugSgnl);
    hid->unplug(*device);
    device.reset();
    QTRY_COMPARE(unplugs.count(), 1);
}

void TestMainWindowReceiver::mount()
{
    volume = volumes->appear({"Scrivet", "Receiver", volumePath.toStdString(), "SCRIVET"});
    QTRY_VERIFY(window->receiverVolumeMounted());
}

void TestMainWindowReceiver::unmount()
{
    volumes->disappear(*volume);
    volume.reset();
    QTRY_VERIFY(!window->receiverVolumeMounted());
}

QTimer* TestMainWindowReceiver::batteryTimer() const
{
    for (QTimer* timer : window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
        if (timer->interval() == 30000)
            return timer;
    return nullptr;
}

QLabel* TestMainWindowReceiver::batteryLabel() const
{
    for (QLabel* label : window->statusBar()->findChildren<QLabel*>())
        if (label->pixmap().size() == QSize(32, 24) || !label->toolTip().isEmpty())
            return label;
    return nullptr;
}

void TestMainWindowReceiver::memoryFullBeforeTheMountOpensTheVolumeWhenItMounts()
{
    receiver->setValue(LastEventCommand, {ProtocolHandler::NOT_ENOUGH_SPACE});
    plug();
    QCOMPARE(trayTip(), QString("Scrivet Dravello is connected"));
    QCOMPARE(environment->prompt.texts(), QStringList{kMemoryFull});
    QCOMPARE(environment->prompt.requests.first().icon, QMessageBox::Critical);
    QCOMPARE(opened->paths, QStringList());
    QVERIFY(batteryTimer() && batteryTimer()->isActive());

    mount();
    QCOMPARE(opened->paths, QStringList{volumePath});
    // Only once.
    unmount();
    mount();
    QCOMPARE(opened->paths, QStringList{volumePath});

    unplug();
    QCOMPARE(trayTip(), QString("Scrivet Dravello is disconnected"));
    QVERIFY(!batteryTimer()->isActive());
    QVERIFY(!window->findChild<QAction*>("actionBack")->isEnabled());
    QVERIFY(!window->findChild<QAction*>("actionForward")->isEnabled());
}

void TestMainWindowReceiver::memoryFullAfterTheVolumeWentAwayWaitsForTheNextMount()
{
    mount();
    receiver->setValue(LastEventCommand, {ProtocolHandler::SPACE_FILLED_DURING_WORK});
    plug();
    QCOMPARE(environment->prompt.texts(), QStringList{kMemoryFull});
    QCOMPARE(opened->paths, QStringList{QDir::toNativeSeparators(volumePath + "/My Sketches")});
    opened->paths.clear();
    unmount();
    mount(); // the volume's top folder at the next mount
    QCOMPARE(opened->paths, QStringList{volumePath});
    opened->paths.clear();

    // The volume goes away; its folder must not be opened any more.
    unmount();
    QVERIFY(QMetaObject::invokeMethod(window.get(), "handleDeviceLastErrorSlot", Q_ARG(QString, "NOT ENOUGH SPACE")));
    QCOMPARE(environment->prompt.texts().size(), 2);
    QCOMPARE(opened->paths, QStringList());
    mount();
    QCOMPARE(opened->paths, QStringList{volumePath});
}

void TestMainWindowReceiver::batteryPollShowsTheStateAndWarnsOncePerConnection()
{
    receiver->setValue(ChargerStateCommand, {ProtocolHandler::BATTERY_CRITICALLY_LOW});
    plug();
    QLabel* label = nullptr;
    tick();
    QVERIFY(label = batteryLabel());
    QCOMPARE(label->toolTip(), QString("Battery is critically low"));
    QVERIFY(!fullyTransparent(*label));
    QCOMPARE(environment->prompt.texts(), QStringList{kCritical});
    QCOMPARE(environment->prompt.requests.first().icon, QMessageBox::Warning);

    tick();
    receiver->setValue(ChargerStateCommand, {ProtocolHandler::BATTERY_CHARGING});
    tick();
    QCOMPARE(label->toolTip(), QString("Battery charging"));
    receiver->setValue(ChargerStateCommand, {ProtocolHandler::BATTERY_CRITICALLY_LOW});
    tick();
    QCOMPARE(environment->prompt.texts(), QStringList{kCritical});

    // A failed read shows no state at all.
    receiver->setReadsFail(true);
    tick();
    QCOMPARE(label->toolTip(), QString());
    QVERIFY(fullyTransparent(*label));
    receiver->setReadsFail(false);

    unplug();
    QVERIFY(fullyTransparent(*label));
    plug();
    tick();
    QCOMPARE(environment->prompt.texts(), (QStringList{kCritical, kCritical}));
}

void TestMainWindowReceiver::treeFollowsTheVolume()
{
    auto* tree = window->findChild<DirView*>("m_dirtree_view");
    const QString documents = QString::fromStdString(environment->system.documents().string());
    QVERIFY(QDir(documents).exists());
    QCOMPARE(tree->getCurrentDir(), QDir(documents));

    mount();
    const QString sketches = QDir::toNativeSeparators(volumePath + "/My Sketches");
    QCOMPARE(tree->m_receiverFolder, sketches);
    QCOMPARE(tree->getCurrentDir(), QDir(sketches));
    // Back from the receiver's folder, which unmounting forgets.
    QVERIFY(window->findChild<QAction*>("actionBack")->isEnabled());

    unmount();
    QCOMPARE(tree->getCurrentDir(), QDir(documents));
    QVERIFY(!window->findChild<QAction*>("actionBack")->isEnabled());
    QVERIFY(!window->findChild<QAction*>("actionForward")->isEnabled());
}

QTEST_MAIN(TestMainWindowReceiver)
#include "tst_mainwindowreceiver.moc"
