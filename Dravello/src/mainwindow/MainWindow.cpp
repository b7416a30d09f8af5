#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "ApplSettings.h"
#include "ApplicationLook.h"
#include "DeviceManager.h"
#include "DirView.h"
#include "LayerManager.h"
#include "MailClient.h"
#include "PreviewThumbnailList.h"
#include "SketchOpener.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QResizeEvent>

namespace {

// Tool-bar export entries by the first substring of the application name
// that matches, ignoring case.
struct ExportEntryKind {
    const char* nameFragment;
    const char* icon;
    const char* slot;
};

} // namespace

MainWindow::MainWindow()
    : ui(std::make_unique<Ui::MainWindow>())
    , m_settings(ApplSettings::instance())
    , m_mailer(&desktopMailClient())
    , m_opener(std::make_unique<SketchOpener>())
{
    // The window's pictures and style sheets live in the static core library.
    registerCompiledResources();
}

MainWindow::~MainWindow()
{
    if (m_observer)
        DeviceManager::instance()->finish();
    // The editor's undo stack and the thumbnail list signal while they are
    // destroyed, when this window is half gone.
    if (ui->m_layer_manager) {
        ui->m_layer_manager->undoStack()->disconnect(this);
        ui->m_layer_manager->disconnect(this);
        ui->m_pieces_list->disconnect(this);
        ui->m_dirtree_view->disconnect(this);
    }
}

bool MainWindow::init(const QString& documentsDir, const QString& userSettingsPath)
{
    m_userSettingsPath = userSettingsPath;
    m_startDir = documentsDir;

    QString stored;
    m_settings->getAttrValueStr("startup_directory/directory", "path", stored);
    stored = QDir::toNativeSeparators(stored);
    if (!stored.isEmpty() && QDir(stored).exists())
        m_startDir = stored;
    else
        m_settings->setAttrValueStr("startup_directory/directory", "path", documentsDir);

    createTrayIconMenu();
    createGui(m_startDir);
    addStatusBarWidgets();
    prepareConnectionWithReceiver();
    checkLastError();
    checkVoltage();
    prepareUG_EULAlanguage();
    return true;
}

void MainWindow::createTrayIconMenu()
{
    QAction* minimizeAction = new QAction(tr("Mi&nimize"), this);
    QAction* maximizeAction = new QAction(tr("Ma&ximize"), this);
    QAction* quitAction = new QAction(tr("&Quit"), this);
    connect(minimizeAction, &QAction::triggered, this, &QWidget::showMinimized);
    connect(maximizeAction, &QAction::triggered, this, &MainWindow::showMaximizedLocal);
    connect(quitAction, &QAction::triggered, this, &MainWindow::quitFromTray);

    QMenu* trayMenu = new QMenu(this);
    trayMenu->addAction(minimizeAction);
    trayMenu->addAction(maximizeAction);
    trayMenu->addSeparator();
    trayMenu->addAction(quitAction);

    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setContextMenu(trayMenu);
    m_trayIcon->setIcon(QIcon(":/misc/Resources/USB/USB_unplug_32X32.png"));
    m_trayIcon->setToolTip(tr("Scrivet Dravello is disconnected"));
}

void MainWindow::createGui(const QString& startDir)
{
    ui->setupUi(this);
    m_currentPage = 0;
    ui->m_maintab_wgt->setCurrentIndex(0);
    currentTabChanged(0);

    connectActions();
    connectBrowserAndEditor();
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::iconActivated);
    createExportEntries();

    ui->m_dirtree_view->init(startDir);
    ui->m_dirtree_view->setFocus(Qt::OtherFocusReason);
    m_trayIcon->setVisible(true);
    switchToolbarButtons(false);
}

