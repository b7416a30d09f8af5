// The editor page: list and drawing of layers, the scrubber, names and tags.

#include "EditorTestSupport.h"
#include "GraphicsInkPathItem.h"
#include "LimitedInputDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace editortest;

namespace {

const QColor kLeft(10, 20, 30);
const QColor kMiddle(0, 0, 255);
const QColor kRight(200, 200, 200);

// Answers the next name or tag dialog with `text` (OK) or cancels it.
void answerNextDialog(const QString& text, bool accept = true)
{
    QTimer::singleShot(0, [text, accept] {
        auto* dialog = qobject_cast<LimitedInputDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no name dialog is open");
        dialog->setTextValue(text);
        accept ? dialog->accept() : dialog->reject();
    });
}

// Reaches the protected receiver count of the list's signals (through a
// member pointer: the list is no SignalPeek).
struct SignalPeek : QListWidget {
    using QObject::receivers;
};

} // namespace

class LayerManagerTest : public QObject {
    Q_OBJECT

private slots:
    void opensASketchAsCheckedNamedRows()
    {
        EditorFixture f;
        sketchtest::SketchSpec sketch = numberedSketch({1, 2, 3});
        MetadataPtr record = recordOf(sketch);
        Pelm::Layer* second = nullptr;
        record->m_document->at(1, &second);
        second->annotations["tag"] = "Trees \xc3\xa4";
        record->m_document->annotations["tag"] = "Park";
        f.record = record;
        f.editor->init(record);

        QCOMPARE(f.rowTexts(), QStringList({"layer 1", QString::fromUtf8("Trees \xc3\xa4"), "layer 3"}));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.list().item(i)->checkState(), Qt::Checked);
            QVERIFY(!f.list().item(i)->isSelected());
            QVERIFY(!f.list().item(i)->icon().isNull());
        }
        QVERIFY(!f.editor->m_delete_layer_btn->isEnabled());
        QVERIFY(!f.editor->m_merge_layer_btn->isEnabled());
        QVERIFY(!f.editor->m_split_layer_btn->isEnabled());
        QCOMPARE(f.editor->m_edit_group->title(), QString("File : /sketches/a.hlv Tag : \"Park\""));
        QCOMPARE(f.editor->m_layers_graphics_view->scene(), record->m_graphicModel.GetData());
        QVERIFY(!f.editor->isDocumentChanged());
    }

    void anEmptySketchGivesAnEmptyList()
    {
        EditorFixture f;
        f.open({});
        QCOMPARE(f.list().count(), 0);
        QVERIFY(!f.editor->m_delete_layer_btn->isEnabled());
        QVERIFY(!f.editor->m_split_layer_btn->isEnabled());
    }

    void aFailedLoadLeavesNothingOfTheLastSketch()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        f.editor->init(MetadataPtr(new DocumentMetaData(QStringLiteral("/sketches/broken.wpi"))));
        QCOMPARE(f.list().count(), 0);
        QVERIFY(!f.editor->m_layers_graphics_view->scene());
    }

    void listSignalsAreConnectedOnce()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        f.editor->init(f.record);
        f.editor->connectDetailedLayerList(true);
        const auto receivers = &SignalPeek::receivers;
        QCOMPARE((f.list().*receivers)(SIGNAL(itemChanged(QListWidgetItem*))), 1);
        QCOMPARE((f.list().*receivers)(SIGNAL(itemSelectionChanged())), 1);
    }

    void selectionEnablesTheLayerTools()
    {
        EditorFixture f;
        f.open(numberedSketch({4, 1, 1}));
        f.select({0});
        QVERIFY(f.editor->m_split_layer_btn->isEnabled());
        QVERIFY(f.editor->m_delete_layer_btn->isEnabled());
        QVERIFY(!f.editor->m_merge_layer_btn->isEnabled());
        QCOMPARE(f.editor->m_scrubber->maximum(), 4);
        QCOMPARE(f.editor->m_scrubber->tickInterval(), 2);
        f.select({1, 2});
        QVERIFY(!f.editor->m_split_layer_btn->isEnabled());
        QVERIFY(!f.editor->m_scrubber->isEnabled());
        QVERIFY(f.editor->m_merge_layer_btn->isEnabled());
        f.select({});
        QVERIFY(!f.editor->m_delete_layer_btn->isEnabled());
    }

    void oddStrokeCountsGetOneTick()
    {
        EditorFixture f;
        f.open(numberedSketch({5}));
        f.select({0});
        QCOMPARE(f.editor->m_scrubber->tickInterval(), 5);
    }

    void spinBoxesCannotCrossTheHandles()
    {
        EditorFixture f;
        f.open(numberedSketch({10}));
        f.select({0});
        f.editor->m_left_spin->setValue(4);
        f.editor->m_right_spin->setValue(3);
        QCOMPARE(f.editor->m_right_spin->value(), 10);
        QCOMPARE(f.editor->rightPosition(), 10);
        f.editor->m_right_spin->setValue(6);
        f.editor->m_left_spin->setValue(7);
        QCOMPARE(f.editor->m_left_spin->value(), 4);
        QCOMPARE(f.editor->leftPosition(), 4);
        QCOMPARE(f.editor->m_scrubber->lowerValue(), 4);
        QCOMPARE(f.editor->m_scrubber->upperValue(), 6);
    }

    void scrubberColoursTheStrokesOfTheSelectedLayer()
    {
        EditorFixture f;
        ApplSettings::instance()->setAttrValueStr(QStringLiteral("visuality_properties/scrubber_left_pen"),
                                                 QStringLiteral("rgba_color"), QStringLiteral("10 20 30 255"));
        f.open(numberedSketch({5, 2, 2}));
        f.list().item(1)->setCheckState(Qt::Unchecked);
        f.list().item(2)->setCheckState(Qt::Unchecked);
        f.select({0});
        // Until a handle moves the layer is drawn in the highlight pen.
        QCOMPARE(f.group(0)->drawMode(), GraphicsItemsGroup::LayerPenMode);
        f.editor->m_right_spin->setValue(4);
        f.editor->m_right_spin->setValue(5);
        QCOMPARE(f.group(0)->drawMode(), GraphicsItemsGroup::StrokePenMode);
        QCOMPARE(strokeColours(*f.group(0)), QList<QColor>(5, kMiddle));

        f.editor->m_left_spin->setValue(2);
        f.editor->m_right_spin->setValue(4);
        QCOMPARE(strokeColours(*f.group(0)), QList<QColor>({kLeft, kLeft, kMiddle, kMiddle, kRight}));
        QVERIFY(f.group(0)->isPainted());
        QVERIFY(!f.group(2)->isPainted());

        // Selected but unchecked layers are drawn in the scrubber colours too.
        f.list().item(0)->setCheckState(Qt::Unchecked);
        f.select({1});
        f.editor->m_left_spin->setValue(1);
        QCOMPARE(strokeColours(*f.group(1)), QList<QColor>({kLeft, kMiddle}));
        QVERIFY(f.group(1)->isPainted());
        QVERIFY(!f.group(0)->isPainted());
        ApplSettings::instance()->setAttrValueStr(QStringLiteral("visuality_properties/scrubber_left_pen"),
                                                 QStringLiteral("rgba_color"), QStringLiteral("200 200 200 255"));
    }

    void renamingALayerMarksTheSketchChanged()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        QSignalSpy saveEnable(f.editor.get(), &LayerManager::signalSaveEnable);
        f.list().permitRmbClickSlot(false);
        rightClick(f.list(), f.list().visualItemRect(f.list().item(1)).center());
        QCOMPARE(f.list().getSelectedLayerIndex(), 1);

        answerNextDialog(QStringLiteral("Clouds"), false);
        f.editor->renameCurrentLayerSlot();
        QVERIFY(!f.editor->isDocumentChanged());

        answerNextDialog(QStringLiteral("Clouds"));
        f.editor->renameCurrentLayerSlot();
        QCOMPARE(f.rowTexts(), QStringList({"layer 1", "Clouds"}));
        Pelm::Layer layer;
        f.record->m_document->at(1, layer);
        QCOMPARE(layer.annotations["tag"], std::string("Clouds"));
        QVERIFY(f.editor->isDocumentChanged());
        QCOMPARE(saveEnable.size(), 1);

        f.editor->clearUndo();
        answerNextDialog(QStringLiteral("Clouds"));
        f.editor->renameCurrentLayerSlot();
        QVERIFY(!f.editor->isDocumentChanged());
        QCOMPARE(saveEnable.size(), 1);
    }

    void anEmptyNameIsStillAName()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        f.list().permitRmbClickSlot(false);
        rightClick(f.list(), f.list().visualItemRect(f.list().item(0)).center());
        answerNextDialog(QString());
        f.editor->renameCurrentLayerSlot();
        Pelm::Layer layer;
        f.record->m_document->at(0, layer);
        QCOMPARE(layer.annotations.count("tag"), std::size_t(1));
        QVERIFY(!f.editor->isDocumentChanged());
    }

    void editingTheTagRetitlesTheView()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        QSignalSpy saveEnable(f.editor.get(), &LayerManager::signalSaveEnable);
        answerNextDialog(QStringLiteral("Harbour"));
        f.editor->showEditTagSlot();
        QCOMPARE(f.editor->m_edit_group->title(), QString("File : /sketches/a.hlv Tag : \"Harbour\""));
        QCOMPARE(f.record->m_document->annotations["tag"], std::string("Harbour"));
        QVERIFY(f.editor->isDocumentChanged());
        QCOMPARE(saveEnable.size(), 1);
    }

    void leavingUnchecksEveryRow()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        f.editor->cleanBeforeClose();
        QCOMPARE(f.list().item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(f.list().item(1)->checkState(), Qt::Unchecked);
        // The list no longer drives the tools.
        f.select({0});
        QVERIFY(!f.editor->m_delete_layer_btn->isEnabled());
    }
};

QTEST_MAIN(LayerManagerTest)
#include "tst_layermanager.moc"
