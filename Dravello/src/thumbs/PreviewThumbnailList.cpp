#include "PreviewThumbnailList.h"

#include "ApplSettings.h"
#include "DocumentMetaData.h"
#include "DocumentMetadataKeeper.h"
#include "Document.h"
#include "ExportTarget.h"
#include "FileCopy.h"
#include "FileManager.h"
#include "FilePrompts.h"
#include "LimitedInputDialog.h"
#include "LoaderThread.h"
#include "SketchDrag.h"
#include "SketchFileActions.h"
#include "ThumbnailListVisitor.h"
#include "ThumbnailPicture.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include <limits>
#include <memory>

namespace {

constexpr int kSliderForFolder = 270;
constexpr int kSliderAboveCell = 20;
constexpr int kIconInsideCell = 20;
constexpr int kDragCursorSize = 60;
const QColor kThumbnailBackground(166, 173, 176, 255);
constexpr int kDropRowDarkening = 25;

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

MetadataPtr loadedRecord(MetadataPtr record)
{
    return record->loadDataFile() ? record : MetadataPtr();
}

QString fileToolTip(const DocumentMetaData& record)
{
    QString tip = PreviewThumbnailList::tr("File : %1").arg(record.m_filePath);
    const Pelm::Document* document = record.m_document.GetData();
    if (!document)
        return tip;
    const auto tag = document->annotations.find("tag");
    if (tag != document->annotations.end())
        tip += QLatin1Char('\n')
            + PreviewThumbnailList::tr("Tag : \"%1\"").arg(QString::fromStdString(tag->second));
    return tip;
}

} // namespace

PreviewThumbnailList::PreviewThumbnailList(QWidget* parent)
    : QListWidget(parent),
      m_loader(std::make_unique<LoaderThread>()),
      m_settings(ApplSettings::instance()),
      m_fileManager(&desktopFileManager())
{
    m_settings->getAttrValueStr(QStringLiteral("fileformats/extensions"), QStringLiteral("list"),
                                m_extensions);
    m_loader->setFileExtentionsList(m_extensions);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setSpacing(20);
    connect(m_loader.get(), &LoaderThread::fileDocumentMetaDataReady, this,
            qOverload<DocumentMetaData*, uint>(&PreviewThumbnailList::handle_fileDocumentMetaDataReady));
    connect(m_loader.get(), &LoaderThread::fileNotLoadedSignal, this,
            &PreviewThumbnailList::handle_fileNotLoaded);
    connect(m_loader.get(), &LoaderThread::filesCountSignal, this,
            &PreviewThumbnailList::handle_filesCountSignal);
    connect(m_loader.get(), &LoaderThread::loadFilesFinishedSgnl, this,
            &PreviewThumbnailList::loadFilesFinishedSlot);
    connect(m_loader.get(), &LoaderThread::filesLoadProgressChunkDone, this,
            &PreviewThumbnailList::handlefilesLoadProgressChunkDone);
    createContextMenu();
    setUniformItemSizes(true);
    setResizeMode(QListView::Fixed);
}

// The loader ends first, so nothing is queued after the records it left
// behind are deleted.
PreviewThumbnailList::~PreviewThumbnailList()
{
    m_loader.reset();
    discardQueuedRecords();
}

void PreviewThumbnailList::setFileManager(FileManager& fileManager) { m_fileManager = &fileManager; }

// --- folders and pages -----------------------------------------------------

void PreviewThumbnailList::previewEliFiles(QDir dir)
{
    if (m_folderShown && dir == m_folder)
        return;
    m_folder = dir;
    m_folderShown = true;
    reloadSameFolder(false);
}

void PreviewThumbnailList::reloadSameFolder(bool loadActivePage)
{
    if (loadActivePage)
        handlePageSelectionClick(m_activePage, m_activePage);
    else
        loadFolderPartially();
}