void MainWindow::connectBrowserAndEditor()
{
    PreviewThumbnailList* thumbnails = ui->m_pieces_list;
    DirView* tree = ui->m_dirtree_view;
    LayerManager* editor = ui->m_layer_manager;
    QUndoStack* undoStack = editor->undoStack();

    connect(thumbnails, &PreviewThumbnailList::enableEnterKeyHandling, this,
            &MainWindow::enterKeyHandlingSlot);
    connect(thumbnails, &PreviewThumbnailList::thumbnailSelectedEx, this,
            &MainWindow::thumbnailSelectedExSlot);
    connect(m_opener.get(), &SketchOpener::opened, this, &MainWindow::sketchOpened);
    connect(m_opener.get(), &SketchOpener::failed, this, &MainWindow::sketchNotOpened);
    connect(tree, &DirView::navigationEvent, thumbnails, &PreviewThumbnailList::previewEliFiles);
    connect(tree, &DirView::clicked, tree, &DirView::mouseClickedSlot);
    connect(ui->actionDelete, &QAction::triggered, thumbnails,
            &PreviewThumbnailList::deleteCurrentFile);
    connect(thumbnails, &PreviewThumbnailList::currentItemChanged, this,
            &MainWindow::On_FirstThumbnailSelected);
    connect(thumbnails, &PreviewThumbnailList::mergeDocSave, this, &MainWindow::saveDocumentSlot);
    connect(ui->m_actionRedo, &QAction::triggered, undoStack, &QUndoStack::redo);
    connect(undoStack, &QUndoStack::canUndoChanged, this, &MainWindow::On_CanUndoChanged);
    connect(undoStack, &QUndoStack::canRedoChanged, this, &MainWindow::On_CanRedoChanged);
    connect(editor->m_forward_btn, &QAbstractButton::clicked, thumbnails,
            &PreviewThumbnailList::navigateForward);
    connect(editor->m_back_btn, &QAbstractButton::clicked, thumbnails,
            &PreviewThumbnailList::navigateBackward);
    // The list reads m_navigationCancelled right after the question.
    connect(thumbnails, &PreviewThumbnailList::checkIfSaveNeeded, this,
            &MainWindow::checkIfSaveNeededSlot, Qt::DirectConnection);
    // The editor's back button reaches the window through this signal only,
    // so its question comes once.
    connect(editor, &LayerManager::backToPreviewTab, this, &MainWindow::backToPreviewTab);
    connect(thumbnails, &PreviewThumbnailList::canEnableForwardButton, editor,
            &LayerManager::enableForwardButton);
    connect(thumbnails, &PreviewThumbnailList::canEnableBackButton, editor,
            &LayerManager::enableBackButton);
    connect(thumbnails, &PreviewThumbnailList::saveDocumentAs, this, &MainWindow::On_SaveAs);
    connect(tree, &DirView::navigationEvent, this, &MainWindow::directoryNewEntrySlot);
    connect(tree, &DirView::moveFromUsbToSelectedFolderSgnl, this,
            &MainWindow::moveFromUsbToSelectedFolderSlot);
    connect(thumbnails, &PreviewThumbnailList::setFilesProgressBarRangeSignal, this,
            &MainWindow::setFilesProgressBarRange);
    connect(thumbnails, &PreviewThumbnailList::setFilesProgressBarValueSignal, this,
            &MainWindow::setFilesProgressBarValue);
    connect(thumbnails, &PreviewThumbnailList::loaderFinishedWorkSgnl, this,
            &MainWindow::loaderFinishedWorkSlot);
    connect(editor, &LayerManager::saveDocumentAs, this, &MainWindow::On_SaveAs);
    connect(editor, &LayerManager::saveDocument, this, &MainWindow::On_Save);
    connect(editor, &LayerManager::signalSaveEnable, this, &MainWindow::slotSaveEnable);
    connect(editor, &LayerManager::signalToolBarEnable, this, &MainWindow::toolBarEnableSlot);
    connect(thumbnails, &PreviewThumbnailList::dragStarted, tree, &DirView::onDragStarted);
    connect(thumbnails, &PreviewThumbnailList::saveAsDiffrentFormatSignal, this,
            &MainWindow::SaveDiffrentrFormatHandler);
    connect(thumbnails, &PreviewThumbnailList::exportPsSignal, this, &MainWindow::exportPsSlot);
    connect(thumbnails, &PreviewThumbnailList::exportAiSignal, this, &MainWindow::exportAiSlot);
    connect(thumbnails, &PreviewThumbnailList::exportSPBSignal, this, &MainWindow::exportSPBSlot);
    connect(thumbnails, &PreviewThumbnailList::exportASSignal, this, &MainWindow::exportASSlot);
}

