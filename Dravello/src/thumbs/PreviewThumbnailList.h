#ifndef DRAVELLO_THUMBS_PREVIEWTHUMBNAILLIST_H
#define DRAVELLO_THUMBS_PREVIEWTHUMBNAILLIST_H

#include "MetadataPtr.h"

#include <QColor>
#include <QDir>
#include <QHash>
#include <QListWidget>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class ApplSettings;
class DocumentMetaData;
class DocumentMetadataKeeper;
class FileManager;
class LoaderThread;
class QMenu;
class ThumbnailListVisitor;

Q_MOC_INCLUDE("DocumentMetaData.h")

// The browser's grid of sketch thumbnails: one folder at a time, 50 sketch
// files a page, read by its own background loader. Each thumbnail keeps its
// picture and an unloaded record that is read again whenever the sketch is
// used. Also the thumbnails' file commands (delete, copy, rename, show in
// the file manager), the drag of a thumbnail and the drop of one sketch on
// another, which merges them. GUI thread only.
class PreviewThumbnailList : public QListWidget {
    Q_OBJECT

public:
    static constexpr unsigned kFilesPerPage = 50;

    explicit PreviewThumbnailList(QWidget* parent = nullptr);
    ~PreviewThumbnailList() override;

    // Tells the page strip again about the first page of the shown folder,
    // for a strip connected after the folder was loaded.
    void announcePages();

    // Lists the shown folder again (after a file was added, removed or
    // renamed); thumbnails and page stay. Returns the number of files.
    int updateFilesList();
    void resetDataStructs();

    QListWidgetItem* getCurrentItem();
    // The item's sketch read again from its file into a new record (the item
    // keeps its unloaded one); empty when the item is no thumbnail or the
    // file cannot be read.
    MetadataPtr getCurrentFileMetadata(const QListWidgetItem* item);
    MetadataPtr getCurrentFileMetadata();
    // Asks for the current sketch to be opened (thumbnailSelectedEx with the
    // thumbnail's unloaded record; the receiver reads it).
    void selectThumbnail();

    // Whether a thumbnail follows or precedes the current one in the order
    // the browser shows the page: the folder's listing, by which a thumbnail
    // that a save moved to the end keeps its place; thumbnails of files that
    // were not on the page when it was asked for (a merge) come last.
    bool atLastItem() const;
    bool atFirstItem() const;
    // Hands every thumbnail in row order to the visitor until it says stop;
    // false when it did.
    bool foreachForward(ThumbnailListVisitor* visitor);
    // Makes the thumbnail of exactly this path current.
    bool selectItemByName(QString path);
    // The thumbnail of exactly this path, or null; no file is read.
    QListWidgetItem* itemOfPath(const QString& path);

    // The editor shows the sketch of this path: its thumbnail becomes
    // current, now or when it arrives.
    void followEditedSketch(const QString& path);
    // Shows the page of the folder's listing that holds the file, listing
    // the folder again when the file is not in the listing yet.
    void showPageOf(const QString& path);

    // Merges the two sketches into a new record at `path` and hands it to
    // mergeDocSave, whose receiver writes it.
    void merge2Documents(MetadataPtr first, MetadataPtr second, QString& path);

    // The file manager that shows a sketch's folder (the desktop's by default; not owned).
    void setFileManager(FileManager& fileManager);

    // Set by the receiver of checkIfSaveNeeded when its user cancelled.
    bool m_navigationCancelled = false;
    // The thumbnail of this path becomes current when it arrives.
    QString m_selectOnArrival;

public slots:
    void previewEliFiles(QDir dir);
    // true: the page shown; false: the whole folder.
    void reloadSameFolder(bool loadActivePage = false);
    void loadFolderPartially();
    void handlePageSelectionClick(uint page, uint);