void PreviewThumbnailList::loadFolderPartially()
{
    resetDataStructs();
    listShownFolder();

    if (m_fileCount == 0) {
        m_pageCount = 0;
        clearAndRepaint();
        emit emitSetPagesStripVisible(false);
        requestRange(0, 0);
        return;
    }
    m_cellSize = QSize(250, 250);
    m_iconSize = QSize(230, 230);
    if (m_fileCount <= kFilesPerPage) {
        clearAndRepaint();
        m_pageCount = 1;
        m_activePage = 1;
        emit emitSetPagesStripInfo(0, 0, 0, true);
        emit emitSetPagesStripVisible(false);
        emit zoomSliderPosition(kSliderForFolder);
        m_pageFirst = 0;
        m_pageEnd = m_fileCount;
        requestRange(0, m_fileCount);
        return;
    }
    if (m_pageCount <= 1)
        emit emitSetPagesStripVisible(true);
    clearAndRepaint();
    m_pageCount = static_cast<int>((m_fileCount + kFilesPerPage - 1) / kFilesPerPage);
    emit zoomSliderPosition(kSliderForFolder);
    emit emitSetPagesStripInfo(0, kFilesPerPage, m_fileCount, true);
    m_pageFirst = 0;
    m_pageEnd = kFilesPerPage;
    m_activePage = 1;
    requestRange(0, kFilesPerPage);
}

void PreviewThumbnailList::announcePages()
{
    if (m_pageCount > 1)
        emit emitSetPagesStripInfo(m_pageFirst, m_pageEnd, m_fileCount, true);
    emit emitSetPagesStripVisible(m_pageCount > 1);
}

void PreviewThumbnailList::handlePageSelectionClick(uint page, uint)
{
    unsigned start = page * kFilesPerPage - kFilesPerPage;
    if (start >= m_fileCount)
        start = m_fileCount;
    unsigned count = m_fileCount - start;
    if (count > kFilesPerPage)
        count = kFilesPerPage;
    if (count == 0)
        return;
    m_pageFirst = start;
    m_activePage = page;
    m_pageEnd = start + count;
    requestRange(m_pageFirst, m_pageEnd);
    emit emitSetPagesStripInfo(m_pageFirst, m_pageEnd, m_fileCount, false);
    clearAndRepaint();
}

int PreviewThumbnailList::updateFilesList()
{
    listShownFolder();
    m_loader->updateFilesList();
    return static_cast<int>(m_fileCount);
}

void PreviewThumbnailList::listShownFolder()
{
    const QStringList listing =
        getDirContent(m_folder.absolutePath(), QDir::Files | QDir::Readable,
                      m_extensions.split(QLatin1Char(' '), Qt::KeepEmptyParts));
    m_files.assign(listing.cbegin(), listing.cend());
    m_fileCount = static_cast<unsigned>(m_files.size());
    m_listingPlaces.clear();
    for (std::size_t i = 0; i < m_files.size(); ++i)
        m_listingPlaces.insert(shownPath(m_files[i]), static_cast<qsizetype>(i));
}

void PreviewThumbnailList::showPageOf(const QString& path)
{
    const QString file = shownPath(QFileInfo(path).absoluteFilePath());
    if (!m_listingPlaces.contains(file))
        updateFilesList();
    const auto place = m_listingPlaces.constFind(file);
    if (place == m_listingPlaces.constEnd())
        return;
    const unsigned page = static_cast<unsigned>(*place) / kFilesPerPage + 1;
    if (page != m_activePage)
        handlePageSelectionClick(page, m_activePage);
}

void PreviewThumbnailList::resetDataStructs()
{
    m_files.clear();
    m_listingPlaces.clear();
    m_pageFirst = 0;
    m_pageEnd = 0;
    m_fileCount = 0;
}

void PreviewThumbnailList::requestRange(unsigned from, unsigned to)
{
    m_pagePlaces.clear();
    for (unsigned i = from; i < to && i < m_files.size(); ++i)
        m_pagePlaces.insert(shownPath(m_files[i]), static_cast<qsizetype>(i));
    discardQueuedRecords();
    m_loader->setThumbnailIconSize(m_iconSize);
    m_loader->loadDirectoryFilesByRange(m_folder, from, to, true);
    // Whatever a stopped pass posts from here on comes before the new pass's count.
    m_awaitingPass = true;
}