void MainWindow::connectActions()
{
    connect(ui->action_Open, &QAction::triggered, this, &MainWindow::On_FileOpen_Clicked);
    connect(ui->actionOpen_Folder, &QAction::triggered, this, &MainWindow::On_FolderOpen_Clicked);
    connect(ui->m_actionSave, &QAction::triggered, this, &MainWindow::On_Save);
    connect(ui->m_actionSave_As, &QAction::triggered, this, &MainWindow::On_SaveAs);
    connect(ui->m_action_exit, &QAction::triggered, this, &QWidget::close);
    connect(ui->m_actionUndo, &QAction::triggered, this, &MainWindow::On_EditUndo_Clicked);
    connect(ui->m_actionZoom_In, &QAction::triggered, this, &MainWindow::On_ViewZoomIn_Clicked);
    connect(ui->m_actionZoom_Out, &QAction::triggered, this, &MainWindow::On_ViewZoomOut_Clicked);
    connect(ui->m_actionRotate_Clockwise, &QAction::triggered, this,
            &MainWindow::On_ViewRotateClockwise_Clicked);
    connect(ui->m_actionRotate_Contrclockwise, &QAction::triggered, this,
            &MainWindow::On_ViewRotateContrclockwise_Clicked);
    connect(ui->actionFileTree, &QAction::toggled, this, &MainWindow::viewFileTree);
    connect(ui->actionBack, &QAction::triggered, this, &MainWindow::actionBackSlot);
    connect(ui->actionForward, &QAction::triggered, this, &MainWindow::actionForwardSlot);
    connect(ui->actionUser_Guide, &QAction::triggered, this, &MainWindow::On_HelpAboutUserGuide_Clicked);
    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::On_About_Clicked);
    connect(ui->actionImportant_Product_Information_Folder, &QAction::triggered, this, &MainWindow::On_IPISlot);
    connect(ui->actionScrivet_Web_Tutorial, &QAction::triggered, this, &MainWindow::On_ScrivetWebTutorilaSlot);
    connect(ui->actionPreferences, &QAction::triggered, this, &MainWindow::setPreferences);
    connect(ui->actionExport_as_DifferentFormat, &QAction::triggered, this,
            &MainWindow::On_ExportAsDiffrentFormat_Clicked);
    connect(ui->actionPrint, &QAction::triggered, this, &MainWindow::On_FilePrint_Cliked);
    connect(ui->actionEmail, &QAction::triggered, this, &MainWindow::On_FileEmail_Cliked);
}

void MainWindow::createExportEntries()
{
    const QList<ApplicationDescriptor> apps = m_settings->getExportingAppsList();
    if (apps.isEmpty())
        return;
    m_exportMenu = new QMenu(tr("&Export to"), this);
    ui->menuFile->insertMenu(ui->actionDelete, m_exportMenu);
    static const ExportEntryKind kinds[] = {
        {"photoshop", ":/tolbar/Resources/export/32X32/PS.png", SLOT(exportPsSlot())},
        {"illustrator", ":/tolbar/Resources/export/32X32/AI.png", SLOT(exportAiSlot())},
        {"pro", ":/tolbar/Resources/export/32X32/SBP.png", SLOT(exportSPBSlot())},
        {"designer", ":/tolbar/Resources/export/32X32/AS.png", SLOT(exportASSlot())},
    };
    for (const ApplicationDescriptor& app : apps) {
        for (const ExportEntryKind& kind : kinds) {
            if (!app.bundleName.contains(QLatin1String(kind.nameFragment), Qt::CaseInsensitive))
                continue;
            QAction* action = new QAction(QIcon(kind.icon),
                                          "&" + app.bundleName + " " + app.version, this);
            connect(action, SIGNAL(triggered()), this, kind.slot);
            m_exportMenu->addAction(action);
            ui->toolBar->addAction(action);
            action->setEnabled(false);
            break;
        }
    }
}

void MainWindow::onEditorPage(void (LayerManager::*command)())
{
    if (m_currentPage == 1)
        (ui->m_layer_manager->*command)();
}

void MainWindow::On_EditUndo_Clicked()
{
    if (m_currentPage == 1)
        ui->m_layer_manager->undoStack()->undo();
}

void MainWindow::On_ViewRotateClockwise_Clicked()
{
    onEditorPage(&LayerManager::rotateClockwise);
}

void MainWindow::On_ViewRotateContrclockwise_Clicked()
{
    onEditorPage(&LayerManager::rotateCounterclockwise);
}

void MainWindow::On_ViewZoomIn_Clicked()
{
    onEditorPage(&LayerManager::zoomViewIn);
}

void MainWindow::On_ViewZoomOut_Clicked()
{
    onEditorPage(&LayerManager::zoomViewOut);
}

void MainWindow::viewFileTree(bool show)
{
    ui->m_dirtree_view->setVisible(show);
}

void MainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        showMaximized();
}

void MainWindow::showMaximizedLocal()
{
    raise();
    showMaximized();
}

void MainWindow::quitFromTray()
{
    // Through the window's close handling, so a changed sketch is asked
    // about and Cancel keeps the program running.
    close();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    event->accept();
}
