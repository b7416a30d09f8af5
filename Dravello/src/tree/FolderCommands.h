#ifndef DRAVELLO_TREE_FOLDERCOMMANDS_H
#define DRAVELLO_TREE_FOLDERCOMMANDS_H

// The main window's folder commands around the folder tree: the folder
// dialogs, Open Folder, and the Back and Forward actions' state.

#include <QString>

class DirView;
class FolderHistory;
class QAction;
class QWidget;

// Modal folder dialogs starting at the file-system root ("Open directory",
// "Open destination folder"); empty when cancelled.
QString chooseFolderToOpen(QWidget* parent);
QString chooseDestinationFolder(QWidget* parent);

// Shows the chosen folder in the tree unless the answer is empty or names
// the folder shown already (however spelled or linked; letter case counts).
// True when the tree navigated.
bool openChosenFolder(DirView& tree, const QString& chosen);

// Back is enabled while the history can go back, Forward while it can go
// forward; a disabled Forward gets its tooltip "Forward" back.
void showHistoryState(const FolderHistory& history, QAction& back, QAction& forward);

#endif
