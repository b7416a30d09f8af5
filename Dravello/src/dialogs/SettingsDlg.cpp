#include "SettingsDlg.h"

#include "ReceiverPosition.h"
#include "ScrivetDeviceObserver.h"
#include "Translations.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPixmap>

#include <chrono>

namespace {

using namespace std::chrono_literals;

const QString kPictureFolder = QStringLiteral(":/settings/Resources/settings/");

// The receiver needs a moment after it was announced before it answers the
// threshold reliably; an out-of-range answer is asked again after a shorter one.
constexpr auto kThresholdSettleTime = 7000ms;
constexpr auto kThresholdRetryTime = 2000ms;
constexpr int kReadBackEventTimeMs = 1000;
constexpr int kThresholdTab = 2;

QPixmap picture(const QString& name) { return QPixmap(kPictureFolder + name); }

QString colourText(const QColor& colour)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

QMessageBox::StandardButton tell(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    PromptRequest request = PromptRequest::message(icon, text);
    request.parent = parent;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return askUser(request);
}

} // namespace

const std::array<SettingsDlg::PenColour, 5>& SettingsDlg::penColours()
{
    static const std::array<PenColour, 5> colours{{
        {"visuality_properties/default_pen", &Ui_QtSettingsDlg::m_brush_color_btn,
         &SettingsDlg::m_penColorText},
        {"visuality_properties/highlight_pen", &Ui_QtSettingsDlg::m_highlight_color_btn,
         &SettingsDlg::m_highlightColorText},
        {"visuality_properties/scrubber_left_pen", &Ui_QtSettingsDlg::m_scrubber_left_color_btn,
         &SettingsDlg::m_scrubberLeftColorText},
        {"visuality_properties/scrubber_middle_pen",
         &Ui_QtSettingsDlg::m_scrubber_middle_color_btn, &SettingsDlg::m_scrubberMiddleColorText},
        {"visuality_properties/scrubber_right_pen", &Ui_QtSettingsDlg::m_scrubber_right_color_btn,
         &SettingsDlg::m_scrubberRightColorText},
    }};
    return colours;
}

SettingsDlg::SettingsDlg(ScrivetDeviceObserver* observer, QWidget* parent)
    : QDialog(parent), m_settings(Singleton<ApplSettings>::instance()), m_observer(observer)
{
    ui.setupUi(this);
    setIndividualStyle();
    ui.m_settings_tab->setCurrentIndex(0);
    initMappingTab();
    initPenTab();
    initTipSensitivityTab();
    initGeneralTab();
    m_lookChanged = false;
    // The language follows the system; the chooser stays reachable only
    // through its slot.
    ui.label_3->hide();
    ui.m_lang_cbx->hide();
}

// --- look of the buttons ---------------------------------------------------

void SettingsDlg::setIndividualStyle()
{
    for (const PenColour& pen : penColours())
        (ui.*pen.button)->setStyleSheet(QStringLiteral("border-color: grey;"));
    ui.m_dir_btn->setStyleSheet(QStringLiteral("border-color: grey;"));
    ui.m_dir_le->setStyleSheet(QStringLiteral("border: 1px solid grey;"));
    ui.m_default_brush_sz_spin->setStyleSheet(QStringLiteral("border: 1px solid grey;"));
    ui.m_date_timeedit->setStyleSheet(
        QStringLiteral("color: white; background-color: black; border: 1px solid grey;"));
    applyEnabledForUser(true);
}

void SettingsDlg::applyEnabledForUser(bool on)
{
    m_applyAsked = on;
    showApply();
}

void SettingsDlg::showApply()
{
    const bool on = m_applyAsked && !m_waitingForThreshold;
    ui.m_apply_btn->setStyleSheet(
        on ? QStringLiteral("background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 2, "
                            "stop: 0 black, stop: 1 white)")
           : QStringLiteral("background: grey;"));
    ui.m_apply_btn->setEnabled(on);
}

// --- Mapping tab -----------------------------------------------------------

