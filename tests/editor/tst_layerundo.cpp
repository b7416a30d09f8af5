// Layer steps on the editor's undo stack: what they take out, hand back and
// delete, and the rows they move.

#include "EditorTestSupport.h"
#include "LayerUndoCommands.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

using namespace editortest;

class LayerUndoTest : public QObject {
    Q_OBJECT

private slots:
    void deleteStepGivesBackTheSameRowAtItsIndex()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 2, 3}));
        QListWidgetItem* row = f.list().item(1);
        const QList<QGraphicsItem*> items = f.group(1)->strokes();

        auto* step = new UndoParentCommand;
        new DeleteLayerCommand(f.editor.get(), 1, step);
        f.editor->undoStack()->push(step);
        QCOMPARE(f.layerCount(), 2);
        QCOMPARE(f.groupCount(), 2);
        QCOMPARE(f.list().count(), 2);
        QCOMPARE(f.starts( 1), range(200, 203));

        f.editor->undoStack()->undo();
        QCOMPARE(f.layerCount(), 3);
        QCOMPARE(f.list().item(1), row);
        QCOMPARE(f.group(1)->strokes(), items);
        QCOMPARE(f.starts( 1), range(100, 102));
    }

    void addStepKeepsItsRowForTheNextRedo()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        Pelm::Layer layer;
        layer.annotations["tag"] = "Sky";
        layer.addElement(Pelm::Stroke());
        LayerGroupContainer container;

        auto* step = new AddLayerCommand(f.editor.get(), 1, container, layer);
        QSignalSpy done(step, &AddLayerCommand::done);
        f.editor->undoStack()->push(step);
        QCOMPARE(f.layerCount(), 3);
        // A new row goes in at its index, named after the layer; the rows
        // after it are named by their new places.
        QCOMPARE(f.rowTexts(), QStringList({"layer 1", "Sky", "layer 3"}));
        QListWidgetItem* row = f.list().item(1);

        f.editor->undoStack()->undo();
        QCOMPARE(f.rowTexts(), QStringList({"layer 1", "layer 2"}));
        f.editor->undoStack()->redo();
        QCOMPARE(f.list().item(1), row);
        QCOMPARE(done.size(), 3);
        QCOMPARE(done[1][0].toInt(), 0);
        QCOMPARE(done[2][0].toInt(), 1);
    }

    void rowsWithoutATagAreNamedByPosition()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        Pelm::Layer layer;
        layer.addElement(Pelm::Stroke());
        f.editor->undoStack()->push(new AddLayerCommand(f.editor.get(), 0, LayerGroupContainer(), layer));
        QCOMPARE(f.rowTexts(), QStringList({"layer 1", "layer 2", "layer 3"}));
        QCOMPARE(f.list().item(0)->type(), int(ListWidgetPelm::LayerRowType));
        QCOMPARE(f.list().item(0)->flags(),
                 Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    }

    void parentUndoesItsChildrenInReverse()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1, 4, 1}));
        // Split layer 2 by hand: a delete of row 2, adds at rows 2 and 3.
        auto* step = new UndoParentCommand;
        new DeleteLayerCommand(f.editor.get(), 2, step);
        Pelm::Layer first;
        Pelm::Layer second;
        Pelm::Layer source;
        f.record->m_document->at(2, source);
        Pelm::Stroke stroke;
        for (unsigned long j = 0; source.at(j, stroke); ++j)
            (j < 1 ? first : second).addElement(stroke);
        new AddLayerCommand(f.editor.get(), 2, LayerGroupContainer(), first, step);
        new AddLayerCommand(f.editor.get(), 3, LayerGroupContainer(), second, step);
        QSignalSpy done(step, &UndoParentCommand::done);

        f.editor->undoStack()->push(step);
        QCOMPARE(f.layerCount(), 5);
        QCOMPARE(f.starts( 2), std::vector<int>({200}));
        QCOMPARE(f.starts( 3), range(201, 204));
        QCOMPARE(f.starts( 4), std::vector<int>({300}));

        f.editor->undoStack()->undo();
        QCOMPARE(f.layerCount(), 4);
        QCOMPARE(f.starts( 2), range(200, 204));
        QCOMPARE(f.starts( 3), std::vector<int>({300}));
        QCOMPARE(f.list().count(), 4);
        QCOMPARE(done.size(), 2);
        QCOMPARE(done[0][0].toInt(), 1);
        QCOMPARE(done[1][0].toInt(), 0);
    }

    void aFailedDeleteIsUndoneAsNothing()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        auto* step = new UndoParentCommand;
        new DeleteLayerCommand(f.editor.get(), 5, step);
        f.editor->undoStack()->push(step);
        f.editor->undoStack()->undo();
        QCOMPARE(f.layerCount(), 2);
        QCOMPARE(f.groupCount(), 2);
        QCOMPARE(f.list().count(), 2);
    }

    void stepsWithoutASketchDoNothing()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        auto* step = new UndoParentCommand;
        new DeleteLayerCommand(f.editor.get(), 0, step);
        f.editor->m_currentMetaData = MetadataPtr();
        f.editor->undoStack()->push(step);
        f.editor->undoStack()->undo();
        QCOMPARE(f.layerCount(), 2);
        QCOMPARE(f.list().count(), 2);
    }

    void onlyTheChildrenPutUpCursors()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        QApplication::setOverrideCursor(Qt::CrossCursor);
        auto* step = new UndoParentCommand;
        new DeleteLayerCommand(f.editor.get(), 1, step);
        f.editor->undoStack()->push(step);
        f.editor->undoStack()->undo();
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        QApplication::restoreOverrideCursor();
        QVERIFY(!QApplication::overrideCursor());
    }

    // Items out of the scene belong to the step that took them out last.
    void discardedStepsDeleteTheItemsTheyHoldOut()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1, 1}));
        f.group(1)->addStroke(new CountedItem);
        QCOMPARE(CountedItem::alive, 1);

        auto* step = new UndoParentCommand;
        new DeleteLayerCommand(f.editor.get(), 1, step);
        f.editor->undoStack()->push(step);
        QCOMPARE(CountedItem::alive, 1);
        f.editor->undoStack()->clear();
        QCOMPARE(CountedItem::alive, 0);
    }

    void mergedItemsAreDeletedOnce()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1, 1}));
        f.group(1)->addStroke(new CountedItem);
        f.select({1, 2});
        f.editor->mergeLayersSlot();
        QCOMPARE(f.layerCount(), 2);
        // The merged layer goes too: its items are now held by that step.
        f.select({1});
        f.editor->deleteSelectedItems();
        QCOMPARE(f.layerCount(), 1);
        QCOMPARE(CountedItem::alive, 1);
        f.editor->undoStack()->clear();
        QCOMPARE(CountedItem::alive, 0);
    }

    void undoneStepsDropTheirItemsWhenReplaced()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        auto* counted = new CountedItem;
        LayerGroupContainer container;
        container.m_items.append(counted);
        Pelm::Layer layer;
        layer.addElement(Pelm::Stroke());
        f.editor->undoStack()->push(new AddLayerCommand(f.editor.get(), 2, container, layer));
        QCOMPARE(f.group(2)->strokes(), QList<QGraphicsItem*>({counted}));

        f.editor->undoStack()->undo();
        QCOMPARE(CountedItem::alive, 1);
        f.select({0});
        f.editor->deleteSelectedItems();
        QCOMPARE(CountedItem::alive, 0);
    }

    void unpushedAddStepsDeleteTheirLooseItems()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        LayerGroupContainer container;
        container.m_items.append(new CountedItem);
        delete new AddLayerCommand(f.editor.get(), 1, container, Pelm::Layer());
        QCOMPARE(CountedItem::alive, 0);
    }
};

QTEST_MAIN(LayerUndoTest)
#include "tst_layerundo.moc"