void PreviewThumbnailList::discardQueuedRecords()
{
    QScopedValueRollback<bool> discarding(m_discardingQueued, true);
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void PreviewThumbnailList::clearAndRepaint()
{
    clear();
    viewport()->update();
}

// --- records and thumbnails ------------------------------------------------

bool PreviewThumbnailList::isOfShownFolder(const DocumentMetaData& record) const
{
    QString recordFolder = shownPath(QFileInfo(record.m_filePath).absolutePath());
    if (recordFolder.endsWith(QLatin1Char('\\')))
        recordFolder.chop(1);
    return shownPath(m_folder.absolutePath()) == recordFolder;
}

bool PreviewThumbnailList::isOfShownPage(uint index) const
{
    return !m_discardingQueued && !m_awaitingPass && index >= m_pageFirst && index < m_pageEnd;
}

void PreviewThumbnailList::handle_fileDocumentMetaDataReady(DocumentMetaData* record, uint index)
{
    std::unique_ptr<DocumentMetaData> owned(record);
    if (!isOfShownPage(index) || !isOfShownFolder(*owned))
        return;
    MetadataPtr shared(owned.release());
    handle_fileDocumentMetaDataReady(shared, index);
}

// Counts as done for the progress of the page.
void PreviewThumbnailList::handle_fileNotLoaded(uint index)
{
    if (isOfShownPage(index))
        emit setFilesProgressBarValueSignal();
}

// The pictures the loader drew, or ones drawn here from the record's ink (so
// a saved sketch looks as it will after a reload, whatever its scene shows).
// The icon's picture is scaled to the icon size already, so that the view
// paints it as it is.
void PreviewThumbnailList::handle_fileDocumentMetaDataReady(MetadataPtr record, uint)
{
    const bool wasAtLastItem = atLastItem();
    emit setFilesProgressBarValueSignal();
    DocumentMetaData* loaded = record.GetData();
    if (!loaded || !loaded->hasDocument())
        return;
    const QImage picture = loaded->m_thumbnail.isNull()
        ? drawThumbnail(*loaded->m_document.GetData(), loaded->m_paintFormat)
        : loaded->m_thumbnail;
    if (picture.isNull())
        return;
    const QImage& drawnIcon = loaded->m_thumbnailIcon;
    const bool iconFits =
        !drawnIcon.isNull() && drawnIcon.size() == iconPictureSize(picture.size(), m_iconSize);
    appendThumbnail(record, QPixmap::fromImage(picture),
                    QPixmap::fromImage(iconFits ? drawnIcon : iconPicture(picture, m_iconSize)));
    if (!isVisible() && wasAtLastItem && !atLastItem())
        emit canEnableForwardButton(true);
}

void PreviewThumbnailList::appendThumbnail(const MetadataPtr& record, const QPixmap& picture,
                                           const QPixmap& icon)
{
    const QString path = record->m_filePath;
    auto* item = new DocumentMetadataKeeper(path, picture, icon);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    addItem(item);
    const bool edited = path == m_selectOnArrival;
    if (edited)
        setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    item->setToolTip(fileToolTip(*record.GetData()));
    setIconSize(m_iconSize);
    if (count() == 1) {
        item->setSizeHint(m_cellSize);
        // The list was empty, so this reports (item, null) once.
        setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        emit zoomSliderPosition(m_cellSize.height() + kSliderAboveCell);
    } else {
        item->setSizeHint(this->item(0)->sizeHint());
    }
    item->setBackground(kThumbnailBackground);
    item->setData(Qt::UserRole, path);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsUserCheckable
                   | Qt::ItemIsEnabled);
    // The editor's neighbours are known once its sketch's thumbnail is in.
    if (edited && !isVisible()) {
        emit canEnableBackButton(!atFirstItem());
        emit canEnableForwardButton(!atLastItem());
    }
}

void PreviewThumbnailList::handle_filesCountSignal(int count)
{
    m_awaitingPass = false;
    emit setFilesProgressBarRangeSignal(count);
}

void PreviewThumbnailList::handlefilesLoadProgressChunkDone(uint, uint)
{
    emit loaderFinishedWorkSgnl();
    QApplication::restoreOverrideCursor();
}

void PreviewThumbnailList::loadFilesFinishedSlot()
{
    emit loaderFinishedWorkSgnl();
}

void PreviewThumbnailList::clearThumbnailListWidgetSlot()
{
    clear();
}

// --- selection and navigation ----------------------------------------------

QListWidgetItem* PreviewThumbnailList::getCurrentItem()
{
    const QList<QListWidgetItem*> selected = selectedItems();
    for (QListWidgetItem* item : selected)
        if (item->isSelected())
            return item;
    return nullptr;
}

MetadataPtr PreviewThumbnailList::getCurrentFileMetadata(const QListWidgetItem* item)
{
    const auto* keeper = dynamic_cast<const DocumentMetadataKeeper*>(item);
    return keeper ? loadedRecord(MetadataPtr(new DocumentMetaData(keeper->metadata()->m_filePath)))
                  : MetadataPtr();
}

