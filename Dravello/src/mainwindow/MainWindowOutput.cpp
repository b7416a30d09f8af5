// Help and information commands: the user guide and licence in the system's
// language, the About box, the product information folder, the web tutorial
// and the settings dialog.

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "AboutDlg.h"
#include "ApplSettings.h"
#include "HelpFiles.h"
#include "SettingsDlg.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

const char* const kTutorialAddress = "https://www.scrivet.com/dravello/tutorial";

QString programFolder() { return QCoreApplication::applicationDirPath(); }

// The credits button shows for legal paper drawn with a 13-wide default pen.
bool creditsUnlocked(ApplSettings& settings)
{
    QString size;
    QString width;
    settings.getAttrValueStr("page_properties/page", "size", size);
    settings.getAttrValueStr("visuality_properties/default_pen", "width", width);
    return size.toLower() == QLatin1String("legal") && width.toInt(nullptr, 10) == 13;
}

} // namespace

void MainWindow::prepareUG_EULAlanguage()
{
    const HelpFileNames names = helpFileNames(QLocale::system().language(), CheckChinesePreference());
    m_EULAFileName = names.licence;
    m_UGFileName = names.userGuide;
    qDebug().noquote() << " prepareUG_EULAlanguage UG  m_EULAFileName = " << m_EULAFileName
                       << " m_UGFileName = " << m_UGFileName;
}

void MainWindow::On_HelpAboutUserGuide_Clicked()
{
    const QLocale system = QLocale::system();
    qDebug().noquote() << " On_HelpAboutUserGuide_Clicked UG  strDefLanguage = "
                       << QLocale::languageToString(system.language())
                       << " strDefCountry = " << QLocale::territoryToString(system.territory());
    const QString path = helpFilePath(programFolder(), QStringLiteral("userguides"), m_UGFileName,
                                      englishHelpFileNames().userGuide);
    if (path.isEmpty()) {
        qDebug("pdf is not there!");
        return;
    }
    qDebug().noquote() << " On_HelpAboutUserGuide_Clicked UG  filePath = " << path;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MainWindow::On_About_Clicked()
{
    AboutDlg about(nullptr);
    about.setWindowFlags(Qt::WindowFlags());
    about.ui.pushButton->setVisible(creditsUnlocked(*m_settings));
    const QString licence = helpFilePath(programFolder(), QStringLiteral("eula"), m_EULAFileName,
                                         englishHelpFileNames().licence);
    qDebug().noquote() << "About licence" << licence;
    if (!licence.isEmpty())
        about.ui.textBrowserEula->setSource(QUrl::fromLocalFile(licence));
    about.showFirmwareVersion(m_observer);
    about.exec();
}

void MainWindow::On_IPISlot()
{
    // From the program's folder inside the bundle to the folder that holds the bundle.
    QDir folder(QDir::toNativeSeparators(programFolder()));
    folder.cd(QStringLiteral("../../.."));
    const QString path = folder.canonicalPath() + QLatin1String("/Important Product Information");
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MainWindow::On_ScrivetWebTutorilaSlot() { QDesktopServices::openUrl(QUrl(QLatin1String(kTutorialAddress))); }

void MainWindow::setPreferences()
{
    // Made for this opening only, and gone when it closes.
    SettingsDlg dialog(m_observer, this);
    dialog.m_settingsFilePath = m_userSettingsPath;
    connect(this, &MainWindow::handleHIDDeviceUnplugSgnl, &dialog, &SettingsDlg::hidDeviceUnplugSlot);
    connect(this, &MainWindow::handleHIDDevicePlugSgnl, &dialog, &SettingsDlg::hidDevicePlugSlot);
    dialog.exec();
}
