// The history of visited folders with Back and Forward, Open Folder, and the
// move of the receiver's sketches into a new folder on the computer.

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "DirView.h"
#include "FolderCommands.h"
#include "PreviewThumbnailList.h"
#include "SketchMover.h"

void MainWindow::directoryNewEntrySlot(QDir dir)
{
    m_folderHistory.record(dir.path());
    showHistoryState(m_folderHistory, *ui->actionBack, *ui->actionForward);
}

void MainWindow::loadDir(const QString& path)
{
    DirView* tree = ui->m_dirtree_view;
    disconnect(tree, &DirView::navigationEvent, this, &MainWindow::directoryNewEntrySlot);
    tree->navigateToDir(path);
    connect(tree, &DirView::navigationEvent, this, &MainWindow::directoryNewEntrySlot);
}

void MainWindow::actionBackSlot()
{
    if (const auto folder = m_folderHistory.back(ui->m_dirtree_view->getCurrentDir().path()))
        loadDir(*folder);
    showHistoryState(m_folderHistory, *ui->actionBack, *ui->actionForward);
}

void MainWindow::actionForwardSlot()
{
    if (const auto folder = m_folderHistory.forward(ui->m_dirtree_view->getCurrentDir().path()))
        loadDir(*folder);
    showHistoryState(m_folderHistory, *ui->actionBack, *ui->actionForward);
}

void MainWindow::On_FolderOpen_Clicked()
{
    openChosenFolder(*ui->m_dirtree_view, chooseFolderToOpen(this));
}

void MainWindow::moveFromUsbToSelectedFolderSlot(QDir source)
{
    if (moveSketchesOffReceiver(this, source, chooseDestinationFolder(this)))
        ui->m_pieces_list->reloadSameFolder(false);
}