MetadataPtr PreviewThumbnailList::getCurrentFileMetadata()
{
    return getCurrentFileMetadata(getCurrentItem());
}

void PreviewThumbnailList::selectThumbnail()
{
    if (const auto* keeper = dynamic_cast<const DocumentMetadataKeeper*>(getCurrentItem()))
        emit thumbnailSelectedEx(keeper->metadata());
}

void PreviewThumbnailList::editCurrentFileSlot()
{
    selectThumbnail();
}

void PreviewThumbnailList::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        selectThumbnail();
}

void PreviewThumbnailList::navigateForward()
{
    navigate(+1);
}

void PreviewThumbnailList::navigateBackward()
{
    navigate(-1);
}

void PreviewThumbnailList::navigate(int step)
{
    // Saving the open sketch moves its thumbnail to the end of the list: the
    // step goes to the neighbour the user saw before the question.
    const int next = neighbourOf(currentRow(), step);
    const QString neighbour = next >= 0 ? item(next)->data(Qt::UserRole).toString() : QString();
    emit checkIfSaveNeeded();
    if (m_navigationCancelled) {
        m_navigationCancelled = false;
        return;
    }
    if (!neighbour.isEmpty())
        selectItemByName(neighbour);
    if (step > 0 && atLastItem())
        emit canEnableForwardButton(false);
    if (step < 0 && atFirstItem())
        emit canEnableBackButton(false);
    selectThumbnail();
}

qsizetype PreviewThumbnailList::placeOf(int row) const
{
    const QListWidgetItem* shown = item(row);
    const auto listed = shown ? m_pagePlaces.constFind(shown->data(Qt::UserRole).toString())
                              : m_pagePlaces.constEnd();
    // Sketches that were not on the page stand after those that were, in row order.
    constexpr qsizetype kAfterThePage = std::numeric_limits<qsizetype>::max() / 2;
    return listed != m_pagePlaces.constEnd() ? *listed : kAfterThePage + row;
}

int PreviewThumbnailList::neighbourOf(int row, int step) const
{
    if (row < 0 || row >= count())
        return -1;
    const qsizetype from = placeOf(row);
    int nearest = -1;
    qsizetype nearestPlace = 0;
    for (int other = 0; other < count(); ++other) {
        const qsizetype place = placeOf(other);
        const bool beyond = step > 0 ? place > from : place < from;
        const bool nearer = nearest < 0 || (step > 0 ? place < nearestPlace : place > nearestPlace);
        if (other != row && beyond && nearer) {
            nearest = other;
            nearestPlace = place;
        }
    }
    return nearest;
}

bool PreviewThumbnailList::atLastItem() const { return neighbourOf(currentRow(), +1) < 0; }

bool PreviewThumbnailList::atFirstItem() const { return neighbourOf(currentRow(), -1) < 0; }

bool PreviewThumbnailList::foreachForward(ThumbnailListVisitor* visitor)
{
    for (int row = 0; row < count(); ++row) {
        auto* keeper = dynamic_cast<DocumentMetadataKeeper*>(item(row));
        if (keeper && !visitor->visit(keeper))
            return false;
    }
    return true;
}

bool PreviewThumbnailList::selectItemByName(QString path)
{
    QListWidgetItem* found = itemOfPath(path);
    if (!found)
        return false;
    setCurrentItem(found, QItemSelectionModel::ClearAndSelect);
    return true;
}

QListWidgetItem* PreviewThumbnailList::itemOfPath(const QString& path)
{
    ItemFinderByFileName finder(path);
    foreachForward(&finder);
    return finder.found();
}

void PreviewThumbnailList::followEditedSketch(const QString& path)
{
    m_selectOnArrival = path;
    selectItemByName(path);
}

// --- zoom ------------------------------------------------------------------

void PreviewThumbnailList::handleZoomSliderKeyEvent(int value, Qt::TransformationMode mode)
{
    if (mode == m_zoomMode && mode == Qt::SmoothTransformation && value == m_zoomValue)
        return;
    m_cellSize = QSize(value, value);
    m_iconSize = QSize(value - kIconInsideCell, value - kIconInsideCell);
    setIconSize(m_iconSize);
    m_zoomValue = value;
    m_zoomMode = mode;
    Resizer resizer(value, mode);
    foreachForward(&resizer);
}

