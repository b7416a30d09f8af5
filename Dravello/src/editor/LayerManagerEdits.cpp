// Split, merge and delete of layers, each one step on the undo stack.

#include "LayerManager.h"

#include "Document.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "GraphicsInkPathItem.h"
#include "LayerUndoCommands.h"
#include "ListWidgetPelm.h"
#include "UserPrompt.h"
#include "WaitCursor.h"

#include <memory>
#include <vector>

namespace {

// How many parts the scrubber handles cut a layer of n strokes into; 0 when
// they cut nothing off.
int splitParts(int n, int left, int right)
{
    const bool cutAtLeftOnly = right == 0 || right == n;
    if (cutAtLeftOnly)
        return left == 0 || left == right ? 0 : 2;
    return left == 0 || left == right ? 2 : 3;
}

// The part that stroke i goes to.
int partOfStroke(int i, int parts, int n, int left, int right)
{
    if (parts == 3)
        return i < left ? 0 : (i < right ? 1 : 2);
    const int cut = (right == n || right == left) ? left : right;
    return i < cut ? 0 : 1;
}

// One layer that a split makes: its ink and the loose scene items drawing
// it, which its step owns until it puts them into the scene. The items are
// made in a group of the part's own, which lends them its pen.
struct SplitPart {
    Pelm::Layer layer;
    std::unique_ptr<GraphicsItemsGroup> group;
    LayerGroupContainer container;
};

} // namespace

void LayerManager::warn(const QString& text)
{
    PromptRequest request;
    request.icon = QMessageBox::Warning;
    request.parent = this;
    request.title = QString::fromLatin1(kPromptTitle);
    request.text = text;
    askUser(request);
}

void LayerManager::pushLayerStep(UndoParentCommand* step)
{
    connect(step, SIGNAL(done(int)), this, SLOT(undoCommandSlot(int)));
    m_undoStack.push(step);
}

// Runs a layer operation with the list's signals off and the wait cursor up.
void LayerManager::runLayerOperation(const std::function<void()>& operation)
{
    connectDetailedLayerList(false);
    {
        WaitCursor wait;
        operation();
    }
    connectDetailedLayerList(true);
    resetLayerTools();
    emit resetSelectedLayersSignal();
}

void LayerManager::createLayersFromScrubberSlot()
{
    int row = -1;
    for (int i = m_detailed_layers_list->count() - 1; i >= 0 && row < 0; --i)
        if (m_detailed_layers_list->item(i)->isSelected())
            row = i;
    if (row < 0)
        return;
    const int parts = splitParts(m_scrubberMaximum, m_left, m_right);
    if (parts == 0) {
        warn(tr("Unable to split selected layer - there is nothing to do!"));
        return;
    }
    runLayerOperation([this, row, parts] { splitLayer(row, parts); });
}

void LayerManager::splitLayer(int row, int parts)
{
    Pelm::Layer source;
    Pelm::Document* document = inkDocument();
    if (!document || row < 0 || !document->at(static_cast<unsigned long>(row), source))
        return;

    auto step = std::make_unique<UndoParentCommand>();
    new DeleteLayerCommand(this, row, step.get());

    std::vector<SplitPart> split(static_cast<std::size_t>(parts));
    for (int p = 0; p < parts; ++p)
        split[p].group = std::make_unique<GraphicsItemsGroup>(m_defaultFormat, nullptr, true, row + p);

    const int n = static_cast<int>(source.getSize());
    Pelm::Stroke* stroke = nullptr;
    for (int i = 0; source.at(static_cast<unsigned long>(i), &stroke); ++i) {
        SplitPart& part = split[partOfStroke(i, parts, n, m_left, m_right)];
        auto* item = new GraphicsInkPathItem(*stroke, m_defaultFormat, part.group.get(), true);
        GraphicsItemsGroup::removeStroke(item);
        part.container.m_items.append(item);
        part.layer.addElement(*stroke);
        part.layer.updateBindingRectangle(*stroke);
    }

    int nextRow = row;
    for (const SplitPart& part : split)
        if (part.layer.getSize() > 0)
            new AddLayerCommand(this, nextRow++, part.container, part.layer, step.get());

    if (nextRow - row <= 1) {
        // Everything fell into one part: the dropped steps delete the items.
        warn(tr("Unable to split selected layer - there is nothing to do!"));
        return;
    }
    pushLayerStep(step.release());
}

void LayerManager::mergeLayersSlot()
{
    QList<int> rows;
    for (int i = 0; i < m_detailed_layers_list->count(); ++i)
        if (m_detailed_layers_list->item(i)->isSelected())
            rows.prepend(i);
    if (rows.isEmpty()) {
        warn(tr("Nothing to merge"));
        return;
    }
    for (int i = 0; i + 1 < rows.size(); ++i) {
        if (rows[i] != rows[i + 1] + 1) {
            warn(tr("Unable to merge selected layers.  Must have continuity between layers!"));
            return;
        }
    }
    runLayerOperation([this, &rows] { mergeListLayers(rows); });
}

void LayerManager::mergeListLayers(const QList<int>& rows)
{
    DocumentGraphicModel* model = sceneModel();
    Pelm::Document* document = inkDocument();
    if (rows.isEmpty() || !model || !document)
        return;
    auto* step = new UndoParentCommand;
    Pelm::Layer merged;
    LayerGroupContainer container;
    for (int row : rows) {
        LayerGroupContainer rowItems;
        model->getLayerContainer(row, rowItems);
        container.appendItems(rowItems.m_items);
        Pelm::Layer copy;
        document->at(static_cast<unsigned long>(row), copy);
        new DeleteLayerCommand(this, row, step);
        buildMergedLayer(copy, merged);
    }
    new AddLayerCommand(this, rows.last(), container, merged, step);
    pushLayerStep(step);
}

void LayerManager::buildMergedLayer(const Pelm::Layer& source, Pelm::Layer& target)
{
    for (unsigned long i = 0; i < source.getSize(); ++i) {
        Pelm::Stroke stroke;
        source.at(i, stroke);
        target.addElementAtTail(stroke);
        target.updateBindingRectangle(stroke);
    }
}

void LayerManager::deleteSelectedItems()
{
    connectDetailedLayerList(false);
    auto step = std::make_unique<UndoParentCommand>();
    for (int i = m_detailed_layers_list->count() - 1; i >= 0; --i)
        if (m_detailed_layers_list->item(i)->isSelected())
            new DeleteLayerCommand(this, i, step.get());
    if (step->childCount() > 0)
        pushLayerStep(step.release());
    connectDetailedLayerList(true);
    resetLayerTools();
    emit resetSelectedLayersSignal();
}

void LayerManager::deleteItemSlot() { deleteSelectedItems(); }
