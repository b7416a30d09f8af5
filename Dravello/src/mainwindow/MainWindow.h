#ifndef DRAVELLO_MAINWINDOW_MAINWINDOW_H
#define DRAVELLO_MAINWINDOW_MAINWINDOW_H

// The program's top-level window: the browser page (folder tree beside the
// thumbnail list) and the editor page (layer editor) in one stack, their
// menus and tool bar, the status bar, and the document commands.
// GUI thread only.

#include "DocumentMetaData.h"
#include "FolderHistory.h"
#include "ReceiverNotices.h"

#include <QDir>
#include <QMainWindow>
#include <QString>
#include <QSystemTrayIcon>

#include <memory>

class ApplSettings;
class IEMailClient;
class KeyboardTrackingSlider;
class LayerManager;
class PagesStrip;
class QLabel;
class QListWidgetItem;
class QMenu;
class QProgressBar;
class QTimer;
class QToolButton;
class ScrivetDeviceObserver;
class SketchOpener;
class WaitCursor;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // Builds the window once; always true.
    bool init(const QString& documentsDir, const QString& userSettingsPath);

    // Opens a sketch file in the editor; false only when `path` is a folder.
    bool LoadSpecificFile(QString path);

    // Page 0 is the browser, page 1 the editor.
    int currentPage() const { return m_currentPage; }

    // The receiver's volume is mounted (the start shows the window then).
    bool receiverVolumeMounted() const { return m_volumeMounted; }

    // A centred copy of the record, made the editor's current record (the
    // browser page stays shown); empty for a record without a document.
    MetadataPtr PrepareMetadaForExport(const DocumentMetaData& record);
    void PrintDocFormatted(MetadataPtr record);
    // Mails the record's paper as a PDF; true once the mail program has it.
    bool emailDocumentasPDF(MetadataPtr record);
    // The mail program the mail command uses (the desktop's by default; not owned).
    void setMailClient(IEMailClient& mailer) { m_mailer = &mailer; }

public slots:
    void showMaximizedLocal();
    void setPagesStripVisible(bool isVisible);
    void setPagesStripInfo(unsigned int firstPos, unsigned int lastPos,
                           unsigned int totlaFilesCount, bool resetData = false);

    void handleSentMessageFromAnotherCopyOfApp(const QString& msg);
    void handleFileClickedInFinder(QString fileName);

signals:
    void handleHIDDevicePlugSgnl();
    void handleHIDDeviceUnplugSgnl();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Window, tray and editor commands.
    void On_EditUndo_Clicked();
    void On_ViewRotateClockwise_Clicked();
    void On_ViewRotateContrclockwise_Clicked();
    void On_ViewZoomIn_Clicked();
    void On_ViewZoomOut_Clicked();
    void viewFileTree(bool show);
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void quitFromTray();

    // Status bar, pages and enabling.
    void currentTabChanged(int index);
    void setFilesProgressBarRange(int value);
    void setFilesProgressBarValue();
    void loaderFinishedWorkSlot();
    void On_FirstThumbnailSelected(QListWidgetItem* current, QListWidgetItem* previous);
    void On_CanUndoChanged(bool canUndo);
    void On_CanRedoChanged(bool canRedo);
    void slotSaveEnable(bool enable);
    void toolBarEnableSlot(bool enabled);
    void On_ZoomSliderPosition(int position);
    void thumbsZoomMinusSlot();
    void thumbsZoomPlusSlot();
    void enterKeyHandlingSlot(bool enable);

    // Opening and saving.
    // Opens the record's file in the editor (it is read again).
    void thumbnailSelectedExSlot(MetadataPtr metaData);
    void sketchOpened(MetadataPtr record);
    void sketchNotOpened();
    void On_FileOpen_Clicked();
    void On_Save();
    void On_SaveAs();
    void saveDocumentSlot(MetadataPtr data);
    void checkIfSaveNeededSlot();
    void backToPreviewTab();

    // Folder history and the move off the receiver.
    void directoryNewEntrySlot(QDir dir);
    void actionBackSlot();
    void actionForwardSlot();
    void On_FolderOpen_Clicked();
    void moveFromUsbToSelectedFolderSlot(QDir source);

    // The receiver.
    void handleStorageDeviceUnplugSlot(QString path);
    void handleHIDDevicePlugSlot(QString origin);
    void handleStorageDevicePlugSlot(QString path);
    void handleHIDDeviceUnplugSlot(QString origin);
    void handleDeviceLastErrorSlot(QString event);
    void shootBatteryStatusSlot();

    // Other formats, hand-offs, printing and mail.
    void On_ExportAsDiffrentFormat_Clicked();
    void SaveDiffrentrFormatHandler();
    void exportPsSlot();
    void exportAiSlot();
    void exportSPBSlot();
    void exportASSlot();
    void On_FilePrint_Cliked();
    void On_FileEmail_Cliked();

    // Help, about and settings.
    void On_HelpAboutUserGuide_Clicked();
    void On_About_Clicked();
    void On_IPISlot();
    void On_ScrivetWebTutorilaSlot();
    void setPreferences();
    void prepareUG_EULAlanguage();

