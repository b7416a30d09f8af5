#include "DialogTestSupport.h"
#include "GuiGapLimit.h"
#include "SettingsDlg.h"
#include "TipSensitivity.h"
#include "Translations.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QElapsedTimer>
#include <QtTest>

#include <cstdlib>
#include <ctime>

using dialogtest::fileBytes;
using dialogtest::ReceiverRig;
using dialogtest::SettingsEnvironment;
using dialogtest::whenModal;

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

const QString kConnectText = "Connect Scrivet to your computer to adjust the click threshold \nThe "
                             "click threshold controls the pressure required to record your strokes";
const QString kDrawText = "Draw here to test your pen's click threshold";
const QString kApplyFirstText = "You must first Apply the new setting before testing it.";
const QString kNotConnectedText =
    "The receiver is not connected to USB port, can't update Real-time clock.";
const QString kReadFailedText = "Failed to retrieve the pressure value.";
const QString kUntestedQuestion =
    "You changed the tip sensitivity and did not test \nthe current setting. Click \"OK\" without "
    "\ntesting. Click \"Apply\" to apply the setting\n and test it. ";
const QString kClockQuestion = "Would you like to apply clock setting to the receiver?";

QImage picture(const QString& name)
{
    return QPixmap(":/settings/Resources/settings/" + name).toImage();
}

QColor iconColour(const QToolButton* button)
{
    return button->icon().pixmap(16, 16).toImage().pixelColor(8, 8);
}

// The dialog as the main window opens it, shown.
struct OpenDialog {
    explicit OpenDialog(const SettingsEnvironment& environment,
                        ScrivetDeviceObserver* observer = nullptr)
        : dialog(observer, nullptr)
    {
        dialog.m_settingsFilePath = environment.settingsPath;
        dialog.show();
    }

    template <class Widget> Widget* find(const char* name)
    {
        Widget* widget = dialog.findChild<Widget*>(name);
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    // The main window relays the receiver's plug and unplug to the open dialog.
    void followReceiver(ScrivetDeviceObserver& observer)
    {
        QObject::connect(&observer, &ScrivetDeviceObserver::HIDDevicePlugSgnl, &dialog,
                         [this] { dialog.hidDevicePlugSlot(); });
        QObject::connect(&observer, &ScrivetDeviceObserver::HIDDeviceUnplugSgnl, &dialog,
                         [this] { dialog.hidDeviceUnplugSlot(); });
    }

    // The dialog waits for the receiver before it reads the threshold: under
    // a busy cursor, the window serving events meanwhile.
    bool waitsForReceiver() const
    {
        return dialog.testAttribute(Qt::WA_SetCursor) && dialog.cursor().shape() == Qt::BusyCursor;
    }
    // True once the waits and reads of the threshold are over.
    bool settle()
    {
        return QTest::qWaitFor([this] { return !waitsForReceiver(); });
    }

    QSlider* slider() { return find<QSlider>("m_sensitivity_slider"); }
    QLabel* message() { return find<QLabel>("m_ms_label"); }
    QPushButton* button(const char* name) { return find<QPushButton>(name); }

    SettingsDlg dialog;
};

} // namespace

namespace {

// The threshold requests the receiver got.
long thresholdReads(const PlatformSim::SimulatedReceiver& receiver)
{
    const auto sent = PlatformSim::wireReports(receiver, PlatformSim::WireReport::Direction::ToReceiver);
    return long(std::count(sent.begin(), sent.end(),
                           PlatformSim::getRequest(ReceiverRig::ThresholdCommand)));
}

} // namespace

class SettingsDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheStoredPage_data();
    void opensWithTheStoredPage();
    void opensWithTheStoredPens();
    void editsAreWrittenOnApplyOnly();
    void cancelLeavesStoreAndFileAlone();
    void cancelledChoosersChangeNothing();
    void aClickOnTheShownPictureChoosesTheCell();
    void aFailedWriteIsReportedAndKeepsTheDialogOpen_data();
    void aFailedWriteIsReportedAndKeepsTheDialogOpen();
    void aValueTheFileCannotHoldIsToldAtEverySave();
    void okKeepsTheLanguageTheStartChose_data();
    void okKeepsTheLanguageTheStartChose();

    void openingWithAReadyReceiverReadsItsThreshold_data();
    void openingWithAReadyReceiverReadsItsThreshold();
    void followsTheReceiverWhileOpen();
    void aClosedDialogNoLongerFollowsTheReceiver();
    void thresholdWaitKeepsTheWindowLive();
    void leavingDuringTheWaitReadsNothing_data();
    void leavingDuringTheWaitReadsNothing();
    void duringTheWaitTheThresholdCanBeNeitherSetNorApplied_data();
    void duringTheWaitTheThresholdCanBeNeitherSetNorApplied();
    void aMovedThresholdIsSentOnApply();
    void okAfterAMoveAsksFirst_data();
    void okAfterAMoveAsksFirst();
    void aThresholdTheReceiverRefusesIsReported();

    void clockGoesToTheReceiverOnlyWhenConfirmed_data();
    void clockGoesToTheReceiverOnlyWhenConfirmed();
    void clockShowsTheLocalWallTime();

