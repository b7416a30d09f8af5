#include "UndoMetadata.h"

#include "DocumentMetaData.h"
#include "LayerManager.h"
#include "ListWidgetPelm.h"

#include <QGraphicsItem>
#include <QHash>
#include <QListWidgetItem>

namespace {

// Which step holds each scene item that is out of its scene. A merge lets
// several steps list the same items; only the one that took them out last,
// and has not seen them put back, may delete them.
QHash<QGraphicsItem*, const UndoMetadata*>& detachedItemOwners()
{
    static QHash<QGraphicsItem*, const UndoMetadata*> owners;
    return owners;
}

} // namespace

UndoMetadata::UndoMetadata(LayerManager* editor, int index)
    : m_editor(editor), m_index(index), m_holdsLayer(false)
{
}

UndoMetadata::UndoMetadata(LayerManager* editor, int index, const LayerGroupContainer& container,
                           const Pelm::Layer& layer)
    : m_editor(editor), m_index(index), m_container(container), m_layer(layer), m_holdsLayer(true)
{
    // Items of a layer that the editor has just built belong to no scene yet.
    for (QGraphicsItem* item : m_container.m_items)
        if (!item->scene() && !item->parentItem())
            detachedItemOwners().insert(item, this);
}

UndoMetadata::~UndoMetadata()
{
    delete m_row;
    deleteOwnedItems();
}

bool UndoMetadata::removeLayer()
{
    if (m_holdsLayer)
        return false;
    MetadataPtr record = m_editor->getCurrentMetaDataPtr();
    DocumentMetaData* sketch = record.GetData();
    Pelm::Layer layer;
    LayerGroupContainer container;
    if (!sketch || !sketch->deleteLayer(m_index, layer, container))
        return false;
    m_layer = layer;
    m_container = container;
    m_holdsLayer = true;
    takeOverItems();
    m_row = m_editor->layerList()->takeItem(m_index);
    refreshEditor();
    return true;
}

bool UndoMetadata::addLayer()
{
    if (!m_holdsLayer)
        return false;
    MetadataPtr record = m_editor->getCurrentMetaDataPtr();
    DocumentMetaData* sketch = record.GetData();
    if (!sketch || !sketch->addLayer(m_index, m_layer, m_container))
        return false;
    m_holdsLayer = false;
    handBackItems();
    QListWidgetItem* row = m_row ? m_row : ListWidgetPelm::newLayerRow(m_layer, m_index);
    m_row = nullptr;
    m_editor->layerList()->insertItem(m_index, row);
    refreshEditor();
    return true;
}

void UndoMetadata::takeOverItems()
{
    for (QGraphicsItem* item : m_container.m_items)
        detachedItemOwners().insert(item, this);
}

void UndoMetadata::handBackItems()
{
    for (QGraphicsItem* item : m_container.m_items)
        detachedItemOwners().remove(item);
}

void UndoMetadata::deleteOwnedItems()
{
    QHash<QGraphicsItem*, const UndoMetadata*>& owners = detachedItemOwners();
    for (QGraphicsItem* item : m_container.m_items) {
        const auto owner = owners.constFind(item);
        if (owner != owners.cend() && owner.value() == this) {
            owners.erase(owner);
            delete item;
        }
    }
}

void UndoMetadata::refreshEditor()
{
    m_editor->buildThumbnails();
    m_editor->updateAll();
}