void PreviewThumbnailList::sliderMovedSlot(int position)
{
    if (std::abs(m_zoomValue - position) <= 3)
        return;
    handleZoomSliderKeyEvent(position, Qt::FastTransformation);
}

// --- context menu and file commands ----------------------------------------

void PreviewThumbnailList::createContextMenu()
{
    m_contextMenu = std::make_unique<QMenu>();
    m_contextMenu->addAction(tr("&Edit Layers"), this, &PreviewThumbnailList::editCurrentFileSlot);
    m_contextMenu->addSeparator();
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(tr("&Delete"), this, &PreviewThumbnailList::deleteCurrentFile);
    m_contextMenu->addAction(tr("&Copy to..."), this, &PreviewThumbnailList::copyFileSlot);
    m_contextMenu->addAction(tr("&Rename..."), this, &PreviewThumbnailList::renameFileSlot);
    m_contextMenu->addAction(tr("&Open file location..."), this,
                             &PreviewThumbnailList::openFileLocationSlot);
    m_contextMenu->addSeparator();
    m_contextMenu->addAction(tr("&Save Document as..."), this, &PreviewThumbnailList::saveAsSlot);
    m_contextMenu->addAction(tr("&Save as Different Format"), this,
                             &PreviewThumbnailList::saveAsDiffrentFormatSlot);
    m_contextMenu->addSeparator();
    addExportMenu();
}

void PreviewThumbnailList::addExportMenu()
{
    const QList<ApplicationDescriptor> applications = m_settings->getExportingAppsList();
    if (applications.isEmpty())
        return;
    QMenu* exportMenu = m_contextMenu->addMenu(tr("&Export to"));
    for (const ApplicationDescriptor& application : applications) {
        void (PreviewThumbnailList::*slot)() = nullptr;
        switch (exportTargetOf(application.bundleName)) {
        case ExportTarget::Photoshop: slot = &PreviewThumbnailList::exportPsSlot; break;
        case ExportTarget::Illustrator: slot = &PreviewThumbnailList::exportAiSlot; break;
        case ExportTarget::SketchBookPro: slot = &PreviewThumbnailList::exportSPBSlot; break;
        case ExportTarget::SketchBookDesigner: slot = &PreviewThumbnailList::exportASSlot; break;
        case ExportTarget::None: continue;
        }
        exportMenu->addAction(QStringLiteral("&%1 %2").arg(application.bundleName, application.version),
                              this, slot);
    }
}

void PreviewThumbnailList::contextMenuEvent(QContextMenuEvent* event)
{
    QListWidgetItem* current = getCurrentItem();
    if (!current || !visualItemRect(current).contains(event->pos()))
        return;
    m_contextMenu->popup(event->globalPos());
}

void PreviewThumbnailList::deleteCurrentFile()
{
    QListWidgetItem* current = getCurrentItem();
    if (!current)
        return;
    const QString path = current->data(Qt::UserRole).toString();
    // One text, so that a translation can place the name.
    if (!userConfirms(this, tr("Do you want to delete this file?  %1?").arg(shownPath(path))))
        return;
    if (!QFile::remove(path))
        warnUser(this, tr("Failed to delete file %1").arg(path));
    QListWidgetItem* taken = takeItem(currentRow());
    if (count() > 0)
        setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    delete taken;
    viewport()->update();
    updateFilesList();
}

void PreviewThumbnailList::copyFileSlot()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Open directory for copy"), QDir::rootPath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    const MetadataPtr record = getCurrentFileMetadata();
    if (!record.GetData())
        return;
    const QString source = record->m_filePath;
    const QString destination =
        shownPath(folder + QLatin1Char('/') + QFileInfo(source).fileName());
    if (isSameFile(source, destination))
        return;
    if (QFileInfo::exists(destination) && !userConfirmsOverwrite(this, destination))
        return;
    if (!copyFileChecked(source, destination))
        warnCopyFailed(this, {source});
}

void PreviewThumbnailList::renameFileSlot()
{
    auto* current = dynamic_cast<DocumentMetadataKeeper*>(getCurrentItem());
    if (!current || !getCurrentFileMetadata(current).GetData())
        return;
    emit enableEnterKeyHandling(false);
    const QString path = current->metadata()->m_filePath;
    const QString answer = askLine(this, tr("Rename file:"), QFileInfo(path).baseName());
    if (answer.isEmpty())
        return;
    const QString newPath = renamedPath(path, answer);
    if (newPath.isEmpty() || !renameFile(path, newPath))
        return;
    current->moveTo(newPath);
    updateFilesList();
}

