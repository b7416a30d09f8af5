#ifndef DRAVELLO_DIALOGS_SETTINGSDLG_H
#define DRAVELLO_DIALOGS_SETTINGSDLG_H

// The preferences dialog: paper, orientation and receiver position, pen
// colours and widths, the receiver's click threshold with a test pad, its
// clock, and the start-up folder. Values are read from the settings store at
// construction and handed back (and written to m_settingsFilePath) only on Ok
// and Apply; the threshold and the clock go to the receiver through the
// observer it was given.

#include "ApplSettings.h"
#include "TimedWait.h"
#include "ui_QtSettingsDlg.h"

#include <QDateTime>
#include <QDialog>
#include <QString>

#include <array>
#include <chrono>

class QColor;
class ScrivetDeviceObserver;

class SettingsDlg : public QDialog {
    Q_OBJECT

public:
    // observer may be null (no receiver interface); it is not owned.
    SettingsDlg(ScrivetDeviceObserver* observer, QWidget* parent);

    // Hands the dialog's values to the store and writes the file; false when
    // the user chose to go on testing the threshold or the file could not be
    // written (the user is told).
    bool updateSettingsWithGuiValues(bool fromOk);

    // Set by the creator before exec(): the file that Ok and Apply write.
    QString m_settingsFilePath;
    // True once anything that changes how sketches are drawn was edited.
    bool m_lookChanged = false;

public slots:
    // The receiver's HID interface came or went while the dialog is open.
    // A closed dialog ignores both: its creator may keep it, still connected.
    void hidDevicePlugSlot();
    void hidDeviceUnplugSlot();

private slots:
    void setBrushColor();
    void setHighlightColor();
    void setScrubberLeftColorSlot();
    void setScrubberMiddleColorSlot();
    void setScrubberRightColorSlot();
    void defaultWidthChangedSlot(int value);
    void setBallpointDiameterSlot(QString diameter_val_str);
    void paperSizeChangedSlot(QString paper_name);
    void setLandscapeOrientationSlot(bool val);
    void setPortraitOrientationSlot(bool val);

    void setValueAfterMoveSlot(int value);
    void setValueFromSliderSlot();
    void setRealTimeClock();
    void rtcChangedSlot(QDateTime dateTime);
    void dirChangedSlot();
    void handleLanguagesComboSlot(QString name);
    void userClickedOkSlot();
    void userClickedApplySlot();

protected:
    // A press on a position picture chooses the receiver's cell.
    bool event(QEvent* event) override;
    void done(int result) override;

private:
    // One of the five colours of the Pen tab: its settings entry, button and
    // text as written to the settings.
    struct PenColour {
        const char* entry;
        QToolButton* Ui_QtSettingsDlg::*button;
        QString SettingsDlg::*text;
    };
    enum PenColourIndex { Brush, Highlight, ScrubberLeft, ScrubberMiddle, ScrubberRight };
    static const std::array<PenColour, 5>& penColours();

    void setIndividualStyle();
    void applyEnabledForUser(bool on);
    void initMappingTab();
    void initPenTab();
    void initTipSensitivityTab();
    void initGeneralTab();

    void updateReseiverPos(ApplSettings::Orientation orientation);
    void updateRposAndPaperOrientation();
    void setReceiverPos(ApplSettings::Orientation orientation, int x, int y, int height, int width);
    void getAngleName(int position);
    void showOrientation(ApplSettings::Orientation orientation);

    void chooseColour(const PenColour& pen);
    void showColour(const PenColour& pen, const QColor& colour);

    void sliderValueChanged();
    // The receiver is read after a wait that keeps the window serving
    // events; `retry` for the second read after an answer out of range.
    void waitForThreshold(std::chrono::milliseconds wait, bool retry);
    void readWaitedThreshold(bool retry);
    void endThresholdWait();
    void setThresholdControlsEnabled(bool enabled);
    void showApply();
    // Reads the receiver's threshold; on failure tells the user and shows
    // the tab disconnected.
    bool readThresholdOrDisconnect(unsigned short& threshold);
    bool thresholdInRange(unsigned short threshold) const;
    // Sends the slider's value; tells the user when the receiver did not take it.
    bool sendThreshold();
    void readThresholdBack();

    void storeGuiValues();
    bool writeSettingsFile();

    Ui_QtSettingsDlg ui;

    QString m_startupDirectory;
    QString m_languageName;
    ApplSettings* m_settings;
    QString m_penColorText;
    QString m_penWidthText;
    QString m_ballPointText;
    QString m_highlightColorText;
    QString m_scrubberLeftColorText;
    QString m_scrubberMiddleColorText;
    QString m_scrubberRightColorText;
    int m_receiverPosition = ApplSettings::UpperMiddle; // -1: the stored angle names no cell
    QString m_orientationText;
    QString m_angleText;
    bool m_closed = false;
    bool m_receiverConnected = false;
    bool m_thresholdNotTested = false;
    int m_defaultPressure = 0;
    int m_lowPressure = 0;
    int m_highPressure = 0;
    ScrivetDeviceObserver* m_observer;
    TimedWait m_thresholdWait;
    bool m_waitingForThreshold = false;
    // What the threshold tab showed before the wait, for a wait whose
    // reading ends with nothing to show.
    struct ThresholdTabState {
        bool controlsEnabled = false;
        bool notTested = false;
        QString message;
    };
    ThresholdTabState m_tabBeforeWait;
    // Apply as the edits ask for it; it stays disabled while the threshold is awaited.
    bool m_applyAsked = false;
};

#endif