private:
    // Loads the factory settings and plugs in a receiver whose threshold is given.
    bool startWithReceiver(unsigned short threshold);

    std::unique_ptr<SettingsEnvironment> environment;
    std::unique_ptr<ReceiverRig> rig;
};

void SettingsDlgTest::initTestCase()
{
    Q_INIT_RESOURCE(dialogs);
}

void SettingsDlgTest::init() { environment = std::make_unique<SettingsEnvironment>(); }

void SettingsDlgTest::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!environment->prompt.askedOffGuiThread);
    rig.reset();
    environment.reset();
}

bool SettingsDlgTest::startWithReceiver(unsigned short threshold)
{
    rig = std::make_unique<ReceiverRig>();
    rig->setThreshold(threshold);
    return environment->load() && rig->plug();
}

void SettingsDlgTest::opensWithTheStoredPage_data()
{
    QTest::addColumn<QString>("orientation");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("paperIndex");
    QTest::addColumn<QString>("savedAngle");
    QTest::addColumn<QString>("savedSize");

    QTest::newRow("landscape, lower right, Letter")
        << "Landscape" << "135" << "Letter" << 1 << "land_lr_rpos.png" << 6 << "135" << "Letter";
    QTest::newRow("portrait, upper left, Junior Legal")
        << "Portrait" << "-45" << "Junior Legal" << 0 << "port_ul_rpos.png" << 5 << "-45"
        << "Junior Legal";
    QTest::newRow("an angle of no cell is saved as 0")
        << "Portrait" << "30" << "A5" << 0 << "port_um_rpos.png" << 1 << "0" << "A5";
    // No chooser item matches: nothing is chosen, and the stored name stays.
    QTest::newRow("size in the wrong case")
        << "Landscape" << "90" << "legal" << 1 << "land_mr_rpos.png" << -1 << "90" << "legal";
}

void SettingsDlgTest::opensWithTheStoredPage()
{
    QFETCH(QString, orientation);
    QFETCH(QString, angle);
    QFETCH(QString, size);
    QFETCH(int, page);
    QFETCH(QString, picture);
    QFETCH(int, paperIndex);
    QFETCH(QString, savedAngle);
    QFETCH(QString, savedSize);

    QVERIFY(environment->load({{"page_properties/page", "orientation", orientation},
                               {"page_properties/page", "angle", angle},
                               {"page_properties/page", "size", size}}));
    OpenDialog open(*environment);

    QCOMPARE(open.find<QTabWidget>("m_settings_tab")->currentIndex(), 0);
    QCOMPARE(open.find<QStackedWidget>("m_orient_stacked_wgt")->currentIndex(), page);
    const char* shown = page == 1 ? "m_landscape_lbl" : "m_portrait_lbl";
    QCOMPARE(open.find<QLabel>(shown)->pixmap().toImage(), ::picture(picture));
    QCOMPARE(open.find<QToolButton>("m_landscape_btn")->icon().pixmap(32, 32).toImage(),
             ::picture(page == 1 ? "landscape_on.png" : "landscape_off.png"));
    QCOMPARE(open.find<QComboBox>("m_paper_sz_cbox")->currentIndex(), paperIndex);
    QVERIFY(!open.dialog.m_lookChanged);
    QVERIFY(open.button("m_apply_btn")->isEnabled());
    QCOMPARE(open.dialog.size(), QSize(800, 552));
    QCOMPARE(open.dialog.minimumSize(), open.dialog.maximumSize());
    QVERIFY(open.find<QComboBox>("m_lang_cbx")->isHidden());

    open.button("m_apply_btn")->click();
    QCOMPARE(environment->saved("page_properties/page", "orientation"), orientation);
    QCOMPARE(environment->saved("page_properties/page", "angle"), savedAngle);
    QCOMPARE(environment->saved("page_properties/page", "size"), savedSize);
    QCOMPARE(environment->prompt.texts(), QStringList());
}

