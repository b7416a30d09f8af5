#ifndef DRAVELLO_UNDO_LAYERUNDOCOMMANDS_H
#define DRAVELLO_UNDO_LAYERUNDOCOMMANDS_H

#include "UndoMetadata.h"

#include <QObject>
#include <QUndoCommand>

// One layer going out of or coming into the edited sketch. Each step runs
// under the wait cursor.
class BaseLayerUndoCommand : public QObject, public QUndoCommand {
    Q_OBJECT

public:
    BaseLayerUndoCommand(LayerManager* editor, int index, QUndoCommand* parent);
    BaseLayerUndoCommand(LayerManager* editor, int index, const LayerGroupContainer& container,
                         const Pelm::Layer& layer, QUndoCommand* parent);

    const UndoMetadata& data() const { return m_data; }

signals:
    // 1 after a redo, 0 after an undo.
    void done(int redone);

protected:
    UndoMetadata m_data;
};

// Puts a layer built by the editor in; its undo takes the layer out again.
class AddLayerCommand : public BaseLayerUndoCommand {
    Q_OBJECT

public:
    AddLayerCommand(LayerManager* editor, int index, const LayerGroupContainer& container,
                    const Pelm::Layer& layer, QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;
};

// Takes a layer out; its undo puts it back with its items and row.
class DeleteLayerCommand : public BaseLayerUndoCommand {
    Q_OBJECT

public:
    DeleteLayerCommand(LayerManager* editor, int index, QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;
};

// One user action on the layers: its children run in order on redo and in
// reverse order on undo.
class UndoParentCommand : public QObject, public QUndoCommand {
    Q_OBJECT

public:
    explicit UndoParentCommand(QUndoCommand* parent = nullptr);

    void redo() override;
    void undo() override;

signals:
    // 1 after a redo, 0 after an undo.
    void done(int redone);
};

#endif