bool PreviewThumbnailList::openFileLocationSlot()
{
    QListWidgetItem* current = getCurrentItem();
    if (!current)
        return false;
    return m_fileManager->showItem(current->data(Qt::UserRole).toString());
}

void PreviewThumbnailList::saveAsSlot() { emit saveDocumentAs(); }
void PreviewThumbnailList::saveAsDiffrentFormatSlot() { emit saveAsDiffrentFormatSignal(); }
void PreviewThumbnailList::exportPsSlot() { emit exportPsSignal(); }
void PreviewThumbnailList::exportAiSlot() { emit exportAiSignal(); }
void PreviewThumbnailList::exportSPBSlot() { emit exportSPBSignal(); }
void PreviewThumbnailList::exportASSlot() { emit exportASSignal(); }

// --- drag and drop ---------------------------------------------------------

void PreviewThumbnailList::startDrag(Qt::DropActions)
{
    QListWidgetItem* current = currentItem();
    if (!current)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(newSketchDragData(current->data(Qt::UserRole).toString()));
    drag->setDragCursor(current->icon().pixmap(QSize(kDragCursorSize, kDragCursorSize),
                                               QIcon::Normal, QIcon::Off),
                        Qt::MoveAction);
    drag->setHotSpot(QPoint(kDragCursorSize, kDragCursorSize));
    emit dragStarted();
    drag->exec(Qt::MoveAction);
}

void PreviewThumbnailList::dragEnterEvent(QDragEnterEvent* event)
{
    event->setAccepted(carriesSketch(event->mimeData()));
}

void PreviewThumbnailList::dragMoveEvent(QDragMoveEvent* event)
{
    acceptSketchMove(event);
}

void PreviewThumbnailList::dropEvent(QDropEvent* event)
{
    if (!acceptSketchMove(event))
        return;
    m_dropRow = -1;
    QListWidgetItem* target = itemAt(event->position().toPoint());
    if (target && !target->text().isEmpty()
        && mergeOnto(draggedSketchPath(event->mimeData()), target))
        event->accept();
    else
        event->ignore();
}

bool PreviewThumbnailList::mergeOnto(const QString& draggedPath, QListWidgetItem* target)
{
    const QString targetPath = target->data(Qt::UserRole).toString();
    if (draggedPath.isEmpty() || isSameFile(draggedPath, targetPath))
        return false;
    darkenDropRow(target);
    const MetadataPtr dragged = loadedRecord(MetadataPtr(new DocumentMetaData(draggedPath)));
    const MetadataPtr onto = getCurrentFileMetadata(target);
    QString mergedPath = mergedSketchPath(draggedPath, targetPath);
    const bool agreed = dragged.GetData() && onto.GetData()
        && userConfirms(this, tr("Are you sure you want to merge \n%1  and  \n%2  files?")
                                  .arg(QFileInfo(draggedPath).absoluteFilePath(),
                                       QFileInfo(targetPath).absoluteFilePath()))
        && (!QFileInfo::exists(mergedPath)
            || userConfirmsOverwrite(this, mergedPath));
    restoreDropRow();
    if (agreed)
        merge2Documents(dragged, onto, mergedPath);
    return agreed;
}

void PreviewThumbnailList::darkenDropRow(QListWidgetItem* target)
{
    m_dropRowColour = target->background().color();
    QColor darker = m_dropRowColour;
    darker.setRgb(darker.red() - kDropRowDarkening, darker.green() - kDropRowDarkening,
                  darker.blue() - kDropRowDarkening, darker.alpha());
    target->setBackground(darker);
    m_dropRow = row(target);
}

void PreviewThumbnailList::restoreDropRow()
{
    if (QListWidgetItem* target = item(m_dropRow))
        target->setBackground(m_dropRowColour);
}

void PreviewThumbnailList::merge2Documents(MetadataPtr first, MetadataPtr second, QString& path)
{
    DocumentMetaData* merged = first->appendDocument(*second.GetData());
    if (!merged)
        return;
    merged->m_filePath = path;
    MetadataPtr record(merged);
    emit mergeDocSave(record);
    record.Release();
    updateFilesList();
}