void SettingsDlgTest::opensWithTheStoredPens()
{
    QVERIFY(environment->load({{"visuality_properties/highlight_pen", "rgba_color", "10 20 30 255"},
                               {"visuality_properties/scrubber_left_pen", "rgba_color", "no colour"},
                               {"visuality_properties/default_pen", "width", "7"},
                               {"visuality_properties/default_pen", "ball_point_size", "1.2"},
                               {"startup_directory/directory", "path", "/home/me/sketches"}}));
    OpenDialog open(*environment);

    QCOMPARE(iconColour(open.find<QToolButton>("m_brush_color_btn")), QColor(0, 0, 0));
    QCOMPARE(iconColour(open.find<QToolButton>("m_highlight_color_btn")), QColor(10, 20, 30));
    // A colour that does not parse shows the one before it.
    QCOMPARE(iconColour(open.find<QToolButton>("m_scrubber_left_color_btn")), QColor(10, 20, 30));
    QCOMPARE(iconColour(open.find<QToolButton>("m_scrubber_middle_color_btn")), QColor(0, 0, 255));
    QCOMPARE(open.find<QSpinBox>("m_default_brush_sz_spin")->value(), 7);
    QCOMPARE(open.find<QComboBox>("m_ball_pt_diameter_cbox")->currentText(), QString("1.2"));
    QCOMPARE(open.find<QLineEdit>("m_dir_le")->text(), QString("/home/me/sketches"));
    QVERIFY(!open.dialog.m_lookChanged);

    // Saving untouched values keeps even the unreadable one as it was.
    open.button("m_ok_btn")->click();
    QVERIFY(!open.dialog.isVisible());
    QCOMPARE(environment->saved("visuality_properties/scrubber_left_pen", "rgba_color"),
             QString("no colour"));
    QCOMPARE(environment->saved("visuality_properties/highlight_pen", "rgba_color"),
             QString("10 20 30 255"));
    QCOMPARE(environment->saved("visuality_properties/default_pen", "width"), QString("7"));
}

void SettingsDlgTest::editsAreWrittenOnApplyOnly()
{
    QVERIFY(environment->load());
    const QByteArray before = fileBytes(environment->settingsPath);
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(environment->system.path().string()));
    OpenDialog open(*environment);

    QTest::mouseClick(open.find<QToolButton>("m_landscape_btn"), Qt::LeftButton);
    QCOMPARE(open.find<QStackedWidget>("m_orient_stacked_wgt")->currentIndex(), 1);
    QLabel* landscape = open.find<QLabel>("m_landscape_lbl");
    QTest::mouseClick(landscape, Qt::LeftButton, {},
                      QPoint(landscape->width() / 6, landscape->height() * 5 / 6));
    QCOMPARE(landscape->pixmap().toImage(), picture("land_ll_rpos.png"));
    open.find<QSpinBox>("m_default_brush_sz_spin")->setValue(9);
    QTest::keyClick(open.find<QComboBox>("m_ball_pt_diameter_cbox"), Qt::Key_Down);
    QTest::keyClick(open.find<QComboBox>("m_paper_sz_cbox"), Qt::Key_Down);
    whenModal<QColorDialog>([](QColorDialog* chooser) {
        chooser->setCurrentColor(QColor(1, 2, 3));
        chooser->accept();
    });
    open.find<QToolButton>("m_highlight_color_btn")->click();
    QCOMPARE(iconColour(open.find<QToolButton>("m_highlight_color_btn")), QColor(1, 2, 3));
    whenModal<QFileDialog>([&](QFileDialog* chooser) {
        chooser->setDirectory(folder);
        static_cast<QDialog*>(chooser)->accept(); // QFileDialog hides it
    });
    open.find<QToolButton>("m_dir_btn")->click();
    QCOMPARE(open.find<QLineEdit>("m_dir_le")->text(), folder);

    QVERIFY(open.dialog.m_lookChanged);
    QCOMPARE(fileBytes(environment->settingsPath), before);

    open.button("m_apply_btn")->click();
    const QList<std::pair<const char*, const char*>> expected{
        {"orientation", "Landscape"}, {"angle", "-135"}, {"size", "A5"}};
    for (const auto& [attribute, value] : expected)
        QCOMPARE(environment->saved("page_properties/page", attribute), QString(value));
    QCOMPARE(environment->saved("visuality_properties/default_pen", "width"), QString("9"));
    QCOMPARE(environment->saved("visuality_properties/default_pen", "ball_point_size"),
             QString("1.2"));
    QCOMPARE(environment->saved("visuality_properties/default_pen", "rgba_color"),
             QString("0 0 0 255"));
    QCOMPARE(environment->saved("visuality_properties/highlight_pen", "rgba_color"),
             QString("1 2 3 255"));
    QCOMPARE(environment->saved("startup_directory/directory", "path"), folder);
    QVERIFY(open.dialog.isVisible());
    QVERIFY(!open.button("m_apply_btn")->isEnabled());
    QVERIFY(open.dialog.m_lookChanged);

    // The next edit enables Apply again.
    open.find<QSpinBox>("m_default_brush_sz_spin")->setValue(10);
    QVERIFY(open.button("m_apply_btn")->isEnabled());
    QCOMPARE(environment->prompt.texts(), QStringList());
}

