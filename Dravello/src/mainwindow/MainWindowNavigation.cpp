// The history of visited folders with Back and Forward, Open Folder, and the
// move of the receiver's sketches into a new folder on the computer.

#include "MainWindow.h"

#include "ui_MainWindow.h"

void MainWindow::directoryNewEntrySlot(QDir dir)
{
    const QString path = dir.path();
    if (m_visitedDirs.contains(path))
        directoryExistsInListEntry(path);
    else
        directoryNewEntry(path);
    m_visitedDirs.append(path);
    if (m_visitedDirs.size() >= 2) {
        ui->actionBack->setEnabled(true);
        m_backDirs.append(m_visitedDirs.at(m_visitedDirs.size() - 2));
    }
}

void MainWindow::directoryExistsInListEntry(const QString& path)
{
    Q_UNUSED(path);
    m_forwardDirs.clear();
    ui->actionForward->setEnabled(false);
    ui->actionForward->setToolTip(tr("Forward"));
}

void MainWindow::directoryNewEntry(const QString& path)
{
    Q_UNUSED(path);
    if (m_forwardDirs.isEmpty() || m_visitedDirs.isEmpty())
        return;
    m_forwardDirs.clear();
    ui->actionForward->setEnabled(false);
    ui->actionForward->setToolTip(tr("Forward"));
    m_visitedDirs = QStringList{m_visitedDirs.first()};
    m_backDirs.clear();
    ui->actionBack->setEnabled(true);
}

void MainWindow::loadDir(const QString& path)
{
    Q_UNUSED(path);
}

void MainWindow::actionBackSlot()
{
}

void MainWindow::actionForwardSlot()
{
}

void MainWindow::On_FolderOpen_Clicked()
{
}

void MainWindow::moveFromUsbToSelectedFolderSlot(QDir source)
{
    Q_UNUSED(source);
}