void SettingsDlg::initMappingTab()
{
    ui.m_portrait_lbl->setPixmap(picture(QStringLiteral("port_um_rpos.png")));
    ui.m_landscape_lbl->setPixmap(picture(QStringLiteral("land_um_rpos.png")));
    ui.m_paper_sz_cbox->setCurrentIndex(m_settings->getPaperSizeEnum());
    if (m_settings->getOrientation() == ApplSettings::Landscape)
        setLandscapeOrientationSlot(true);
    else
        setPortraitOrientationSlot(true);

    m_settings->getAttrValueStr("page_properties/page", "angle", m_angleText);
    m_receiverPosition = ReceiverPosition::getRposViaAngle(m_angleText.toInt());
    updateReseiverPos(m_settings->getOrientation());

    QString paper;
    if (m_settings->getAttrValueStr("page_properties/page", "size", paper))
        ui.m_paper_sz_cbox->setCurrentIndex(
            ui.m_paper_sz_cbox->findText(paper, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void SettingsDlg::setPortraitOrientationSlot(bool val)
{
    if (val)
        showOrientation(ApplSettings::Portrait);
}

void SettingsDlg::setLandscapeOrientationSlot(bool val)
{
    if (val)
        showOrientation(ApplSettings::Landscape);
}

void SettingsDlg::showOrientation(ApplSettings::Orientation orientation)
{
    const bool landscape = orientation == ApplSettings::Landscape;
    ui.m_landscape_btn->setIcon(
        picture(landscape ? QStringLiteral("landscape_on.png") : QStringLiteral("landscape_off.png")));
    ui.m_portrait_btn->setIcon(
        picture(landscape ? QStringLiteral("portrait_off.png") : QStringLiteral("portrait_on.png")));
    ui.m_orient_stacked_wgt->setCurrentIndex(landscape ? 1 : 0);
    m_orientationText = landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait");
    updateRposAndPaperOrientation();
    m_lookChanged = true;
    applyEnabledForUser(true);
}

void SettingsDlg::updateRposAndPaperOrientation()
{
    m_receiverPosition = ReceiverPosition::getRposViaAngle(m_angleText.toInt());
    updateReseiverPos(m_orientationText == QLatin1String("Portrait") ? ApplSettings::Portrait
                                                                      : ApplSettings::Landscape);
}

void SettingsDlg::updateReseiverPos(ApplSettings::Orientation orientation)
{
    const bool landscape = orientation == ApplSettings::Landscape;
    const QString name = QStringLiteral("%1_%2_rpos.png")
                             .arg(landscape ? QStringLiteral("land") : QStringLiteral("port"),
                                  ReceiverPosition::letters(m_receiverPosition));
    (landscape ? ui.m_landscape_lbl : ui.m_portrait_lbl)->setPixmap(picture(name));
}

bool SettingsDlg::event(QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        // Only the shown page's picture counts: the pages lie on top of each other.
        const std::pair<QLabel*, ApplSettings::Orientation> pictures[] = {
            {ui.m_landscape_lbl, ApplSettings::Landscape},
            {ui.m_portrait_lbl, ApplSettings::Portrait},
        };
        for (const auto& [label, orientation] : pictures) {
            const QPoint local = label->mapFromGlobal(global);
            if (label->isVisible() && label->rect().contains(local)) {
                setReceiverPos(orientation, local.x(), local.y(), label->height(), label->width());
                m_lookChanged = true;
                break;
            }
        }
    }
    return QDialog::event(event);
}

void SettingsDlg::setReceiverPos(ApplSettings::Orientation orientation, int x, int y, int height,
                                 int width)
{
    m_receiverPosition = ReceiverPosition::positionAt(x, y, width, height);
    getAngleName(m_receiverPosition);
    updateReseiverPos(orientation);
    applyEnabledForUser(true);
}

void SettingsDlg::getAngleName(int position) { m_angleText = ReceiverPosition::angleText(position); }

void SettingsDlg::paperSizeChangedSlot(QString)
{
    // What is saved is the chooser's index.
    m_lookChanged = true;
    applyEnabledForUser(true);
}

// --- Pen tab ---------------------------------------------------------------

void SettingsDlg::initPenTab()
{
    // One colour serves all five: a text that does not parse shows the
    // colour before it (black for the first).
    QColor colour;
    for (const PenColour& pen : penColours()) {
        m_settings->getAttrValueStr(pen.entry, "rgba_color", this->*pen.text);
        m_settings->str2Color(this->*pen.text, colour);
        showColour(pen, colour);
    }

    m_settings->getAttrValueStr("visuality_properties/default_pen", "width", m_penWidthText);
    ui.m_default_brush_sz_spin->setValue(m_penWidthText.toInt());
    m_settings->getAttrValueStr("visuality_properties/default_pen", "ball_point_size",
                                m_ballPointText);
    const int ballPoint = ui.m_ball_pt_diameter_cbox->findText(
        m_ballPointText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (ballPoint >= 0)
        ui.m_ball_pt_diameter_cbox->setCurrentIndex(ballPoint);
}

void SettingsDlg::showColour(const PenColour& pen, const QColor& colour)
{
    QPixmap square(16, 16);
    square.fill(colour.isValid() ? colour : QColor(Qt::black));
    (ui.*pen.button)->setIcon(square);
}

void SettingsDlg::chooseColour(const PenColour& pen)
{
    const QColor colour = QColorDialog::getColor(Qt::black, this);
    if (!colour.isValid())
        return;
    showColour(pen, colour);
    this->*pen.text = colourText(colour);
    m_lookChanged = true;
    applyEnabledForUser(true);
}

void SettingsDlg::setBrushColor() { chooseColour(penColours()[Brush]); }
void SettingsDlg::setHighlightColor() { chooseColour(penColours()[Highlight]); }
void SettingsDlg::setScrubberLeftColorSlot() { chooseColour(penColours()[ScrubberLeft]); }
void SettingsDlg::setScrubberMiddleColorSlot() { chooseColour(penColours()[ScrubberMiddle]); }
void SettingsDlg::setScrubberRightColorSlot() { chooseColour(penColours()[ScrubberRight]); }

void SettingsDlg::defaultWidthChangedSlot(int value)
{
    m_penWidthText = QStringLiteral("%1").arg(value);
    m_lookChanged = true;
    applyEnabledForUser(true);
}

void SettingsDlg::setBallpointDiameterSlot(QString diameter_val_str)
{
    m_ballPointText = diameter_val_str;
    m_lookChanged = true;
    applyEnabledForUser(true);
}

// --- Click Threshold tab ---------------------------------------------------

void SettingsDlg::initTipSensitivityTab()
{
    QString text;
    m_settings->getAttrValueStr("receiver_properties/receiver", "low_pressure", text);
    m_lowPressure = text.toInt();
    ui.m_sensitivity_slider->setMinimum(m_lowPressure);
    text.clear();
    m_settings->getAttrValueStr("receiver_properties/receiver", "high_pressure", text);
    m_highPressure = text.toInt();
    ui.m_sensitivity_slider->setMaximum(m_highPressure);
    text.clear();
    m_settings->getAttrValueStr("receiver_properties/receiver", "default_pressure", text);
    m_defaultPressure = text.toInt();
    ui.m_sensitivity_slider->setValue(m_defaultPressure);
    ui.m_sensitivity_slider->setRange(m_lowPressure, m_highPressure);

    if (m_observer && m_observer->isReady())
        hidDevicePlugSlot();
    else
        hidDeviceUnplugSlot();
}

void SettingsDlg::hidDevicePlugSlot()
{
    if (m_closed)
        return;
    m_receiverConnected = true;
    waitForThreshold(kThresholdSettleTime, false);
}

void SettingsDlg::waitForThreshold(std::chrono::milliseconds wait, bool retry)
{
    // The controls and Apply wait with the reading, so that its answer
    // cannot replace a value the user is setting, and no value is sent before
    // the receiver's own is known.
    if (!m_waitingForThreshold) {
        m_waitingForThreshold = true;
        m_tabBeforeWait = {ui.m_sensitivity_slider->isEnabled(), m_thresholdNotTested,
                           ui.m_ms_label->text()};
        setThresholdControlsEnabled(false);
        m_thresholdNotTested = false;
        ui.m_ms_label->clear();
        showApply();
        setCursor(Qt::BusyCursor);
    }
    m_thresholdWait.start(wait, [this, retry] { readWaitedThreshold(retry); });
}

void SettingsDlg::readWaitedThreshold(bool retry)
{
    unsigned short threshold = 0;
    if (!readThresholdOrDisconnect(threshold))
        return;
    if (!thresholdInRange(threshold)) {
        if (!retry) {
            waitForThreshold(kThresholdRetryTime, true);
            return;
        }
        // Still out of range: the tab shows what it showed before.
        endThresholdWait();
        setThresholdControlsEnabled(m_tabBeforeWait.controlsEnabled);
        m_thresholdNotTested = m_tabBeforeWait.notTested;
        ui.m_ms_label->setText(m_tabBeforeWait.message);
        return;
    }
    endThresholdWait();
    ui.m_sensitivity_slider->setValue(threshold);
    m_thresholdNotTested = false;
    setThresholdControlsEnabled(true);
    ui.m_tip_sens_wgt->clearImage();
    ui.m_ms_label->setText(tr("Draw here to test your pen's click threshold"));
}

void SettingsDlg::endThresholdWait()
{
    m_thresholdWait.cancel();
    m_waitingForThreshold = false;
    showApply();
    unsetCursor();
}

void SettingsDlg::setThresholdControlsEnabled(bool enabled)
{
    ui.m_sensitivity_slider->setEnabled(enabled);
    ui.m_tip_sens_wgt->setEnabled(enabled);
}

void SettingsDlg::hidDeviceUnplugSlot()
{
    if (m_closed)
        return;
    endThresholdWait();
    m_receiverConnected = false;
    ui.m_sensitivity_slider->setValue(m_lowPressure);
    ui.m_tip_sens_wgt->clearImage();
    setThresholdControlsEnabled(false);
    ui.m_ms_label->setText(
        tr("Connect Scrivet to your computer to adjust the click threshold \nThe click threshold "
           "controls the pressure required to record your strokes"));
    m_thresholdNotTested = false;
}

bool SettingsDlg::readThresholdOrDisconnect(unsigned short& threshold)
{
    if (m_observer && m_observer->getPressureThreshold(&threshold))
        return true;
    tell(nullptr, QMessageBox::Critical, tr("Failed to retrieve the pressure value."));
    hidDeviceUnplugSlot();
    return false;
}

bool SettingsDlg::thresholdInRange(unsigned short threshold) const
{
    return threshold >= m_lowPressure && threshold <= m_highPressure;
}

void SettingsDlg::setValueAfterMoveSlot(int value)
{
    ui.m_sensitivity_slider->setValue(value);
    sliderValueChanged();
}

void SettingsDlg::setValueFromSliderSlot() { sliderValueChanged(); }

void SettingsDlg::sliderValueChanged()
{
    ui.m_tip_sens_wgt->clearImage();
    ui.m_ms_label->setText(tr("You must first Apply the new setting before testing it."));
    m_thresholdNotTested = true;
    applyEnabledForUser(true);
}

bool SettingsDlg::sendThreshold()
{
    const auto threshold = static_cast<unsigned short>(ui.m_sensitivity_slider->value());
    if (m_observer && m_observer->setPressureThreshold(threshold))
        return true;
    tell(this, QMessageBox::Critical,
         tr("Failed to send the click threshold to the receiver. Check that it is connected "
            "and try again."));
    return false;
}

void SettingsDlg::readThresholdBack()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, kReadBackEventTimeMs);
    unsigned short threshold = 0;
    if (m_observer && m_observer->getPressureThreshold(&threshold))
        ui.m_sensitivity_slider->setValue(threshold);
    m_thresholdNotTested = false;
    // The receiver has the setting now: it can be tried on the pad.
    ui.m_ms_label->setText(tr("Draw here to test your pen's click threshold"));
}

// --- General tab -----------------------------------------------------------

void SettingsDlg::initGeneralTab()
{
    m_settings->getAttrValueStr("startup_directory/directory", "path", m_startupDirectory);
    ui.m_dir_le->setText(m_startupDirectory);
    m_settings->getAttrValueStr("translator/language", "name", m_languageName);
    // The chooser shows the language the start-up chose by that name.
    const int language = ui.m_lang_cbx->findText(knownLanguageName(m_languageName),
                                                 Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (language >= 0)
        ui.m_lang_cbx->setCurrentIndex(language);
    // The receiver's clock takes the local wall time; the edit holds it
    // without conversion to its fixed UTC offset.
    const QDateTime now = QDateTime::currentDateTime();
    ui.m_date_timeedit->setDateTime(QDateTime(now.date(), now.time(), Qt::OffsetFromUTC, 0));
}

void SettingsDlg::setRealTimeClock()
{
    if (!m_receiverConnected) {
        tell(this, QMessageBox::Warning,
             tr("The receiver is not connected to USB port, can't update Real-time clock."));
        return;
    }
    const QDateTime clock = ui.m_date_timeedit->dateTime();
    const QMessageBox::StandardButton answer =
        tell(this, QMessageBox::Question,
             QCoreApplication::translate("QObject",
                                         "Would you like to apply clock setting to the receiver?"),
             QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    if (m_observer && m_observer->setRtc(clock))
        applyEnabledForUser(true);
    else
        tell(this, QMessageBox::Critical, tr("Failed to update Real-time clock!"));
}

void SettingsDlg::rtcChangedSlot(QDateTime) { applyEnabledForUser(true); }

void SettingsDlg::dirChangedSlot()
{
    const QString folder = QDir::toNativeSeparators(QFileDialog::getExistingDirectory(
        this, tr("Select Working Directory"), QDir::rootPath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks));
    if (!folder.isEmpty())
        ui.m_dir_le->setText(folder);
    applyEnabledForUser(true);
}

void SettingsDlg::handleLanguagesComboSlot(QString name)
{
    m_languageName = name;
    m_settings->setAttrValueStr("translator/language", "status", "1");
    tell(QApplication::activeWindow(), QMessageBox::Information,
         QStringLiteral("In order to apply your language selection you have to click \"OK\"\n on "
                        "\"Setting\" dialog and re-start application"));
    applyEnabledForUser(true);
}

// --- saving ----------------------------------------------------------------

void SettingsDlg::userClickedOkSlot()
{
    if (updateSettingsWithGuiValues(true))
        accept();
}

void SettingsDlg::userClickedApplySlot() { updateSettingsWithGuiValues(false); }

void SettingsDlg::done(int result)
{
    m_closed = true;
    endThresholdWait();
    QDialog::done(result);
}

bool SettingsDlg::updateSettingsWithGuiValues(bool fromOk)
{
    storeGuiValues();
    if (m_thresholdNotTested) {
        if (fromOk) {
            const QMessageBox::StandardButton answer = tell(
                this, QMessageBox::Question,
                tr("You changed the tip sensitivity and did not test \nthe current setting. Click "
                   "\"OK\" without \ntesting. Click \"Apply\" to apply the setting\n and test it. "),
                QMessageBox::Ok | QMessageBox::Apply | QMessageBox::Cancel, QMessageBox::Ok);
            if (answer == QMessageBox::Apply) {
                sendThreshold();
                ui.m_settings_tab->setCurrentIndex(kThresholdTab);
                if (m_receiverConnected)
                    hidDevicePlugSlot();
                else
                    hidDeviceUnplugSlot();
                return false;
            }
            if (answer != QMessageBox::Ok)
                return false;
        }
        if (sendThreshold())
            readThresholdBack();
    }
    if (!writeSettingsFile())
        return false;
    applyEnabledForUser(false);
    return true;
}

void SettingsDlg::storeGuiValues()
{
    for (const PenColour& pen : penColours())
        m_settings->setAttrValueStr(pen.entry, "rgba_color", this->*pen.text);
    m_settings->setAttrValueStr("visuality_properties/default_pen", "width", m_penWidthText);
    m_settings->setAttrValueStr("visuality_properties/default_pen", "ball_point_size",
                                m_ballPointText);
    m_settings->setPaperSizeEnum(
        static_cast<ApplSettings::PaperSize>(ui.m_paper_sz_cbox->currentIndex()));
    m_settings->setOrientation(m_orientationText == QLatin1String("Portrait")
                                   ? ApplSettings::Portrait
                                   : ApplSettings::Landscape);
    getAngleName(m_receiverPosition);
    m_settings->setAttrValueStr("page_properties/page", "angle", m_angleText);
    m_settings->setAttrValueStr("startup_directory/directory", "path", ui.m_dir_le->text());
    m_settings->setAttrValueStr("translator/language", "name", ui.m_lang_cbx->currentText());
}

bool SettingsDlg::writeSettingsFile()
{
    if (m_settings->writeApplSettings(m_settingsFilePath))
        return true;
    tell(this, QMessageBox::Critical,
         tr("The settings could not be saved to the file \n%1").arg(m_settingsFilePath));
    return false;
}