void SettingsDlgTest::cancelLeavesStoreAndFileAlone()
{
    QVERIFY(environment->load());
    const QByteArray before = fileBytes(environment->settingsPath);
    OpenDialog open(*environment);
    open.find<QSpinBox>("m_default_brush_sz_spin")->setValue(12);
    QTest::mouseClick(open.find<QToolButton>("m_landscape_btn"), Qt::LeftButton);

    open.button("m_cancel_btn")->click();
    QVERIFY(!open.dialog.isVisible());
    QCOMPARE(open.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(fileBytes(environment->settingsPath), before);
    QCOMPARE(SettingsEnvironment::inMemory("visuality_properties/default_pen", "width"),
             QString("3"));
    QCOMPARE(SettingsEnvironment::inMemory("page_properties/page", "orientation"),
             QString("Portrait"));
}

void SettingsDlgTest::cancelledChoosersChangeNothing()
{
    QVERIFY(environment->load({{"startup_directory/directory", "path", "/kept"}}));
    OpenDialog open(*environment);
    open.button("m_apply_btn")->click();
    QVERIFY(!open.button("m_apply_btn")->isEnabled());

    whenModal<QColorDialog>([](QColorDialog* chooser) { chooser->reject(); });
    open.find<QToolButton>("m_brush_color_btn")->click();
    QVERIFY(!open.dialog.m_lookChanged);
    QVERIFY(!open.button("m_apply_btn")->isEnabled());

    // A cancelled folder chooser keeps the folder but still enables Apply.
    whenModal<QFileDialog>([](QFileDialog* chooser) { chooser->reject(); });
    open.find<QToolButton>("m_dir_btn")->click();
    QCOMPARE(open.find<QLineEdit>("m_dir_le")->text(), QString("/kept"));
    QVERIFY(open.button("m_apply_btn")->isEnabled());
}

void SettingsDlgTest::aClickOnTheShownPictureChoosesTheCell()
{
    // The two pictures lie on top of each other in the page stack; the hidden
    // landscape one, laid out while it was shown, must not take clicks meant
    // for the portrait one.
    QVERIFY(environment->load({{"page_properties/page", "orientation", "Landscape"}}));
    OpenDialog open(*environment);
    QTest::mouseClick(open.find<QToolButton>("m_portrait_btn"), Qt::LeftButton);
    QLabel* portrait = open.find<QLabel>("m_portrait_lbl");
    QLabel* landscape = open.find<QLabel>("m_landscape_lbl");
    const QPoint middleRight(portrait->width() - 2, portrait->height() / 2);
    QVERIFY(landscape->rect().contains(landscape->mapFromGlobal(portrait->mapToGlobal(middleRight))));
    QTest::mouseClick(portrait, Qt::LeftButton, {}, middleRight);
    QCOMPARE(portrait->pixmap().toImage(), picture("port_mr_rpos.png"));
    QCOMPARE(landscape->pixmap().toImage(), picture("land_um_rpos.png"));
    QVERIFY(open.dialog.m_lookChanged);

    // A press elsewhere in the dialog chooses nothing.
    QTest::mouseClick(open.find<QLabel>("label_22"), Qt::LeftButton);
    QCOMPARE(portrait->pixmap().toImage(), picture("port_mr_rpos.png"));

    // Turning the page keeps the cell.
    QTest::mouseClick(open.find<QToolButton>("m_landscape_btn"), Qt::LeftButton);
    QCOMPARE(landscape->pixmap().toImage(), picture("land_mr_rpos.png"));
    open.button("m_apply_btn")->click();
    QCOMPARE(environment->saved("page_properties/page", "angle"), QString("90"));
}

void SettingsDlgTest::aFailedWriteIsReportedAndKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("folder missing") << "/nonexistent-dravello-folder/dravellouser.xml";
    QTest::newRow("no path given") << QString();
}

void SettingsDlgTest::aFailedWriteIsReportedAndKeepsTheDialogOpen()
{
    QFETCH(QString, path);
    QVERIFY(environment->load());
    OpenDialog open(*environment);
    open.dialog.m_settingsFilePath = path;
    open.find<QSpinBox>("m_default_brush_sz_spin")->setValue(12);

    open.button("m_ok_btn")->click();
    QCOMPARE(environment->prompt.texts(),
             QStringList{"The settings could not be saved to the file \n" + path});
    QCOMPARE(environment->prompt.requests.first().icon, QMessageBox::Critical);
    QVERIFY(open.dialog.isVisible());
    QVERIFY(open.button("m_apply_btn")->isEnabled());
}

