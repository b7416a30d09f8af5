#include "FolderCommands.h"

#include "DirView.h"
#include "FileCopy.h"
#include "FolderHistory.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

QString chooseFolder(QWidget* parent, const QString& caption)
{
    return QFileDialog::getExistingDirectory(parent, caption, QDir::rootPath(),
                                             QFileDialog::ShowDirsOnly
                                                 | QFileDialog::DontResolveSymlinks);
}

} // namespace

QString chooseFolderToOpen(QWidget* parent)
{
    return chooseFolder(parent, QCoreApplication::translate("MainWindow", "Open directory"));
}

QString chooseDestinationFolder(QWidget* parent)
{
    return chooseFolder(parent,
                        QCoreApplication::translate("MainWindow", "Open destination folder"));
}

bool openChosenFolder(DirView& tree, const QString& chosen)
{
    if (chosen.isEmpty())
        return false;
    if (isSameFile(tree.getCurrentDir().absolutePath(), chosen))
        return false;
    return tree.navigateToDir(QDir::toNativeSeparators(chosen));
}

void showHistoryState(const FolderHistory& history, QAction& back, QAction& forward)
{
    back.setEnabled(history.canGoBack());
    forward.setEnabled(history.canGoForward());
    if (!history.canGoForward())
        forward.setToolTip(QCoreApplication::translate("MainWindow", "Forward"));
}
