#include "DirView.h"

#include "FileCopy.h"
#include "FilePrompts.h"
#include "SketchDrag.h"
#include "SketchNameFilters.h"

#include <QAbstractFileIconProvider>
#include <QCollator>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSortFilterProxyModel>

namespace {

// Folder names in the order a person reads them: "f9" before "f10", capitals
// beside small letters.
class FolderNameOrder : public QSortFilterProxyModel {
public:
    FolderNameOrder()
    {
        m_collator.setNumericMode(true);
        m_collator.setCaseSensitivity(Qt::CaseInsensitive);
        setDynamicSortFilter(true);
    }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override
    {
        return m_collator.compare(left.data().toString(), right.data().toString()) < 0;
    }

private:
    QCollator m_collator;
};

// Icons and types by kind alone: the model's own provider reads the first
// bytes of every file it lists to tell its type, on the GUI thread, and a
// file on a stalled share would hold the window. The type column is hidden.
class KindIcons : public QAbstractFileIconProvider {
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override
    {
        return icon(info.isDir() ? QAbstractFileIconProvider::Folder
                                 : QAbstractFileIconProvider::File);
    }
    QString type(const QFileInfo& info) const override
    {
        return info.isDir() ? QStringLiteral("Folder") : QStringLiteral("File");
    }
};

} // namespace

DirView::DirView(QWidget* parent)
    : QTreeView(parent)
    , m_iconProvider(std::make_unique<KindIcons>())
    , m_model(std::make_unique<QFileSystemModel>())
    , m_nameOrder(std::make_unique<FolderNameOrder>())
    , m_receiverMenu(new QMenu(this))
{
    m_model->setIconProvider(m_iconProvider.get());
    m_receiverMenu->addAction(tr("&Move sketches to local folder"), this,
                              &DirView::moveSketchersToLocalSlot);
    m_model->setRootPath(QString());
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_nameOrder->setSourceModel(m_model.get());
    m_nameOrder->sort(0, Qt::AscendingOrder);
    connect(m_model.get(), &QFileSystemModel::directoryLoaded, this, &DirView::keepCurrentInView);
}

DirView::~DirView()
{
    setModel(nullptr);
}

void DirView::init(const QString& path)
{
    m_currentPath = path;
    m_model->setNameFilters(sketchNameFilters());
    setModel(m_nameOrder.get());
    m_model->setRootPath(path);
    navigateToDir(path);
    setAnimated(false);
    setIndentation(20);
    for (int column = 1; column <= 3; ++column)
        hideColumn(column);
}

bool DirView::navigateToDir(const QString& path)
{
    m_currentPath = path;
    makeCurrent(indexOfFolder(path));
    emit navigationEvent(QDir(QDir::toNativeSeparators(path)));
    return true;
}

QDir DirView::getCurrentDir() const
{
    return dirFromIndex(currentIndex());
}

QDir DirView::dirFromIndex(const QModelIndex& index) const
{
    return QDir(QDir(m_model->filePath(m_nameOrder->mapToSource(index))).absolutePath());
}

QModelIndex DirView::indexOfFolder(const QString& path) const
{
    return m_nameOrder->mapFromSource(m_model->index(path));
}

void DirView::onDragStarted()
{
    m_dragIndex = currentIndex();
}

void DirView::mouseClickedSlot(QModelIndex index)
{
    emit navigationEvent(dirFromIndex(index));
}

void DirView::keepCurrentInView(const QString& listed)
{
    const QString current = QDir::cleanPath(m_currentPath);
    const QString folder = QDir::cleanPath(listed);
    const QString inside = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    if (model() && (current == folder || current.startsWith(inside)))
        scrollTo(currentIndex());
}

void DirView::moveSketchersToLocalSlot()
{
    emit moveFromUsbToSelectedFolderSgnl(QDir(m_receiverFolder));
}

void DirView::keyPressEvent(QKeyEvent* event)
{
    QTreeView::keyPressEvent(event);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)
        emit navigationEvent(getCurrentDir());
}

void DirView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    // Before any receiver was mounted the empty folder would stand for the
    // working directory: its files are not the receiver's to move.
    if (event->button() == Qt::RightButton && !m_receiverFolder.isEmpty()
        && QDir(m_receiverFolder) == getCurrentDir())
        showReceiverMenu();
}

void DirView::dragEnterEvent(QDragEnterEvent* event)
{
    event->setAccepted(carriesSketch(event->mimeData()));
}

void DirView::dragMoveEvent(QDragMoveEvent* event)
{
    if (acceptSketchMove(event))
        makeCurrent(indexAt(event->position().toPoint()));
}

void DirView::dropEvent(QDropEvent* event)
{
    if (!acceptSketchMove(event))
        return;
    const QModelIndex target = indexAt(event->position().toPoint());
    if (!target.isValid()) {
        event->ignore();
        return;
    }
    const QDir folder = dirFromIndex(target);
    const QString source = draggedSketchPath(event->mimeData());
    makeCurrent(m_dragIndex);
    copyDroppedSketch(source, folder, event);
}

void DirView::copyDroppedSketch(const QString& source, const QDir& folder, QDropEvent* event)
{
    const QString destination =
        QDir::toNativeSeparators(folder.absoluteFilePath(QFileInfo(source).fileName()));
    // Dropped on its own folder, however the path is spelled: nothing to copy.
    if (source.isEmpty() || isSameFile(source, destination)) {
        event->ignore();
        return;
    }
    if (QFileInfo::exists(destination)
        && !userConfirmsOverwrite(this, QFileInfo(destination).fileName())) {
        event->ignore();
        return;
    }
    // The existing file is replaced only by a complete copy.
    if (!copyFileChecked(source, destination)) {
        warnCopyFailed(this, {source});
        event->ignore();
        return;
    }
    event->accept();
}

void DirView::makeCurrent(const QModelIndex& index)
{
    if (selectionModel() && model() == m_nameOrder.get())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void DirView::showReceiverMenu() { m_receiverMenu->popup(QCursor::pos()); }