// The store tells each failed change, however often the user saves.
void SettingsDlgTest::aValueTheFileCannotHoldIsToldAtEverySave()
{
    QVERIFY(environment->load({{"startup_directory/directory", "path", QString()}}));
    OpenDialog open(*environment);
    environment->prompt.clear();
    const QString lacking = QStringLiteral("Entry startup_directory/directory does not have attribute name path in \n"
                                           "%1 settings file.")
                                .arg(environment->settingsPath);

    QTest::mouseClick(open.button("m_apply_btn"), Qt::LeftButton);
    QCOMPARE(environment->prompt.texts(), QStringList{lacking});
    QTest::mouseClick(open.button("m_ok_btn"), Qt::LeftButton);

    QCOMPARE(environment->prompt.texts(), (QStringList{lacking, lacking}));
    QCOMPARE(environment->prompt.requests.last().icon, QMessageBox::Critical);
}

void SettingsDlgTest::okKeepsTheLanguageTheStartChose_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("saved");
    QTest::newRow("as spelt in the chooser") << "German" << "German";
    QTest::newRow("other case") << "french" << "French";
    QTest::newRow("two words") << "CHINESE simplified" << "Chinese Simplified";
    QTest::newRow("English") << "english" << "English";
    QTest::newRow("no language of ours") << "Klingon" << "English";
}

// Ok without touching the chooser keeps the language that the start-up
// took from the stored name.
void SettingsDlgTest::okKeepsTheLanguageTheStartChose()
{
    QFETCH(QString, stored);
    QFETCH(QString, saved);
    QVERIFY(environment->load({{"translator/language", "name", stored}, {"translator/language", "status", "1"}}));
    OpenDialog open(*environment);

    QTest::mouseClick(open.button("m_ok_btn"), Qt::LeftButton);

    QVERIFY(!open.dialog.isVisible());
    QCOMPARE(environment->saved("translator/language", "name"), saved);
    QCOMPARE(chooseTranslationFiles(saved, 1, QLocale::C, 1).program,
             chooseTranslationFiles(stored, 1, QLocale::C, 1).program);
}

void SettingsDlgTest::openingWithAReadyReceiverReadsItsThreshold_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QList<long>>("pauses");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("slider");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("prompts");
    enum { None, ReadsFail, Silent };
    const QList<long> once{7000};
    const QList<long> twice{7000, 2000};

    QTest::newRow("in range") << 90 << -1 << int(None) << once << 1 << 90 << true << kDrawText
                              << QStringList();
    QTest::newRow("at the low bound") << 18 << -1 << int(None) << once << 1 << 18 << true
                                      << kDrawText << QStringList();
    QTest::newRow("at the high bound") << 180 << -1 << int(None) << once << 1 << 180 << true
                                       << kDrawText << QStringList();
    QTest::newRow("out of range, then in range") << 200 << 50 << int(None) << twice << 2 << 50
                                                 << true << kDrawText << QStringList();
    // The tab keeps the state the start value gave it.
    QTest::newRow("out of range twice") << 17 << 181 << int(None) << twice << 2 << 60 << true
                                        << kApplyFirstText << QStringList();
    QTest::newRow("reads fail") << 90 << -1 << int(ReadsFail) << once << 1 << 18 << false
                                << kConnectText << QStringList{kReadFailedText};
    QTest::newRow("silent receiver") << 90 << -1 << int(Silent) << once << 0 << 18 << false
                                     << kConnectText << QStringList{kReadFailedText};
}

void SettingsDlgTest::openingWithAReadyReceiverReadsItsThreshold()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, fault);
    QFETCH(QList<long>, pauses);
    QFETCH(int, reads);
    QFETCH(int, slider);
    QFETCH(bool, enabled);
    QFETCH(QString, text);
    QFETCH(QStringList, prompts);

    QVERIFY(startWithReceiver(first));
    rig->receiver->setReadsFail(fault == 1);
    rig->receiver->setSilent(fault == 2);
    rig->onLongPause = [&](long ms) {
        if (ms == 2000)
            rig->setThreshold(second);
    };
    rig->receiver->clearWireLog();

    OpenDialog open(*environment, &rig->observer);
    // The tab's controls wait with the reading.
    QVERIFY(open.waitsForReceiver());
    QVERIFY(!open.slider()->isEnabled());
    QVERIFY(open.settle());
    const std::vector<long> seen = rig->longPauses();
    QCOMPARE(QList<long>(seen.begin(), seen.end()), pauses);
    QCOMPARE(thresholdReads(*rig->receiver), long(reads));
    QCOMPARE(open.slider()->value(), slider);
    QCOMPARE(open.slider()->isEnabled(), enabled);
    QCOMPARE(open.find<TipSensitivity>("m_tip_sens_wgt")->isEnabled(), enabled);
    QCOMPARE(open.message()->text(), text);
    QCOMPARE(environment->prompt.texts(), prompts);

    // After a failed read the tab is disconnected: the clock cannot be set.
    if (!prompts.isEmpty()) {
        open.button("m_set_rtc_btn")->click();
        QCOMPARE(environment->prompt.texts().last(), kNotConnectedText);
    }
}

