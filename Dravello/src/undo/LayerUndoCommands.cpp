#include "LayerUndoCommands.h"

#include "WaitCursor.h"

BaseLayerUndoCommand::BaseLayerUndoCommand(LayerManager* editor, int index, QUndoCommand* parent)
    : QUndoCommand(parent), m_data(editor, index)
{
}

BaseLayerUndoCommand::BaseLayerUndoCommand(LayerManager* editor, int index,
                                           const LayerGroupContainer& container,
                                           const Pelm::Layer& layer, QUndoCommand* parent)
    : QUndoCommand(parent), m_data(editor, index, container, layer)
{
}

AddLayerCommand::AddLayerCommand(LayerManager* editor, int index,
                                 const LayerGroupContainer& container, const Pelm::Layer& layer,
                                 QUndoCommand* parent)
    : BaseLayerUndoCommand(editor, index, container, layer, parent)
{
}

void AddLayerCommand::redo()
{
    {
        WaitCursor wait;
        m_data.addLayer();
    }
    emit done(1);
}

void AddLayerCommand::undo()
{
    {
        WaitCursor wait;
        m_data.removeLayer();
    }
    emit done(0);
}

DeleteLayerCommand::DeleteLayerCommand(LayerManager* editor, int index, QUndoCommand* parent)
    : BaseLayerUndoCommand(editor, index, parent)
{
}

void DeleteLayerCommand::redo()
{
    WaitCursor wait;
    m_data.removeLayer();
}

void DeleteLayerCommand::undo()
{
    WaitCursor wait;
    m_data.addLayer();
}

UndoParentCommand::UndoParentCommand(QUndoCommand* parent) : QUndoCommand(parent) {}

// The children put up and take back their own wait cursors.
void UndoParentCommand::redo()
{
    QUndoCommand::redo();
    emit done(1);
}

void UndoParentCommand::undo()
{
    QUndoCommand::undo();
    emit done(0);
}
