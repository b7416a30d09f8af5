#include "ListWidgetPelm.h"

#include "LayerManager.h"
#include "Layer.h"
#include "LimitedInputDialog.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

const char* const kIndicatorStyle =
    "QListWidget::indicator:checked { image: url(:editor/Resources/layer manager/32X32/checked.png);}"
    "                   "
    "QListWidget::indicator:unchecked { image: url(:editor/Resources/layer manager/32X32/unchecked.png);}";

bool isMouseClick(const QEvent* event)
{
    return event && (event->type() == QEvent::MouseButtonPress ||
                     event->type() == QEvent::MouseButtonRelease ||
                     event->type() == QEvent::MouseButtonDblClick);
}

// The editor whose form holds the list: list, group box, splitter, editor.
LayerManager* owningEditor(const QWidget* list)
{
    const QWidget* group = list->parentWidget();
    const QWidget* splitter = group ? group->parentWidget() : nullptr;
    return splitter ? qobject_cast<LayerManager*>(splitter->parentWidget()) : nullptr;
}

} // namespace

ListWidgetPelm::ListWidgetPelm(QWidget* parent) : QListWidget(parent), m_menu(new QMenu(this))
{
    setAttribute(Qt::WA_MouseTracking);

    auto* deleteAction = new QAction(tr("&Delete layer"), this);
    connect(deleteAction, &QAction::triggered, this, &ListWidgetPelm::deleteCurrentLayerSlot);
    m_menu->addAction(deleteAction);

    auto* renameAction = new QAction(tr("&Rename layer..."), this);
    if (LayerManager* editor = owningEditor(this))
        connect(renameAction, &QAction::triggered, editor, &LayerManager::renameCurrentLayerSlot);
    m_menu->addAction(renameAction);

    setStyleSheet(QString::fromLatin1(kIndicatorStyle));
}

ListWidgetPelm::~ListWidgetPelm() { showPointingHand(false); }

QString ListWidgetPelm::layerRowName(const Pelm::Layer& layer, int index)
{
    const auto tag = layer.annotations.find("tag");
    return tag != layer.annotations.end() ? QString::fromStdString(tag->second)
                                          : QStringLiteral("layer %1").arg(index + 1);
}

QListWidgetItem* ListWidgetPelm::newLayerRow(const Pelm::Layer& layer, int index)
{
    auto* row = new QListWidgetItem(nullptr, LayerRowType);
    row->setText(layerRowName(layer, index));
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    row->setCheckState(Qt::Unchecked);
    return row;
}

void ListWidgetPelm::deleteCurrentLayerSlot()
{
    if (QListWidgetItem* row = item(m_contextRow))
        row->setCheckState(Qt::Checked);
    emit deleteItemSignal();
}

void ListWidgetPelm::renameCurrentLayerSlot()
{
    QListWidgetItem* row = item(m_contextRow);
    if (!row)
        return;
    const QString name = askLine(this, tr("Layer name:"), row->text());
    if (!name.isEmpty())
        row->setText(name);
}

int ListWidgetPelm::getSelectedLayerIndex() { return m_contextRow; }

void ListWidgetPelm::refreshRows()
{
    doItemsLayout();
    viewport()->update();
}

void ListWidgetPelm::permitRmbClickSlot(bool permitted) { m_permitContextMenu = permitted; }

bool ListWidgetPelm::event(QEvent* event)
{
    if (event->type() == QEvent::ContextMenu)
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    return QListWidget::event(event);
}

void ListWidgetPelm::showContextMenu(const QPoint& globalPos)
{
    m_contextRow = -1;
    m_menu->hide();
    // Row rectangles are in the viewport's coordinates, not the frame's.
    const QPoint pos = viewport()->mapFromGlobal(globalPos);
    for (int row = 0; row < count(); ++row) {
        if (visualItemRect(item(row)).contains(pos)) {
            m_contextRow = row;
            break;
        }
    }
    if (m_contextRow >= 0 && m_permitContextMenu)
        m_menu->popup(globalPos);
}

QRect ListWidgetPelm::checkIndicatorRect(const QModelIndex& index) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.checkState = index.data(Qt::CheckStateRole).value<Qt::CheckState>();
    option.text = index.data(Qt::DisplayRole).toString();
    option.icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (!option.icon.isNull())
        option.features |= QStyleOptionViewItem::HasDecoration;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

bool ListWidgetPelm::overCheckIndicator(const QPoint& viewportPos) const
{
    const QModelIndex index = indexAt(viewportPos);
    return index.isValid() && checkIndicatorRect(index).contains(viewportPos);
}

QItemSelectionModel::SelectionFlags ListWidgetPelm::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const
{
    if (isMouseClick(event) && index.isValid() &&
        checkIndicatorRect(index).contains(
            static_cast<const QMouseEvent*>(event)->position().toPoint()))
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

void ListWidgetPelm::mouseMoveEvent(QMouseEvent* event)
{
    showPointingHand(overCheckIndicator(event->position().toPoint()));
    QListWidget::mouseMoveEvent(event);
}

void ListWidgetPelm::leaveEvent(QEvent* event)
{
    showPointingHand(false);
    QListWidget::leaveEvent(event);
}

// Puts up or takes back only the list's own cursor, never another one.
void ListWidgetPelm::showPointingHand(bool show)
{
    if (show == m_pointingHand)
        return;
    m_pointingHand = show;
    if (show)
        QApplication::setOverrideCursor(Qt::PointingHandCursor);
    else
        QApplication::restoreOverrideCursor();
}

void ListWidgetPelm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QListWidget::dragEnterEvent(event);
}

void ListWidgetPelm::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QListWidget::dragMoveEvent(event);
}

void ListWidgetPelm::dropEvent(QDropEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QListWidget::dropEvent(event);
}
