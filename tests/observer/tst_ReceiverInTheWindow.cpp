// The program's window with this machine's HID and volume backends over a
// receiver and its volume faked with umockdev: it follows them as it follows
// the simulated receiver in the window's own tests.

#include "DialogTestSupport.h"
#include "DirView.h"
#include "FakeReceiverBed.h"
#include "MainWindow.h"
#include "ManagerForTests.h"
#include "PreviewThumbnailList.h"
#include "SettingsDlg.h"
#include "TimedWait.h"
#include "UdevVolumeBackend.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QtTest>

#include <sys/sysmacros.h>

using dialogtest::ReceiverRig;
using dialogtest::whenModal;

namespace {

constexpr std::uint8_t ChargerStateCommand = 0x0E;
constexpr int AnnouncedMs = 20000; // the window's observer settles for 10 s

QMenu* shownMenu()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(widget); menu && menu->isVisible())
            return menu;
    return nullptr;
}

} // namespace

class TestReceiverInTheWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(dialogs); }
    void aFakeReceiverAndItsVolumeAreFollowedLikeTheSimulatedOne();
};

void TestReceiverInTheWindow::aFakeReceiverAndItsVolumeAreFollowedLikeTheSimulatedOne()
{
    PlatformSim::FakeReceiverBed bed;
    QVERIFY2(bed.isActive(), "the test must run under umockdev's preload library");
    dialogtest::SettingsEnvironment environment;
    QVERIFY(environment.load());
    const Platform::PauseOverride instantPauses([](std::chrono::microseconds) {});
    const TimedWaitOverride instantWaits([](std::chrono::milliseconds) { return std::chrono::milliseconds(0); });
    PlatformSim::MountTableFile table;
    Platform::UdevVolumeBackend volumes(table.path());
    DeviceManager::instance()->setBackends(Platform::defaultHidBackend(), volumes);

    // The receiver's volume, mounted where a desktop mounts it.
    const QString volume = QString::fromStdString((environment.system.path() / "media/user/SCRIVET").string());
    const QString sketches = volume + "/My Sketches";
    QVERIFY(QDir().mkpath(sketches));
    for (const char* name : {"/a.wpi", "/b.wpi"})
        QVERIFY(QFile::copy(DRAVELLO_TEST_DATA "/wpi/two_layers.wpi", sketches + name));
    const auto disk = bed.plugDisk(
        PlatformSim::FakeReceiverBed::usbStorage("Scrivet", "Receiver", "SCRIVET", makedev(8, 16)));
    table.write("70 22 8:16 / " + volume.toStdString() + " rw,relatime - vfat /dev/sdb rw\n");

    auto receiver = std::make_shared<PlatformSim::SimulatedReceiver>();
    receiver->setValue(ReceiverRig::ThresholdCommand, {90, 0});
    receiver->setValue(ChargerStateCommand, {ProtocolHandler::BATTERY_CHARGING});

    auto window = std::make_unique<MainWindow>();
    QVERIFY(window->init(QString::fromStdString(environment.system.documents().string()),
                         environment.settingsPath));
    window->show();
    auto* tree = window->findChild<DirView*>("m_dirtree_view");
    auto* thumbnails = window->findChild<PreviewThumbnailList*>("m_pieces_list");
    auto* tray = window->findChild<QSystemTrayIcon*>();

    // Its volume: the sketches shown, and their move offered.
    QTRY_VERIFY(window->receiverVolumeMounted());
    QCOMPARE(tree->getCurrentDir(), QDir(sketches));
    QTRY_COMPARE(thumbnails->count(), 2);
    QTest::mouseRelease(tree->viewport(), Qt::RightButton, {},
                        tree->visualRect(tree->currentIndex()).center());
    QPointer<QMenu> menu = shownMenu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("&Move sketches to local folder"));
    menu->hide();
    QVERIFY(!menu->isVisible());

    // The receiver: connected, its battery read.
    const auto id = bed.plugReceiver(receiver, ReceiverRig::Vendor, ReceiverRig::Product);
    QTRY_COMPARE_WITH_TIMEOUT(tray->toolTip(), QString("Scrivet Dravello is connected"), AnnouncedMs);
    QVERIFY(QMetaObject::invokeMethod(window.get(), "shootBatteryStatusSlot"));
    QStringList tips;
    for (QLabel* label : window->statusBar()->findChildren<QLabel*>())
        tips << label->toolTip();
    QVERIFY2(tips.contains("Battery charging"), qPrintable(tips.join('|')));

    // The settings read its threshold and set its clock.
    bool dialogSeen = false;
    whenModal<SettingsDlg>([&](SettingsDlg* dialog) {
        dialogSeen = true;
        const auto closeAtEnd = qScopeGuard([dialog] { dialog->reject(); });
        QTRY_COMPARE(dialog->findChild<QSlider*>("m_sensitivity_slider")->value(), 90);
        dialog->findChild<QDateTimeEdit*>("m_date_timeedit")
            ->setDateTime(QDateTime(QDate(2014, 3, 2), QTime(11, 12, 13)));
        environment.prompt.answers = {QMessageBox::Ok};
        dialog->findChild<QPushButton*>("m_set_rtc_btn")->click();
    });
    window->findChild<QAction*>("actionPreferences")->trigger();
    QVERIFY(dialogSeen);
    QCOMPARE(receiver->setCount(ReceiverRig::ClockCommand), 1);
    const auto clock = receiver->value(ReceiverRig::ClockCommand);
    QCOMPARE(std::vector<std::uint8_t>(clock.begin(), clock.begin() + 6),
             (std::vector<std::uint8_t>{14, 3, 2, 13, 12, 11}));

    bed.unplug(id);
    QTRY_COMPARE(tray->toolTip(), QString("Scrivet Dravello is disconnected"));
    bed.unplug(disk);
    QTRY_VERIFY(!window->receiverVolumeMounted());

    window.reset();
    managerfortests::stop();
}

QTEST_MAIN(TestReceiverInTheWindow)
#include "tst_ReceiverInTheWindow.moc"