void SettingsDlgTest::followsTheReceiverWhileOpen()
{
    QVERIFY(environment->load());
    rig = std::make_unique<ReceiverRig>();
    OpenDialog open(*environment, &rig->observer);
    open.followReceiver(rig->observer);
    QVERIFY(!open.slider()->isEnabled());
    QCOMPARE(open.slider()->value(), 18);
    QCOMPARE(open.message()->text(), kConnectText);

    rig->setThreshold(120);
    QVERIFY(rig->plug());
    QVERIFY(open.settle());
    QCOMPARE(open.slider()->value(), 120);
    QVERIFY(open.slider()->isEnabled());
    QCOMPARE(open.message()->text(), kDrawText);

    QVERIFY(rig->unplug());
    QTRY_VERIFY(!open.slider()->isEnabled());
    QCOMPARE(open.slider()->value(), 18);
    QCOMPARE(open.message()->text(), kConnectText);
    open.button("m_set_rtc_btn")->click();
    QCOMPARE(environment->prompt.texts(), QStringList{kNotConnectedText});
}

void SettingsDlgTest::aClosedDialogNoLongerFollowsTheReceiver()
{
    // The main window keeps each dialog it opened, connected to its signals.
    QVERIFY(environment->load());
    rig = std::make_unique<ReceiverRig>();
    OpenDialog open(*environment, &rig->observer);
    open.followReceiver(rig->observer);
    open.button("m_cancel_btn")->click();
    rig->receiver->setReadsFail(true);

    QVERIFY(rig->plug());
    QVERIFY(rig->unplug());
    QTest::qWait(20);
    QCOMPARE(rig->longPauses(), std::vector<long>());
    QCOMPARE(environment->prompt.texts(), QStringList());
}

void SettingsDlgTest::thresholdWaitKeepsTheWindowLive()
{
    // The receiver arrives while the dialog is open; its first answer is out
    // of range, so both waits run, in real time. The window's ticks are
    // watched from the moment the dialog hears of the receiver (the
    // receiver's own start-up commands come before) until the read is shown.
    QVERIFY(environment->load());
    rig = std::make_unique<ReceiverRig>();
    rig->setThreshold(200);
    rig->onLongPause = [&](long ms) {
        if (ms == 2000)
            rig->setThreshold(90);
    };
    rig->waitScale = 1.0;
    OpenDialog open(*environment, &rig->observer);

    QElapsedTimer clock;
    clock.start();
    qint64 heard = -1;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    connect(&rig->observer, &ScrivetDeviceObserver::HIDDevicePlugSgnl, &open.dialog, [&] {
        heard = clock.elapsed();
        open.dialog.hidDevicePlugSlot();
    });
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, this, [&] {
        const qint64 now = clock.elapsed();
        if (heard >= 0)
            longestGap = std::max(longestGap, now - std::max(lastTick, heard));
        lastTick = now;
    });
    ticker.start();
    QVERIFY(rig->plug());
    QTRY_VERIFY_WITH_TIMEOUT(open.slider()->isEnabled(), 15000);
    const qint64 waited = clock.elapsed() - heard;
    ticker.stop();

    qInfo("threshold read %lld ms after the receiver came; longest gap between GUI-thread ticks "
          "meanwhile %lld ms",
          waited, longestGap);
    QCOMPARE(open.slider()->value(), 90);
    QCOMPARE(open.message()->text(), kDrawText);
    QVERIFY2(waited >= 9000, qPrintable(QString::number(waited)));
    QVERIFY2(longestGap < testsupport::kLongestGuiGapMs, qPrintable(QString::number(longestGap)));
}

void SettingsDlgTest::leavingDuringTheWaitReadsNothing_data()
{
    QTest::addColumn<bool>("unplug");
    QTest::newRow("receiver unplugged") << true;
    QTest::newRow("dialog closed") << false;
}

void SettingsDlgTest::leavingDuringTheWaitReadsNothing()
{
    QFETCH(bool, unplug);
    QVERIFY(startWithReceiver(90));
    rig->waitScale = 0.05; // 350 ms
    rig->receiver->clearWireLog();
    OpenDialog open(*environment, &rig->observer);
    open.followReceiver(rig->observer);
    QVERIFY(open.waitsForReceiver());

    if (unplug)
        QVERIFY(rig->unplug());
    else
        open.button("m_cancel_btn")->click();
    QVERIFY(!open.waitsForReceiver());
    QTest::qWait(600);
    QCOMPARE(thresholdReads(*rig->receiver), 0L);
    QCOMPARE(environment->prompt.texts(), QStringList());
    if (unplug) {
        QVERIFY(!open.slider()->isEnabled());
        QCOMPARE(open.message()->text(), kConnectText);
    }
}

void SettingsDlgTest::duringTheWaitTheThresholdCanBeNeitherSetNorApplied_data()
{
    QTest::addColumn<bool>("okDuringTheWait");
    QTest::newRow("an edit during the wait") << false;
    QTest::newRow("Ok during the wait") << true;
}

