// Opening sketches in the editor, saving them, and the question that guards
// every way out of a changed sketch.

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "ApplSettings.h"
#include "DirView.h"
#include "DocumentGraphicModel.h"
#include "FilePrompts.h"
#include "InkMLDefinitions.h"
#include "LayerManager.h"
#include "PreviewThumbnailList.h"
#include "SketchInkWriter.h"
#include "SketchOpener.h"
#include "UserPrompt.h"
#include "WaitCursor.h"
#include "WindowActivation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressBar>
#include <QProgressDialog>

#include <utility>

namespace {

const QLatin1String kHandOverPrefix("Get the instance_");

// The window-modal progress of a save, without a cancel button.
class SaveProgress {
public:
    SaveProgress()
        : m_dialog(QObject::tr("Saving document"), QString(), 0, 8, QApplication::activeWindow())
    {
        m_dialog.setCancelButton(nullptr);
        m_dialog.setWindowModality(Qt::WindowModal);
        step(1);
    }

    void step(int value) { m_dialog.setValue(value); }

private:
    QProgressDialog m_dialog;
};

bool isInkMLPath(const QString& path)
{
    return path.endsWith(".inkml", Qt::CaseInsensitive) || path.endsWith(".hlv", Qt::CaseInsensitive);
}

// The file as written, read back with the pen of the record it came from
// (its ink only, for the thumbnail); empty when it cannot be read.
MetadataPtr readBack(const QString& path, const DocumentMetaData& source)
{
    auto* saved = new DocumentMetaData(path, source.m_paintFormat);
    if (!saved->loadDocumentFromFile()) {
        delete saved;
        return MetadataPtr();
    }
    return MetadataPtr(saved);
}

void warnUnableToSave(QWidget* parent)
{
    PromptRequest request = PromptRequest::message(QMessageBox::Warning,
                                                   QObject::tr("Unable to save file"));
    request.parent = parent;
    askUser(request);
}

QMessageBox::StandardButton askToSaveChanges(QWidget* parent, const QString& question,
                                             const QString& path)
{
    PromptRequest request = PromptRequest::message(QMessageBox::Question,
                                                   QString("%1\n%2?").arg(question, path));
    request.parent = parent;
    request.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    request.defaultButton = QMessageBox::Save;
    return askUser(request);
}

} // namespace

void MainWindow::thumbnailSelectedExSlot(MetadataPtr metaData)
{
    if (metaData.GetData())
        openInEditor(metaData->m_filePath);
}

void MainWindow::openInEditor(const QString& path)
{
    LayerManager* editor = ui->m_layer_manager;
    PreviewThumbnailList* thumbnails = ui->m_pieces_list;
    m_titleIsPathOnOpening = false;
    editor->clearUndo();
    thumbnails->followEditedSketch(path);
    editor->m_back_btn->setEnabled(!thumbnails->atFirstItem());
    editor->m_forward_btn->setEnabled(!thumbnails->atLastItem());
    thumbnails->hide();
    if (m_currentPage != 1) {
        m_currentPage = 1;
        setPagesStripVisible(false);
        currentTabChanged(1);
        m_progressBar->hide();
        ui->actionFileTree->setVisible(false);
    }
    // Never two sketches at once: the one shown goes before the next is read.
    editor->showOpening(path);
    if (!m_openingCursor)
        m_openingCursor = std::make_unique<WaitCursor>();
    m_opener->open(path);
}

void MainWindow::sketchOpened(MetadataPtr record)
{
    m_openingCursor.reset();
    LayerManager* editor = ui->m_layer_manager;
    editor->init(record);
    if (std::exchange(m_titleIsPathOnOpening, false))
        editor->m_edit_group->setTitle(record->m_filePath);
    editor->m_lm_splitter->setStretchFactor(0, 0);
    editor->m_lm_splitter->setStretchFactor(1, 1);
}

// The file did not load after all: the browser shows its folder again.
void MainWindow::sketchNotOpened()
{
    m_openingCursor.reset();
    if (m_currentPage != 1)
        return;
    ui->m_pieces_list->show();
    showBrowserPage();
}

void MainWindow::cancelOpening()
{
    m_opener->cancel();
    m_openingCursor.reset();
    m_titleIsPathOnOpening = false;
}

