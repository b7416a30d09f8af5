// Taking layers out of a sketch scene and putting them back, and the
// operations addressed by layer index.

#include "BackgroundLayerPath.h"
#include "DocumentGraphicModel.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"
#include "LayerGroupContainer.h"
#include "PaintFormat.h"
#include "SketchTestSupport.h"

#include <QtTest>

#include <functional>
#include <memory>

using namespace sketchtest;

namespace {

const QRectF kPaper(-500, -500, 1000, 1000);

// `layers` layers of two strokes each.
std::unique_ptr<DocumentGraphicModel> sceneOfLayers(int layers)
{
    SketchSpec sketch;
    for (int l = 0; l < layers; ++l) {
        const double y = 100.0 * l;
        sketch.push_back({{{0, y}, {50, y}}, {{0, y + 20}, {50, y + 20}}});
    }
    Pelm::Document document = makeDocument(sketch);
    return std::make_unique<DocumentGraphicModel>(document, PaintFormat(), kPaper);
}

int paperItems(const QGraphicsScene& scene)
{
    int count = 0;
    for (const QGraphicsItem* item : scene.items())
        count += item->type() == BackgroundLayerPath::Type;
    return count;
}

QList<double> groupZValues(const DocumentGraphicModel& scene)
{
    QList<double> values;
    for (const GraphicsItemsGroup* group : scene.layerGroups())
        values << group->zValue();
    return values;
}

GraphicsInkPathItem* asStroke(QGraphicsItem* item) { return qgraphicsitem_cast<GraphicsInkPathItem*>(item); }

// An operation addressed by layer index; its result.
using LayerOperation = std::function<bool(DocumentGraphicModel&, int)>;

} // namespace

Q_DECLARE_METATYPE(LayerOperation)

class SceneLayersTest : public QObject {
    Q_OBJECT

private:
    SketchEnvironment environment;

private slots:
    void freshLayersAreStackedInOrder()
    {
        auto scene = sceneOfLayers(3);
        QCOMPARE(groupZValues(*scene), QList<double>({1, 101, 201}));
        for (const GraphicsItemsGroup* group : scene->layerGroups()) {
            QCOMPARE(group->childItems().size(), 2);
            for (const QGraphicsItem* item : group->childItems())
                QCOMPARE(item->zValue(), group->zValue());
        }
        scene->showBackground(true, false);
        scene->showBackground(true, false);
        QCOMPARE(paperItems(*scene), 1);
        QCOMPARE(scene->sceneRect(), kPaper);
    }

    void insertedLayerIsStackedBetweenItsNeighbours_data()
    {
        QTest::addColumn<int>("layers");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("z");
        QTest::addColumn<double>("paperZ");
        QTest::newRow("into an empty scene") << 0 << 0 << 1.0 << 0.5;
        QTest::newRow("below the only layer: paper goes lower") << 1 << 0 << 0.5 << 0.25;
        QTest::newRow("between 1 and 101") << 3 << 1 << 51.0 << 0.5;
        QTest::newRow("at the end, after 201") << 3 << 3 << 301.0 << 0.5;
    }

    void insertedLayerIsStackedBetweenItsNeighbours()
    {
        QFETCH(int, layers);
        QFETCH(int, index);
        QFETCH(double, z);
        QFETCH(double, paperZ);
        auto scene = sceneOfLayers(layers);
        scene->showBackground(true, false);

        QVERIFY(scene->InsertLayer(index, LayerGroupContainer()));
        QCOMPARE(scene->layerGroups().size(), layers + 1);
        QCOMPARE(scene->layerGroups()[index]->zValue(), z);
        QCOMPARE(scene->layerGroups()[index]->layerNumber(), index);
        for (const QGraphicsItem* item : scene->items())
            if (item->type() == BackgroundLayerPath::Type)
                QCOMPARE(item->zValue(), paperZ);
    }

    void outOfRangeIndexesChangeNothing_data()
    {
        using Operation = LayerOperation;
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<int>("index");
        const Operation operations[] = {
            [](DocumentGraphicModel& s, int i) { return s.InsertLayer(i, LayerGroupContainer()); },
            [](DocumentGraphicModel& s, int i) {
                LayerGroupContainer c;
                return s.RemoveLayer(i, c);
            },
            [](DocumentGraphicModel& s, int i) {
                LayerGroupContainer c;
                return s.getLayerContainer(i, c);
            },
            [](DocumentGraphicModel& s, int i) { return s.ShowLayer(i, PaintFormat()); },
            [](DocumentGraphicModel& s, int i) { return s.setLayerPaintMode(i, false); },
        };
        const char* names[] = {"InsertLayer", "RemoveLayer", "getLayerContainer", "ShowLayer",
                               "setLayerPaintMode"};
        for (int k = 0; k < 5; ++k) {
            QTest::addRow("%s below 0", names[k]) << operations[k] << -1;
            // InsertLayer may append at the count, not beyond it.
            QTest::addRow("%s beyond the layers", names[k]) << operations[k] << (k == 0 ? 3 : 2);
        }
    }

