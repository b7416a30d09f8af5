#include "AboutDlg.h"

#include "CreditsDialog.h"
#include "ScrivetDeviceObserver.h"

#include <string>

AboutDlg::AboutDlg(QWidget*) : QDialog(nullptr)
{
    ui.setupUi(this);
    ui.pushButton->setText(QStringLiteral("Credit ..."));
}

bool AboutDlg::showFirmwareVersion(ScrivetDeviceObserver* observer)
{
    std::string version;
    if (!observer || !observer->getFirmwareVersion(version))
        return false;
    // The version area ends with an empty paragraph, so the firmware line
    // stands below the software version.
    ui.textEditVersion->setPlainText(ui.textEditVersion->toPlainText()
                                     + tr("Firmware version: %1").arg(QString::fromStdString(version)));
    return true;
}

void AboutDlg::showMe()
{
    Dialog credits(nullptr);
    credits.exec();
}
