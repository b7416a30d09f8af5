#ifndef DRAVELLO_UNDO_UNDOMETADATA_H
#define DRAVELLO_UNDO_UNDOMETADATA_H

#include "Layer.h"
#include "LayerGroupContainer.h"

class LayerManager;
class QListWidgetItem;

// What one layer step moves between the editor's sketch and the undo stack:
// the ink layer, its scene items and its row of the layer list. While the
// step holds the layer out of the sketch it owns the row and the items it
// took out of the scene; destroying the step then deletes them.
class UndoMetadata {
public:
    // A step that takes layer `index` out when it first runs.
    UndoMetadata(LayerManager* editor, int index);
    // A step that puts `layer`, drawn by the container's items, in at `index`.
    // Items in no scene and no group are the step's from now on.
    UndoMetadata(LayerManager* editor, int index, const LayerGroupContainer& container,
                 const Pelm::Layer& layer);
    ~UndoMetadata();
    UndoMetadata(const UndoMetadata&) = delete;
    UndoMetadata& operator=(const UndoMetadata&) = delete;

    // Takes the layer out of the sketch, its row out of the layer list; false,
    // changing nothing, when there is no sketch, no such layer, or the step
    // holds its layer out already.
    bool removeLayer();
    // Puts the held layer back at the index with its row (a new one named
    // after the layer when the step holds none); false, changing nothing,
    // when the step holds no layer or the sketch refuses it.
    bool addLayer();

    bool holdsLayer() const { return m_holdsLayer; }
    int index() const { return m_index; }

private:
    void takeOverItems();
    void handBackItems();
    void deleteOwnedItems();
    void refreshEditor();

    LayerManager* m_editor;
    int m_index;
    LayerGroupContainer m_container;
    QListWidgetItem* m_row = nullptr;
    Pelm::Layer m_layer;
    bool m_holdsLayer;
};

#endif
