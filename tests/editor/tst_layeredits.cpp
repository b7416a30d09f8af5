// Split, merge and delete of layers from the editor's buttons.

#include "EditorTestSupport.h"

#include <QAbstractButton>
#include <QtTest>

using namespace editortest;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

const QString kNothingToSplit = QStringLiteral("Unable to split selected layer - there is nothing to do!");

void setHandles(LayerManager& editor, int left, int right)
{
    // Widen first so that neither spin box is refused on the way.
    editor.m_left_spin->setValue(0);
    editor.m_right_spin->setValue(editor.m_right_spin->maximum());
    editor.m_left_spin->setValue(left);
    editor.m_right_spin->setValue(right);
}

} // namespace

class LayerEditsTest : public QObject {
    Q_OBJECT

private:
    std::vector<int> layerSizes(const EditorFixture& f)
    {
        std::vector<int> sizes;
        for (int i = 0; i < f.layerCount(); ++i)
            sizes.push_back(static_cast<int>(f.starts(static_cast<unsigned long>(i)).size()));
        return sizes;
    }

    void expectSettled(const EditorFixture& f)
    {
        QCOMPARE(f.list().count(), f.layerCount());
        QCOMPARE(f.groupCount(), f.layerCount());
        for (int i = 0; i < f.list().count(); ++i) {
            QCOMPARE(f.list().item(i)->checkState(), Qt::Checked);
            QVERIFY(!f.list().item(i)->isSelected());
        }
        QVERIFY(!f.editor->m_split_layer_btn->isEnabled());
        QVERIFY(!f.editor->m_merge_layer_btn->isEnabled());
        QVERIFY(!f.editor->m_delete_layer_btn->isEnabled());
    }

private slots:
    void splitCutsAtTheHandles_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<std::vector<int>>("sizes");
        QTest::newRow("three parts") << 3 << 7 << std::vector<int>({1, 3, 4, 3, 1});
        QTest::newRow("left at 0") << 0 << 4 << std::vector<int>({1, 4, 6, 1});
        QTest::newRow("right at the end") << 4 << 10 << std::vector<int>({1, 4, 6, 1});
        QTest::newRow("handles together") << 5 << 5 << std::vector<int>({1, 5, 5, 1});
    }

    void splitCutsAtTheHandles()
    {
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(std::vector<int>, sizes);
        EditorFixture f;
        f.open(numberedSketch({1, 10, 1}));
        f.select({1});
        setHandles(*f.editor, left, right);
        f.editor->m_split_layer_btn->click();

        QCOMPARE(layerSizes(f), sizes);
        QCOMPARE(f.starts(1).front(), 100);
        QCOMPARE(f.starts(sizes.size() - 2).back(), 109);
        QCOMPARE(f.starts(sizes.size() - 1), std::vector<int>({200}));
        QCOMPARE(f.group(2)->strokeCount(), qsizetype(sizes[2]));
        expectSettled(f);
        QVERIFY(f.editor->isDocumentChanged());

        f.editor->undoStack()->undo();
        QCOMPARE(layerSizes(f), std::vector<int>({1, 10, 1}));
        QCOMPARE(f.starts(1), range(100, 110));
        expectSettled(f);
    }

    void splitThatCutsNothingIsRefused_data()
    {
        QTest::addColumn<int>("strokes");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("whole layer") << 10 << 0 << 10;
        QTest::newRow("both at the end") << 10 << 10 << 10;
        QTest::newRow("both at the start") << 10 << 0 << 0;
        QTest::newRow("no strokes") << 0 << 0 << 0;
    }

    void splitThatCutsNothingIsRefused()
    {
        QFETCH(int, strokes);
        QFETCH(int, left);
        QFETCH(int, right);
        EditorFixture f;
        f.open(numberedSketch({strokes, 1}));
        f.select({0});
        setHandles(*f.editor, left, right);
        f.editor->createLayersFromScrubberSlot();
        QCOMPARE(f.environment.prompt.texts(), QStringList({kNothingToSplit}));
        QCOMPARE(f.environment.prompt.requests[0].icon, QMessageBox::Warning);
        QCOMPARE(f.layerCount(), 2);
        QVERIFY(!f.editor->undoStack()->canUndo());
    }

    void splitWithoutSelectionDoesNothing()
    {
        EditorFixture f;
        f.open(numberedSketch({4}));
        f.editor->createLayersFromScrubberSlot();
        QVERIFY(f.environment.prompt.requests.isEmpty());
        QCOMPARE(f.layerCount(), 1);
    }

    void mergeJoinsAdjacentRowsHighestFirst()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1, 2, 2, 2, 1, 1}));
        f.select({2, 3, 4});
        f.editor->m_merge_layer_btn->click();

        QCOMPARE(layerSizes(f), std::vector<int>({1, 1, 6, 1, 1}));
        QCOMPARE(f.starts(2), std::vector<int>({400, 401, 300, 301, 200, 201}));
        QCOMPARE(f.starts(3), std::vector<int>({500}));
        QCOMPARE(f.group(2)->strokeCount(), qsizetype(6));
        QCOMPARE(f.editor->undoStack()->count(), 1);
        expectSettled(f);

        f.editor->undoStack()->undo();
        QCOMPARE(layerSizes(f), std::vector<int>({1, 1, 2, 2, 2, 1, 1}));
        QCOMPARE(f.starts(4), std::vector<int>({400, 401}));
        QCOMPARE(f.group(3)->strokeCount(), qsizetype(2));
        f.editor->undoStack()->redo();
        QCOMPARE(f.starts(2), std::vector<int>({400, 401, 300, 301, 200, 201}));
    }

    void mergeWantsAdjacentRows()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1, 1, 1}));
        f.select({1, 3});
        f.editor->mergeLayersSlot();
        f.select({});
        f.editor->mergeLayersSlot();
        QCOMPARE(f.environment.prompt.texts(),
                 QStringList({"Unable to merge selected layers.  Must have continuity between layers!",
                              "Nothing to merge"}));
        QCOMPARE(f.layerCount(), 4);
        QVERIFY(!f.editor->undoStack()->canUndo());
    }

    void aSingleRowMergesIntoItself()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 3}));
        f.select({1});
        f.editor->mergeLayersSlot();
        QCOMPARE(f.starts(1), range(100, 103));
        QCOMPARE(f.editor->undoStack()->count(), 1);
    }

    void deleteTakesTheSelectedRowsAsOneStep()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1, 1, 1, 1}));
        QListWidgetItem* second = f.list().item(2);
        f.select({0, 2});
        f.editor->m_delete_layer_btn->click();
        QCOMPARE(f.layerCount(), 3);
        QCOMPARE(f.starts(0), std::vector<int>({100}));
        QCOMPARE(f.starts(1), std::vector<int>({300}));
        QCOMPARE(f.editor->undoStack()->count(), 1);
        expectSettled(f);

        f.editor->undoStack()->undo();
        QCOMPARE(f.layerCount(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.starts(static_cast<unsigned long>(i)), std::vector<int>({100 * i}));
        QCOMPARE(f.list().item(2), second);
        QCOMPARE(f.rowTexts(), QStringList({"layer 1", "layer 2", "layer 3", "layer 4", "layer 5"}));
    }

    // After every change the rows without a tag read "layer n" by their
    // place, as a rebuild names them; a tagged row keeps its tag.
    void untaggedRowsAreNamedByPosition_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("split") << "split"
                               << QStringList({"layer 1", "layer 2", "layer 3", "boats", "layer 5"});
        QTest::newRow("merge") << "merge" << QStringList({"layer 1", "boats", "layer 3"});
        QTest::newRow("delete") << "delete" << QStringList({"layer 1", "boats", "layer 3"});
    }

    void untaggedRowsAreNamedByPosition()
    {
        QFETCH(QString, operation);
        QFETCH(QStringList, names);
        EditorFixture f;
        f.record = recordOf(numberedSketch({1, 4, 1, 1}));
        Pelm::Layer* tagged = nullptr;
        QVERIFY(f.record->m_document->at(2, &tagged));
        tagged->annotations["tag"] = "boats";
        f.editor->init(f.record);
        const QStringList before = f.rowTexts();
        QCOMPARE(before, QStringList({"layer 1", "layer 2", "boats", "layer 4"}));

        if (operation == "split") {
            f.select({1});
            setHandles(*f.editor, 0, 2);
            f.editor->m_split_layer_btn->click();
        } else if (operation == "merge") {
            f.select({0, 1});
            f.editor->m_merge_layer_btn->click();
        } else {
            f.select({0});
            f.editor->m_delete_layer_btn->click();
        }
        QCOMPARE(f.rowTexts(), names);

        f.editor->undoStack()->undo();
        QCOMPARE(f.rowTexts(), before);
    }

    void deleteWithoutSelectionPushesNothing()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        f.editor->deleteSelectedItems();
        QCOMPARE(f.editor->undoStack()->count(), 0);
    }
};

QTEST_MAIN(LayerEditsTest)
#include "tst_layeredits.moc"