bool MainWindow::LoadSpecificFile(QString path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return false;
    if (!file.exists())
        return true;
    // A changed sketch is not dropped without the question.
    if (m_currentPage == 1 && checkIfSaveNeeded() == -1)
        return true;
    PreviewThumbnailList* thumbnails = ui->m_pieces_list;
    if (ui->m_dirtree_view->navigateToDir(file.absolutePath())) {
        const QString sketch = QDir::toNativeSeparators(file.absoluteFilePath());
        thumbnails->showPageOf(sketch);
        openInEditor(sketch);
    } else {
        thumbnails->selectItemByName(file.absoluteFilePath());
        thumbnails->selectThumbnail();
    }
    return true;
}

void MainWindow::On_FileOpen_Clicked()
{
    QDir start = ui->m_dirtree_view->getCurrentDir();
    start.cdUp();
    QString filter;
    m_settings->getAttrValueStr("fileformats/extensions", "list", filter);
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Open File"), start.path(), filter);
    if (!chosen.isEmpty())
        LoadSpecificFile(QDir::toNativeSeparators(chosen));
}

void MainWindow::handleFileClickedInFinder(QString fileName)
{
    LoadSpecificFile(fileName);
    showMaximized();
}

void MainWindow::handleSentMessageFromAnotherCopyOfApp(const QString& msg)
{
    qDebug() << "MainWindow :: handleSentMessageFromAnotherCopyOfApp msg = " << msg;
    {
        WaitCursor waitCursor;
        if (msg.contains(kHandOverPrefix) && msg.length() > kHandOverPrefix.size())
            m_lastHandedOverPath = msg.right(msg.length() - kHandOverPrefix.size());
        qDebug() << "MainWindow :: handleSentMessageFromAnotherCopyOfApp file = "
                 << m_lastHandedOverPath;
        LoadSpecificFile(m_lastHandedOverPath);
        // A maximised window stays maximised.
        showKeepingState(*this);
    }
}

void MainWindow::On_Save()
{
    if (m_currentPage != 1)
        return;
    const MetadataPtr record = ui->m_layer_manager->getCurrentMetaDataPtr();
    if (DocumentGraphicModel* scene = record.GetData() ? record->m_graphicModel.GetData() : nullptr)
        scene->showAllLayers();
    WaitCursor waitCursor;
    SaveDocument(record, false);
}

void MainWindow::On_SaveAs()
{
    const MetadataPtr record = m_currentPage == 1
                                   ? ui->m_layer_manager->getCurrentMetaDataPtr()
                                   : ui->m_pieces_list->getCurrentFileMetadata();
    WaitCursor waitCursor;
    SaveAsAnotherDocument(record);
}

bool MainWindow::SaveDocument(MetadataPtr record, bool merged)
{
    if (!record.GetData())
        return false;
    SaveProgress progress;
    if (!isInkMLPath(record->m_filePath)) {
        progress.step(8);
        return SaveAsAnotherDocument(record);
    }
    // Empty definitions for records that bring none, made once.
    static Pelm::InkMLDefinitions noDefinitions;
    LayerManager* editor = ui->m_layer_manager;
    if (!writeSketchInkML(*record.GetData(), editor->getRotation(), record->m_filePath,
                          noDefinitions)) {
        warnUnableToSave(this);
        return false;
    }
    progress.step(2);
    const MetadataPtr saved = readBack(record->m_filePath, *record.GetData());
    if (!saved.GetData())
        return false;
    progress.step(4);
    showSavedThumbnail(saved, !merged);
    progress.step(5);
    ui->m_actionSave->setEnabled(false);
    progress.step(6);
    editor->clearUndo();
    // The editor shows a fresh centred copy of what was written.
    if (!merged)
        openInEditor(record->m_filePath);
    progress.step(7);
    return true;
}

