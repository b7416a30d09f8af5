#ifndef DRAVELLO_DIALOGS_ABOUTDLG_H
#define DRAVELLO_DIALOGS_ABOUTDLG_H

// The About box: logo, software version (and the receiver's firmware
// version when one answers), the owner's notice, the licence text, and the
// "Credit ..." button that opens the credits panel. Its creator reaches the
// form's widgets through ui (licence source, credits button).

#include "ui_QAboutDialog.h"

#include <QDialog>

class ScrivetDeviceObserver;

class AboutDlg : public QDialog {
    Q_OBJECT

public:
    // The box is always a top-level window: parent is not used.
    explicit AboutDlg(QWidget* parent = nullptr);

    // Adds the line "Firmware version: <version>" below the software version
    // when the receiver answers; false, and nothing changed, otherwise.
    bool showFirmwareVersion(ScrivetDeviceObserver* observer);

    Ui_QAboutDialog ui;

public slots:
    // Runs the credits panel over the box.
    void showMe();
};

#endif
