#ifndef DRAVELLO_TREE_DIRVIEW_H
#define DRAVELLO_TREE_DIRVIEW_H

// The folder tree beside the thumbnails: shows the file system's folders,
// reports the folder the user goes to, offers to move the sketches off the
// receiver's folder, and takes a dragged thumbnail onto a folder as a copy
// of its sketch file. GUI thread only.

#include <QDir>
#include <QFileSystemModel>
#include <QPersistentModelIndex>
#include <QString>
#include <QTreeView>

#include <memory>

class QAbstractFileIconProvider;
class QMenu;
class QSortFilterProxyModel;

class DirView : public QTreeView {
    Q_OBJECT

public:
    explicit DirView(QWidget* parent = nullptr);
    ~DirView() override;

    // Shows the folders with `path` as the model's root path and navigates
    // to it; called at start-up and whenever the receiver comes or goes.
    void init(const QString& path);
    // Makes the folder of `path` current and emits navigationEvent with it
    // (also for a path the model does not know).
    bool navigateToDir(const QString& path);
    QDir getCurrentDir() const;
    // The folder of a row of the view.
    QDir dirFromIndex(const QModelIndex& index) const;
    // The view's row of the folder at `path`; invalid for a path the model
    // does not know.
    QModelIndex indexOfFolder(const QString& path) const;
    // The file system's folders as the model lists them.
    const QFileSystemModel& fileSystemModel() const { return *m_model; }

    // The receiver's sketch folder, written by the main window when the
    // receiver's volume is mounted; empty until then.
    QString m_receiverFolder;

public slots:
    // A thumbnail drag started: a drop makes the folder current now current again.
    void onDragStarted();
    // For the view's clicked(QModelIndex): emits navigationEvent with the folder.
    void mouseClickedSlot(QModelIndex index);

signals:
    void navigationEvent(QDir dir);
    void moveFromUsbToSelectedFolderSgnl(QDir dir);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void moveSketchersToLocalSlot();
    // A folder was listed: when it holds the current folder, the rows it
    // brought may have pushed the current folder out of view.
    void keepCurrentInView(const QString& listed);

private:
    void makeCurrent(const QModelIndex& index);
    void showReceiverMenu();
    // Copies the dropped sketch into `folder` after asking before an overwrite.
    void copyDroppedSketch(const QString& source, const QDir& folder, QDropEvent* event);

    QString m_currentPath;
    std::unique_ptr<QAbstractFileIconProvider> m_iconProvider; // outlives the model
    std::unique_ptr<QFileSystemModel> m_model;
    // The model's folders in name order, as the view shows them: the model
    // sorts only those below its root path, and lists the start folder and
    // its parents before their siblings.
    std::unique_ptr<QSortFilterProxyModel> m_nameOrder;
    // Persistent, so that folders appearing meanwhile do not shift it.
    QPersistentModelIndex m_dragIndex;
    // The one menu of the receiver's folder: its entry's dialogs run inside
    // the menu's own handling of the click, so it lives as long as the view.
    QMenu* m_receiverMenu;
};

#endif