private:
    // Start-up.
    void createTrayIconMenu();
    void createGui(const QString& startDir);
    void connectActions();
    void connectBrowserAndEditor();
    void createExportEntries();
    // Runs an editor command only while the editor page is shown.
    void onEditorPage(void (LayerManager::*command)());

    // Status bar, pages and enabling.
    void addStatusBarWidgets();
    void switchToolbarButtons(bool editor);
    void setEnabledZoomSlider(bool value);
    void stepThumbnailZoom(int step);

    // Opening and saving.
    // Shows the editor page with the file, which is read and built in the
    // background; the sketch shown before goes at once.
    void openInEditor(const QString& path);
    // Drops the opening in flight, if any.
    void cancelOpening();
    void showBrowserPage();
    // True once the file was written and read back.
    bool SaveDocument(MetadataPtr record, bool merged);
    bool SaveAsAnotherDocument(MetadataPtr record);
    // Appends the saved sketch's thumbnail, replacing the one of its path.
    void showSavedThumbnail(const MetadataPtr& saved, bool replacing);
    int checkIfSaveNeeded();
    int viewPreviewTab();

    // Shows a folder without recording it in the history.
    void loadDir(const QString& path);

    // The receiver.
    void prepareConnectionWithReceiver();
    void checkLastError();
    void checkVoltage();
    void createEmptyBatteryIcon();
    void clearFolderHistory();

    std::unique_ptr<Ui::MainWindow> ui;
    ApplSettings* m_settings;
    int m_currentPage = 0;
    QSystemTrayIcon* m_trayIcon = nullptr;
    KeyboardTrackingSlider* m_zoomSlider = nullptr;
    QToolButton* m_zoomInButton = nullptr;
    QToolButton* m_zoomOutButton = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QLabel* m_batteryLabel = nullptr;
    PagesStrip* m_pagesStrip = nullptr;
    QMenu* m_exportMenu = nullptr;
    QString m_startDir;
    QString m_userSettingsPath;
    IEMailClient* m_mailer;
    bool m_enterKeyHandling = true;
    // An Enter was pressed on the window itself since its last release.
    bool m_enterPressedHere = false;
    FolderHistory m_folderHistory;
    ScrivetDeviceObserver* m_observer = nullptr;
    QString m_lastHandedOverPath;
    std::unique_ptr<SketchOpener> m_opener;
    // Shown while a sketch opens.
    std::unique_ptr<WaitCursor> m_openingCursor;
    // The sketch opening was saved under another name: the editor's title
    // is its path alone.
    bool m_titleIsPathOnOpening = false;

    // The receiver.
    QTimer* m_batteryTimer = nullptr;
    QString m_volumePath;
    QString m_deviceDir;
    QString m_lastDeviceError;
    QString m_batteryStatus;
    bool m_volumeMounted = false;
    bool m_memoryFullPending = false;
    ChargingWarnings m_chargingWarnings;

    // The licence text and the user guide in the system's language.
    QString m_EULAFileName;
    QString m_UGFileName;
};

#endif
