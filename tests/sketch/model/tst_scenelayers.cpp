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
            QCOMPARE(group->strokeCount(), qsizetype(2));
            for (const QGraphicsItem* item : group->strokes())
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
        const QList<QGraphicsItem*> items = scene->layerGroups()[1]->strokes();
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
        QCOMPARE(scene->layerGroups()[1]->strokes(), items);
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
        const QList<QGraphicsItem*> items = scene->layerGroups()[0]->strokes();
        LayerGroupContainer container;
        for (int cycle = 0; cycle < 3; ++cycle) {
            QVERIFY(scene->RemoveLayer(0, container));
            QCOMPARE(container.m_items, items);
            QVERIFY(scene->InsertLayer(0, container));
        }
        QCOMPARE(scene->layerGroups()[0]->strokes(), items);
    }

    // Qt holds a layer's strokes in runs; each stroke still finds its layer's
    // pen and visibility, in the layer's order.
    void aLayerOfMoreStrokesThanOneRunHoldsAndPaintsThemAll()
    {
        constexpr int kSide = 50;
        LayerSpec layer;
        for (int i = 0; i < kSide * kSide; ++i) {
            const double x = 20.0 * (i % kSide) + 5, y = 20.0 * (i / kSide) + 5;
            layer.push_back({{x, y}, {x + 10, y + 10}});
        }
        Pelm::Document document = makeDocument({layer});
        DocumentGraphicModel scene(document, PaintFormat());
        GraphicsItemsGroup* group = scene.layerGroups().at(0);
        QCOMPARE(group->strokeCount(), qsizetype(kSide * kSide));
        const QList<QGraphicsItem*> strokes = group->strokes();
        for (int i = 0; i < strokes.size(); ++i) {
            QCOMPARE(GraphicsItemsGroup::ofStroke(*strokes[i]), group);
            QCOMPARE(strokes[i]->boundingRect().center().toPoint(),
                     QPoint(20 * (i % kSide) + 10, 20 * (i / kSide) + 10));
        }

        auto inkedCells = [&scene] {
            QImage image(kSide * 4, kSide * 4, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            scene.render(&painter, QRectF(image.rect()), QRectF(0, 0, 20.0 * kSide, 20.0 * kSide));
            painter.end();
            int cells = 0;
            for (int cy = 0; cy < kSide; ++cy)
                for (int cx = 0; cx < kSide; ++cx) {
                    bool inked = false;
                    for (int y = 4 * cy; y < 4 * cy + 4; ++y)
                        for (int x = 4 * cx; x < 4 * cx + 4; ++x)
                            inked = inked || image.pixel(x, y) != qRgb(255, 255, 255);
                    cells += inked;
                }
            return cells;
        };
        QCOMPARE(inkedCells(), kSide * kSide);
        QVERIFY(scene.setLayerPaintMode(0, false));
        QCOMPARE(inkedCells(), 0);

        GraphicsItemsGroup::removeStroke(strokes[7]);
        QCOMPARE(group->strokeCount(), qsizetype(kSide * kSide - 1));
        group->addStroke(strokes[7]);
        QCOMPARE(group->strokes().last(), strokes[7]);
        while (group->deleteLastItem()) {
        }
        QCOMPARE(group->strokeCount(), qsizetype(0));
        QCOMPARE(scene.items(), QList<QGraphicsItem*>({group}));
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
        QCOMPARE(asStroke(scene->layerGroups()[1]->strokes()[0])->paintRotation(), 90);
        QCOMPARE(scene->paintShift(), QPointF(1.5, -2.0));

        scene->showBackground(false, true);
        QCOMPARE(paperItems(*scene), 0);
        QCOMPARE(scene->paintRotation(), 0);
        QCOMPARE(asStroke(scene->layerGroups()[1]->strokes()[0])->paintRotation(), 0);
        QCOMPARE(asStroke(scene->layerGroups()[1]->strokes()[0])->paintShift(), QPointF());
    }
};

QTEST_MAIN(SceneLayersTest)
#include "tst_scenelayers.moc"