    // A record from the loader; the list owns it.
    void handle_fileDocumentMetaDataReady(DocumentMetaData* record, uint index);
    // Draws the loaded record and appends its thumbnail.
    void handle_fileDocumentMetaDataReady(MetadataPtr record, uint index);
    // A file of the page that gave no record.
    void handle_fileNotLoaded(uint index);
    void handle_filesCountSignal(int count);
    void handlefilesLoadProgressChunkDone(uint, uint);
    void loadFilesFinishedSlot();
    void clearThumbnailListWidgetSlot();

    void editCurrentFileSlot();
    void navigateForward();
    void navigateBackward();

    void handleZoomSliderKeyEvent(int value, Qt::TransformationMode mode);
    void sliderMovedSlot(int position);

    void deleteCurrentFile();
    void copyFileSlot();
    void renameFileSlot();
    bool openFileLocationSlot();
    void saveAsSlot();
    void saveAsDiffrentFormatSlot();
    void exportPsSlot();
    void exportAiSlot();
    void exportSPBSlot();
    void exportASSlot();

signals:
    void thumbnailSelectedEx(MetadataPtr metaData);
    void canEnableForwardButton(bool enable);
    void canEnableBackButton(bool enable);
    // Must reach its receiver directly: m_navigationCancelled is read right after.
    void checkIfSaveNeeded();
    void zoomSliderPosition(int position);
    void emitSetPagesStripInfo(uint first, uint end, uint total, bool reset);
    void emitSetPagesStripVisible(bool state);
    void setFilesProgressBarRangeSignal(int value);
    void setFilesProgressBarValueSignal();
    void loaderFinishedWorkSgnl();
    void dragStarted();
    void mergeDocSave(MetadataPtr result_metadata);
    void saveDocumentAs();
    void saveAsDiffrentFormatSignal();
    void exportPsSignal();
    void exportAiSignal();
    void exportSPBSignal();
    void exportASSignal();
    void enableEnterKeyHandling(bool enable);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createContextMenu();
    void addExportMenu();
    void listShownFolder();
    // Asks the loader for [from, to) of the shown folder; what an abandoned
    // pass left queued is dropped first.
    void requestRange(unsigned from, unsigned to);
    void discardQueuedRecords();
    bool isOfShownFolder(const DocumentMetaData& record) const;
    // A loader's report for this index belongs to the page shown.
    bool isOfShownPage(uint index) const;
    void clearAndRepaint();
    void navigate(int step);
    // Where the row's sketch stands in the browser's order (see atLastItem).
    qsizetype placeOf(int row) const;
    // The row nearest after (step > 0) or before the row in that order, or -1.
    int neighbourOf(int row, int step) const;
    void appendThumbnail(const MetadataPtr& record, const QPixmap& picture, const QPixmap& icon);
    // Drop: the merge of the dragged file onto the thumbnail, if the user agrees.
    bool mergeOnto(const QString& draggedPath, QListWidgetItem* target);
    void darkenDropRow(QListWidgetItem* target);
    void restoreDropRow();

    std::unique_ptr<LoaderThread> m_loader;
    QString m_extensions;
    QColor m_dropRowColour;
    int m_dropRow = -1;
    ApplSettings* m_settings;
    bool m_folderShown = false;
    QDir m_folder;
    std::unique_ptr<QMenu> m_contextMenu;
    int m_zoomValue = 0;
    unsigned m_fileCount = 0;
    QSize m_cellSize{250, 250};
    QSize m_iconSize{230, 230};
    std::vector<QString> m_files;
    // Index in m_files of every path listed.
    QHash<QString, qsizetype> m_listingPlaces;
    // The same for the files of the page asked for last.
    QHash<QString, qsizetype> m_pagePlaces;
    unsigned m_pageFirst = 0;
    unsigned m_pageEnd = 0;
    int m_pageCount = 0;
    unsigned m_activePage = 0;
    Qt::TransformationMode m_zoomMode = Qt::FastTransformation;
    // Records still queued from an abandoned pass are deleted on arrival:
    // while they are drained before a request, and after the request until
    // the loader's next pass begins (its filesCountSignal).
    bool m_discardingQueued = false;
    bool m_awaitingPass = false;
    FileManager* m_fileManager;
};

#endif