// Whatever the tab showed before, the wait shows no control to set or send
// a threshold, and nothing the user does meanwhile sends one.
void SettingsDlgTest::duringTheWaitTheThresholdCanBeNeitherSetNorApplied()
{
    QFETCH(bool, okDuringTheWait);
    QVERIFY(startWithReceiver(90));
    rig->waitScale = 0.05; // 350 ms
    OpenDialog open(*environment, &rig->observer);
    QPushButton* apply = open.button("m_apply_btn");
    const auto showsTheWait = [&] {
        return open.waitsForReceiver() && !open.slider()->isEnabled() &&
               !open.find<TipSensitivity>("m_tip_sens_wgt")->isEnabled() && !apply->isEnabled() &&
               open.message()->text() != kApplyFirstText;
    };
    QVERIFY(showsTheWait());
    // Edits of the other tabs are kept for the next save but enable nothing yet.
    open.find<QSpinBox>("m_default_brush_sz_spin")->setValue(7);
    open.find<QDateTimeEdit>("m_date_timeedit")->setDateTime(QDateTime(QDate(2020, 1, 2), QTime(3, 4)));
    QVERIFY(showsTheWait());

    if (okDuringTheWait) {
        open.button("m_ok_btn")->click();
        QCOMPARE(environment->prompt.texts(), QStringList());
        QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(environment->saved("visuality_properties/default_pen", "width"), QString("7"));
        QTest::qWait(600);
        QCOMPARE(thresholdReads(*rig->receiver), 0L);
    } else {
        QVERIFY(open.settle());
        QCOMPARE(open.slider()->value(), 90);
        QVERIFY(open.slider()->isEnabled());
        QCOMPARE(open.message()->text(), kDrawText);
        QVERIFY(apply->isEnabled());
    }
    QCOMPARE(rig->receiver->setCount(ReceiverRig::ThresholdCommand), 0);
}

void SettingsDlgTest::aMovedThresholdIsSentOnApply()
{
    QVERIFY(startWithReceiver(60));
    OpenDialog open(*environment, &rig->observer);
    QVERIFY(open.settle());
    open.button("m_apply_btn")->click();

    open.slider()->setValue(100);
    QCOMPARE(open.message()->text(), kApplyFirstText);
    QVERIFY(open.button("m_apply_btn")->isEnabled());

    open.button("m_apply_btn")->click();
    QCOMPARE(environment->prompt.texts(), QStringList());
    QCOMPARE(rig->receiver->setCount(ReceiverRig::ThresholdCommand), 1);
    QCOMPARE(rig->threshold(), 100);
    QCOMPARE(open.slider()->value(), 100);
    QCOMPARE(open.message()->text(), kDrawText);
    QVERIFY(!open.button("m_apply_btn")->isEnabled());

    // Sent and tested: Ok asks nothing and closes.
    open.button("m_ok_btn")->click();
    QCOMPARE(environment->prompt.texts(), QStringList());
    QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(rig->receiver->setCount(ReceiverRig::ThresholdCommand), 1);
}

void SettingsDlgTest::okAfterAMoveAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("longPauses");

    QTest::newRow("Cancel") << QMessageBox::Cancel << 0 << false << 1 << 1;
    QTest::newRow("Apply: send and test") << QMessageBox::Apply << 1 << false << 2 << 2;
    QTest::newRow("Ok: send without testing") << QMessageBox::Ok << 1 << true << 1 << 1;
}

void SettingsDlgTest::okAfterAMoveAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, sent);
    QFETCH(bool, closed);
    QFETCH(int, tab);
    QFETCH(int, longPauses);

    QVERIFY(startWithReceiver(60));
    const QByteArray before = fileBytes(environment->settingsPath);
    OpenDialog open(*environment, &rig->observer);
    QVERIFY(open.settle());
    open.find<QTabWidget>("m_settings_tab")->setCurrentIndex(1);
    open.find<QSpinBox>("m_default_brush_sz_spin")->setValue(12);
    open.slider()->setValue(120);

    environment->prompt.answers = {answer};
    open.button("m_ok_btn")->click();
    QCOMPARE(environment->prompt.texts(), QStringList{kUntestedQuestion});
    const PromptRequest& question = environment->prompt.requests.first();
    QCOMPARE(question.buttons, QMessageBox::Ok | QMessageBox::Apply | QMessageBox::Cancel);
    QCOMPARE(question.defaultButton, QMessageBox::Ok);
    QCOMPARE(question.parent, &open.dialog);

    QCOMPARE(rig->receiver->setCount(ReceiverRig::ThresholdCommand), sent);
    if (sent)
        QCOMPARE(rig->threshold(), 120);
    QCOMPARE(open.dialog.isVisible(), !closed);
    QCOMPARE(open.find<QTabWidget>("m_settings_tab")->currentIndex(), tab);
    QCOMPARE(int(rig->longPauses().size()), longPauses);
    // The values reach the store before the question, the file only on a save.
    QCOMPARE(SettingsEnvironment::inMemory("visuality_properties/default_pen", "width"),
             QString("12"));
    if (closed)
        QCOMPARE(environment->saved("visuality_properties/default_pen", "width"), QString("12"));
    else
        QCOMPARE(fileBytes(environment->settingsPath), before);
}

