// Output, help and information commands: other formats, the hand-offs to
// other applications, printing and mail of the sketch in view; the user guide
// and licence in the system's language, the About box, the product
// information folder, the web tutorial and the settings dialog.

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "AboutDlg.h"
#include "ApplSettings.h"
#include "DocumentMetaData.h"
#include "ExportFormats.h"
#include "FixedPaths.h"
#include "HelpFiles.h"
#include "LayerManager.h"
#include "PreviewThumbnailList.h"
#include "SettingsDlg.h"
#include "SketchMail.h"
#include "Translations.h"
#include "WaitCursor.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

const char* const kTutorialAddress = "https://www.scrivet.com/dravello/tutorial";

// Where the help files and the product information are installed.
QString programDataFolder() { return QDir::toNativeSeparators(QString::fromStdString(Platform::programDataFolder())); }

// The credits button shows for legal paper drawn with a 13-wide default pen.
bool creditsUnlocked(ApplSettings& settings)
{
    QString size;
    QString width;
    settings.getAttrValueStr("page_properties/page", "size", size);
    settings.getAttrValueStr("visuality_properties/default_pen", "width", width);
    return size.toLower() == QLatin1String("legal") && width.toInt(nullptr, 10) == 13;
}

using Exporter = bool (ExportFormats::*)(MetadataPtr);
using EditorCommand = void (LayerManager::*)();

enum class Preparation { Centred, AsListed };

// The list's current sketch, as a centred copy held by the editor unless
// taken as listed; empty when there is no readable current sketch.
MetadataPtr browserRecord(MainWindow& window, PreviewThumbnailList& list, Preparation preparation)
{
    const MetadataPtr listed = list.getCurrentFileMetadata();
    if (!listed.GetData() || preparation == Preparation::AsListed)
        return listed;
    return window.PrepareMetadaForExport(*listed.GetData());
}

void exportUnderWaitCursor(Exporter exporter, const MetadataPtr& record)
{
    if (!record.GetData())
        return;
    WaitCursor wait;
    ExportFormats exports;
    (exports.*exporter)(record);
}

// On the editor page the editor exports its own sketch; on the browser page
// the list's current one goes to the exporter.
void runExport(MainWindow& window, Ui::MainWindow& form, EditorCommand onEditor, Exporter exporter,
               Preparation preparation)
{
    if (window.currentPage() == 1)
        (form.m_layer_manager->*onEditor)();
    else
        exportUnderWaitCursor(exporter, browserRecord(window, *form.m_pieces_list, preparation));
}

// The editor's sketch on the editor page, else the list's current one centred.
MetadataPtr commandRecord(MainWindow& window, Ui::MainWindow& form)
{
    if (window.currentPage() == 1)
        return form.m_layer_manager->getCurrentMetaDataPtr();
    return browserRecord(window, *form.m_pieces_list, Preparation::Centred);
}

} // namespace

MetadataPtr MainWindow::PrepareMetadaForExport(const DocumentMetaData& record)
{
    // An unread record has nothing to show: the editor keeps what it holds.
    if (!record.hasDocument())
        return MetadataPtr();
    ui->m_layer_manager->init(MetadataPtr(new DocumentMetaData(record, true)));
    return ui->m_layer_manager->getCurrentMetaDataPtr();
}

void MainWindow::On_ExportAsDiffrentFormat_Clicked()
{
    if (m_currentPage == 1)
        ui->m_layer_manager->saveAsDifferentFormatSlot();
    else
        ui->m_pieces_list->saveAsDiffrentFormatSlot();
}

void MainWindow::SaveDiffrentrFormatHandler()
{
    exportUnderWaitCursor(&ExportFormats::SaveGeneric,
                          browserRecord(*this, *ui->m_pieces_list, Preparation::Centred));
}

void MainWindow::exportPsSlot()
{
    runExport(*this, *ui, &LayerManager::exportPsSlot, &ExportFormats::AdobePhotoshopExport,
              Preparation::Centred);
}

void MainWindow::exportAiSlot()
{
    runExport(*this, *ui, &LayerManager::exportAiSlot, &ExportFormats::AdobeIllustartorExport,
              Preparation::AsListed);
}

void MainWindow::exportSPBSlot()
{
    runExport(*this, *ui, &LayerManager::exportSBPSlot, &ExportFormats::SBPExport, Preparation::Centred);
}

void MainWindow::exportASSlot()
{
    runExport(*this, *ui, &LayerManager::exportASSlot, &ExportFormats::AliasSketchExport,
              Preparation::Centred);
}

void MainWindow::On_FilePrint_Cliked()
{
    const MetadataPtr record = commandRecord(*this, *ui);
    if (record.GetData())
        PrintDocFormatted(record);
}

void MainWindow::On_FileEmail_Cliked()
{
    const MetadataPtr record = commandRecord(*this, *ui);
    if (record.GetData())
        emailDocumentasPDF(record);
}

void MainWindow::PrintDocFormatted(MetadataPtr record) { ExportFormats::PrintFile(record); }

bool MainWindow::emailDocumentasPDF(MetadataPtr record)
{
    return record.GetData()
        && mailSketchAsPdf(*record.GetData(), *m_mailer, this, QStringLiteral(" Message"));
}

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
    const QString path = helpFilePath(programDataFolder(), QStringLiteral("userguides"), m_UGFileName,
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
    const QString licence = helpFilePath(programDataFolder(), QStringLiteral("eula"), m_EULAFileName,
                                         englishHelpFileNames().licence);
    qDebug().noquote() << "About licence" << licence;
    if (!licence.isEmpty())
        about.ui.textBrowserEula->setSource(QUrl::fromLocalFile(licence));
    about.showFirmwareVersion(m_observer);
    about.exec();
}

void MainWindow::On_IPISlot()
{
    const QString folder = programDataFolder();
    if (folder.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder + QLatin1String("/Important Product Information")));
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
    if (dialog.m_lookChanged)
        ui->m_pieces_list->reloadSameFolder(false);
}