    void outOfRangeIndexesChangeNothing()
    {
        QFETCH(LayerOperation, operation);
        QFETCH(int, index);
        auto scene = sceneOfLayers(2);
        const QList<QGraphicsItem*> before = scene->items();

        QVERIFY(!operation(*scene, index));
        QCOMPARE(scene->items(), before);
        for (const GraphicsItemsGroup* group : scene->layerGroups())
            QVERIFY(group->isPainted());
    }

    void layerComesBackWithItsOwnItems()
    {
        auto scene = sceneOfLayers(3);
        const QList<QGraphicsItem*> items = scene->layerGroups()[1]->childItems();
        scene->setPaintRotation(45);
        scene->setPaintShift(5, 5);

        LayerGroupContainer container;
        QVERIFY(scene->RemoveLayer(1, container));
        QCOMPARE(scene->layerGroups().size(), 2);
        QCOMPARE(container.m_items, items);
        QCOMPARE(container.m_zValue, 101.0);
        QCOMPARE(container.m_layerIndex, 1);
        for (QGraphicsItem* item : items) {
            QVERIFY(!item->scene());
            QVERIFY(!item->parentItem());
            QCOMPARE(asStroke(item)->paintRotation(), 0);
            QCOMPARE(asStroke(item)->paintShift(), QPointF());
        }

        QVERIFY(scene->InsertLayer(1, container));
        QCOMPARE(scene->layerGroups()[1]->childItems(), items);
        for (QGraphicsItem* item : items) {
            QCOMPARE(item->scene(), scene.get());
            QCOMPARE(item->zValue(), 101.0);
            QCOMPARE(asStroke(item)->paintRotation(), 45);
            QCOMPARE(asStroke(item)->paintShift(), QPointF(5, 5));
            QCOMPARE(asStroke(item)->boundingRect().intersected(kPaper), kPaper);
        }
    }

    // An undo step keeps one container for every redo of a removal.
    void removingAgainDoesNotListItemsTwice()
    {
        auto scene = sceneOfLayers(2);
        const QList<QGraphicsItem*> items = scene->layerGroups()[0]->childItems();
        LayerGroupContainer container;
        for (int cycle = 0; cycle < 3; ++cycle) {
            QVERIFY(scene->RemoveLayer(0, container));
            QCOMPARE(container.m_items, items);
            QVERIFY(scene->InsertLayer(0, container));
        }
        QCOMPARE(scene->layerGroups()[0]->childItems(), items);
    }

    void allLayersAtOnce()
    {
        auto scene = sceneOfLayers(2);
        QVERIFY(scene->hideAllLayers());
        for (const GraphicsItemsGroup* group : scene->layerGroups())
            QVERIFY(!group->isPainted());
        QVERIFY(scene->showAllLayers());
        for (const GraphicsItemsGroup* group : scene->layerGroups())
            QVERIFY(group->isPainted());

        auto empty = sceneOfLayers(0);
        QVERIFY(!empty->showAllLayers());
        QVERIFY(!empty->hideAllLayers());
    }

    void transformationsAddUpAndReset()
    {
        auto scene = sceneOfLayers(2);
        scene->showBackground(true, false);
        scene->setPaintRotation(45);
        scene->setPaintRotation(45);
        scene->setPaintRotation(0);
        scene->setPaintShift(1.5f, -2.0f);
        QCOMPARE(scene->paintRotation(), 90);
        QCOMPARE(asStroke(scene->layerGroups()[1]->childItems()[0])->paintRotation(), 90);
        QCOMPARE(scene->paintShift(), QPointF(1.5, -2.0));

        scene->showBackground(false, true);
        QCOMPARE(paperItems(*scene), 0);
        QCOMPARE(scene->paintRotation(), 0);
        QCOMPARE(asStroke(scene->layerGroups()[1]->childItems()[0])->paintRotation(), 0);
        QCOMPARE(asStroke(scene->layerGroups()[1]->childItems()[0])->paintShift(), QPointF());
    }
};

QTEST_MAIN(SceneLayersTest)
#include "tst_scenelayers.moc"
