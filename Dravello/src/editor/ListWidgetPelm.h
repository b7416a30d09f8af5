#ifndef DRAVELLO_EDITOR_LISTWIDGETPELM_H
#define DRAVELLO_EDITOR_LISTWIDGETPELM_H

#include <QListWidget>

class QMenu;

namespace Pelm {
class Layer;
}

// The layer editor's list: row i stands for layer i of the edited sketch. A
// click on a row's check box toggles the layer's visibility without changing
// the selection; the context menu deletes or renames layers and can be
// switched off. Rows can be moved about within the list, but nothing from
// elsewhere is dropped in.
class ListWidgetPelm : public QListWidget {
    Q_OBJECT

public:
    enum { LayerRowType = QListWidgetItem::UserType };

    explicit ListWidgetPelm(QWidget* parent = nullptr);
    ~ListWidgetPelm() override;

    // The name of the row of layer `index`: the layer's tag, else "layer n".
    static QString layerRowName(const Pelm::Layer& layer, int index);
    // A row for layer `index`, in no list yet: named as above; selectable,
    // checkable, unchecked.
    static QListWidgetItem* newLayerRow(const Pelm::Layer& layer, int index);

    QMenu* contextMenu() const { return m_menu; }

    // Lays the rows out again and repaints the whole list, after their icons
    // changed shape: the view repaints only the rows' new places by itself.
    void refreshRows();
    // The area of the row's check box, in viewport coordinates.
    QRect checkIndicatorRect(const QModelIndex& index) const;

public slots:
    // Checks the context row and asks for the selected rows to be deleted.
    void deleteCurrentLayerSlot();
    void renameCurrentLayerSlot();
    // The row under the pointer at the last context-menu request, or -1.
    int getSelectedLayerIndex();
    void permitRmbClickSlot(bool permitted);

signals:
    void deleteItemSignal();

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void showContextMenu(const QPoint& globalPos);
    bool overCheckIndicator(const QPoint& viewportPos) const;
    void showPointingHand(bool show);

    QMenu* m_menu;
    bool m_permitContextMenu = true;
    int m_contextRow = -1;
    bool m_pointingHand = false;
};

#endif