bool MainWindow::SaveAsAnotherDocument(MetadataPtr record)
{
    if (!record.GetData())
        return false;
    const QFileInfo source(record->m_filePath);
    const QString proposed =
        QDir::toNativeSeparators(source.absolutePath() + "/" + source.baseName() + ".hlv");
    QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), tr("Save as "),
                                                  proposed, "Scrivet files (*.hlv)");
    if (chosen.length() <= 3)
        return false;
    if (!chosen.endsWith(".hlv") && !chosen.endsWith(".HLV")) {
        chosen += ".hlv";
        // The dialog asked about the name without the suffix, not this one.
        if (QFileInfo::exists(chosen) && !userConfirmsOverwrite(this, QDir::toNativeSeparators(chosen)))
            return false;
    }
    chosen = QDir::toNativeSeparators(chosen);
    const bool overwritingShown =
        QFileInfo::exists(chosen)
        && chosen.startsWith(QDir::toNativeSeparators(ui->m_dirtree_view->getCurrentDir().absolutePath()));

    SaveProgress progress;
    Pelm::DefaultInkMLDefinitions defaults;
    if (!writeSketchInkML(*record.GetData(), sceneRotation(*record.GetData()), chosen, defaults)) {
        warnUnableToSave(this);
        return false;
    }
    const MetadataPtr saved = readBack(chosen, *record.GetData());
    if (!saved.GetData())
        return false;
    progress.step(3);
    if (overwritingShown)
        showSavedThumbnail(saved, true);
    progress.step(6);

    if (ui->m_maintab_wgt->currentIndex() == 1) {
        record->m_filePath = chosen;
        ui->m_layer_manager->clearUndo();
        openInEditor(chosen);
        // Its title is the file's path alone.
        m_titleIsPathOnOpening = true;
    }
    ui->m_actionSave->setEnabled(false);
    progress.step(7);
    PreviewThumbnailList* thumbnails = ui->m_pieces_list;
    thumbnails->updateFilesList();
    if (m_currentPage == 1)
        thumbnails->reloadSameFolder(true);
    return true;
}

void MainWindow::showSavedThumbnail(const MetadataPtr& saved, bool replacing)
{
    PreviewThumbnailList* thumbnails = ui->m_pieces_list;
    if (replacing) {
        if (QListWidgetItem* shown = thumbnails->itemOfPath(saved->m_filePath)) {
            delete thumbnails->takeItem(thumbnails->row(shown));
            thumbnails->repaint();
        }
    }
    thumbnails->handle_fileDocumentMetaDataReady(saved, thumbnails->count());
}

void MainWindow::saveDocumentSlot(MetadataPtr data)
{
    SaveDocument(data, true);
}

int MainWindow::checkIfSaveNeeded()
{
    LayerManager* editor = ui->m_layer_manager;
    if (!editor->isDocumentChanged())
        return 0;
    const MetadataPtr record = editor->getCurrentMetaDataPtr();
    const QString path = record.GetData() ? record->m_filePath : QString();
    switch (askToSaveChanges(
        this, tr("The file has been modified.  Would you like to save your changes?"), path)) {
    case QMessageBox::Save:
        // A save that did not happen keeps the user with the sketch.
        return SaveDocument(record, false) ? 0 : -1;
    case QMessageBox::Cancel:
        return -1;
    default:
        editor->clearUndo();
        ui->m_actionRedo->setEnabled(false);
        ui->m_actionUndo->setEnabled(false);
        ui->m_actionSave->setEnabled(false);
        editor->closeSketch();
        return 1;
    }
}

void MainWindow::checkIfSaveNeededSlot()
{
    if (checkIfSaveNeeded() == -1)
        ui->m_pieces_list->m_navigationCancelled = true;
}

int MainWindow::viewPreviewTab()
{
    if (checkIfSaveNeeded() == -1)
        return -1;
    ui->m_pieces_list->show();
    return 0;
}

void MainWindow::backToPreviewTab()
{
    if (viewPreviewTab() == 0)
        showBrowserPage();
}

// Going back lets go of the editor's sketch and of one still opening.
void MainWindow::showBrowserPage()
{
    cancelOpening();
    ui->m_layer_manager->cleanBeforeClose();
    ui->m_layer_manager->closeSketch();
    ui->m_maintab_wgt->setCurrentIndex(0);
    if (m_progressBar->value() < m_progressBar->maximum())
        m_progressBar->show();
    ui->actionFileTree->setVisible(true);
    currentTabChanged(0);
    ui->m_pieces_list->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    LayerManager* editor = ui->m_layer_manager;
    if (ui->m_maintab_wgt->currentIndex() == 1 && editor->isDocumentChanged()) {
        const MetadataPtr record = editor->getCurrentMetaDataPtr();
        switch (askToSaveChanges(
            this, tr("The file has been modified. Would you like to save your changes ?"),
            record.GetData() ? record->m_filePath : QString())) {
        case QMessageBox::Save:
            if (SaveDocument(record, false))
                break;
            event->ignore();
            return;
        case QMessageBox::Cancel:
            event->ignore();
            return;
        default:
            break;
        }
    }
    m_trayIcon->hide();
    event->accept();
    QCoreApplication::quit();
}