void SettingsDlgTest::aThresholdTheReceiverRefusesIsReported()
{
    QVERIFY(startWithReceiver(60));
    OpenDialog open(*environment, &rig->observer);
    QVERIFY(open.settle());
    open.find<QSpinBox>("m_default_brush_sz_spin")->setValue(5);
    open.slider()->setValue(100);
    rig->receiver->setWritesFail(true);

    open.button("m_apply_btn")->click();
    QCOMPARE(environment->prompt.texts(),
             QStringList{"Failed to send the click threshold to the receiver. Check that it is "
                         "connected and try again."});
    QCOMPARE(rig->threshold(), 60);
    QCOMPARE(open.message()->text(), kApplyFirstText);
    // The other settings are saved all the same.
    QCOMPARE(environment->saved("visuality_properties/default_pen", "width"), QString("5"));

    // Still untested: Ok asks again.
    environment->prompt.clear();
    environment->prompt.answers = {QMessageBox::Cancel};
    open.button("m_ok_btn")->click();
    QCOMPARE(environment->prompt.texts(), QStringList{kUntestedQuestion});
    QVERIFY(open.dialog.isVisible());
}

void SettingsDlgTest::clockGoesToTheReceiverOnlyWhenConfirmed_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("writesFail");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<bool>("sent");

    QTest::newRow("no receiver") << false << QMessageBox::Ok << false
                                 << QStringList{kNotConnectedText} << false;
    QTest::newRow("user cancels") << true << QMessageBox::Cancel << false
                                  << QStringList{kClockQuestion} << false;
    QTest::newRow("user agrees") << true << QMessageBox::Ok << false
                                 << QStringList{kClockQuestion} << true;
    QTest::newRow("receiver refuses")
        << true << QMessageBox::Ok << true
        << QStringList{kClockQuestion, "Failed to update Real-time clock!"} << false;
}

void SettingsDlgTest::clockGoesToTheReceiverOnlyWhenConfirmed()
{
    QFETCH(bool, plugged);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, writesFail);
    QFETCH(QStringList, prompts);
    QFETCH(bool, sent);

    QVERIFY(environment->load());
    rig = std::make_unique<ReceiverRig>();
    rig->setThreshold(60);
    if (plugged)
        QVERIFY(rig->plug());
    OpenDialog open(*environment, &rig->observer);
    QVERIFY(open.settle());
    open.find<QDateTimeEdit>("m_date_timeedit")
        ->setDateTime(QDateTime(QDate(2014, 3, 2), QTime(11, 12, 13), Qt::OffsetFromUTC, 0));
    rig->receiver->setWritesFail(writesFail);

    environment->prompt.answers = {answer};
    open.button("m_set_rtc_btn")->click();
    QCOMPARE(environment->prompt.texts(), prompts);
    for (const PromptRequest& request : environment->prompt.requests)
        QCOMPARE(request.parent, &open.dialog);
    QCOMPARE(rig->receiver->setCount(ReceiverRig::ClockCommand), int(sent));
    if (sent) {
        const auto clock = rig->receiver->value(ReceiverRig::ClockCommand);
        // Year after 2000, month, day, second, minute, hour.
        QCOMPARE(std::vector<std::uint8_t>(clock.begin(), clock.begin() + 6),
                 (std::vector<std::uint8_t>{14, 3, 2, 13, 12, 11}));
    }
    // The clock is sent only from its button.
    open.button("m_ok_btn")->click();
    QCOMPARE(rig->receiver->setCount(ReceiverRig::ClockCommand), int(sent));
}

void SettingsDlgTest::clockShowsTheLocalWallTime()
{
    // Nine hours east of UTC: a clock taken as UTC would be nine hours off.
    const QByteArray previous = qgetenv("TZ");
    qputenv("TZ", "JST-9");
    tzset();
    QVERIFY(environment->load());
    OpenDialog open(*environment);
    const QDateTime shown = open.find<QDateTimeEdit>("m_date_timeedit")->dateTime();
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 apart = QDateTime(shown.date(), shown.time()).secsTo(QDateTime(now.date(), now.time()));
    if (previous.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", previous);
    tzset();
    QVERIFY2(qAbs(apart) < 60, qPrintable(QString::number(apart)));
}

QTEST_MAIN(SettingsDlgTest)
#include "tst_SettingsDlg.moc"
