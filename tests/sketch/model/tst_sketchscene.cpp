// How a sketch looks: scenes rendered offscreen and checked at the points
// where strokes lie.

#include "DocumentGraphicModel.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"
#include "PaintFormat.h"
#include "SketchTestSupport.h"

#include <QtTest>

#include <memory>

using namespace sketchtest;

namespace {

const QRectF kPaper(-400, -300, 800, 600);

// Layer 0: a horizontal stroke from x -300 to 300 at y -200 whose pressure
// rises from 256 to 4096. Layer 1: a vertical bar at x 100 from y 0 to 200.
// Layer 2: a pen tap at (-200, 150), a stroke without points, and a stroke at
// y 250 from x 200 to 350 whose pressure arrived as a wrapped negative value.
SketchSpec fixtureSketch()
{
    StrokeSpec ramp;
    for (int i = 0; i <= 60; ++i)
        ramp.push_back({-300.0 + 10 * i, -200.0, 256u + 64u * i});
    StrokeSpec bar;
    for (int i = 0; i <= 20; ++i)
        bar.push_back({100.0, 10.0 * i, 1024u});
    StrokeSpec wrapped;
    for (int i = 0; i <= 15; ++i)
        wrapped.push_back({200.0 + 10 * i, 250.0, 0xFFFF8000u});
    return {{ramp}, {bar}, {{{-200.0, 150.0, 0u}}, {}, wrapped}};
}

std::unique_ptr<DocumentGraphicModel> fixtureScene(bool outline)
{
    Pelm::Document document = makeDocument(fixtureSketch());
    auto scene = outline ? std::make_unique<DocumentGraphicModel>(document, PaintFormat(), kPaper)
                         : std::make_unique<DocumentGraphicModel>(document, PaintFormat());
    scene->showBackground(true, false);
    return scene;
}

GraphicsInkPathItem* strokeItem(DocumentGraphicModel& scene, int layer, int stroke)
{
    return qgraphicsitem_cast<GraphicsInkPathItem*>(scene.layerGroups()[layer]->strokes()[stroke]);
}

PaintFormat pen(const QColor& color)
{
    PaintFormat format;
    format.setPenColor(color);
    return format;
}

} // namespace

class SketchSceneTest : public QObject {
    Q_OBJECT

private:
    SketchEnvironment environment;

private slots:
    void inkLiesOnThePaperInTheConfiguredPen_data()
    {
        QTest::addColumn<bool>("outline");
        QTest::newRow("pressure outline") << true;
        QTest::newRow("polyline") << false;
    }

    void inkLiesOnThePaperInTheConfiguredPen()
    {
        QFETCH(bool, outline);
        auto scene = fixtureScene(outline);
        const Rendering picture(*scene, kPaper);

        QVERIFY(picture.isPaper(-350, 250));
        QVERIFY(picture.isPaper(-380, -280));
        QVERIFY(picture.isColour(0, -200, configuredInk()));
        QVERIFY(picture.isColour(100, 100, configuredInk()));
        // A pen tap stays visible as a dot.
        QVERIFY(picture.isColour(-200, 150, configuredInk()));
        // A wrapped pressure draws a stroke of the pen's width, not a sheet of ink.
        QVERIFY(picture.isColour(275, 250, configuredInk()));
        QVERIFY(picture.isPaper(275, 230));
        QVERIFY(picture.isPaper(275, 270));
    }

    void outlineThickensWithPressure()
    {
        auto scene = fixtureScene(true);
        const Rendering picture(*scene, kPaper);

        const int light = picture.inkHeight(-250, -200, 30, configuredInk());
        const int heavy = picture.inkHeight(250, -200, 30, configuredInk());
        QVERIFY2(light >= 1, qPrintable(QString::number(light)));
        QVERIFY2(heavy >= 3 * light, qPrintable(QStringLiteral("%1 %2").arg(light).arg(heavy)));
        // Capped: four times the pen's width on either side at most.
        QVERIFY2(heavy <= 2 * 4 * 3 + 3, qPrintable(QString::number(heavy)));
    }

    void hiddenLayerIsNotDrawn()
    {
        auto scene = fixtureScene(true);
        QVERIFY(scene->setLayerPaintMode(1, false));
        const Rendering picture(*scene, kPaper);

        QVERIFY(picture.isPaper(100, 100));
        QVERIFY(picture.isColour(0, -200, configuredInk()));
    }

    void paintRotationTurnsTheInkByNinetyDegrees()
    {
        auto scene = fixtureScene(true);
        scene->setPaintRotation(90);
        const Rendering picture(*scene, kPaper);

        // (x, y) is drawn at (-y, x).
        QVERIFY(picture.isColour(-100, 100, configuredInk()));
        QVERIFY(picture.isColour(200, 0, configuredInk()));
        QVERIFY(picture.isColour(200, -250, configuredInk()));
        QVERIFY(picture.isPaper(100, 100));
        QVERIFY(picture.isPaper(0, -200));
    }

    void penFollowsTheDrawMode_data()
    {
        QTest::addColumn<bool>("outline");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QColor>("expected");
        for (bool outline : {true, false}) {
            const char* kind = outline ? "outline" : "polyline";
            QTest::addRow("%s, layer pen", kind) << outline << int(GraphicsItemsGroup::LayerPenMode)
                                                 << QColor(Qt::blue);
            QTest::addRow("%s, stroke pen", kind) << outline << int(GraphicsItemsGroup::StrokePenMode)
                                                  << QColor(Qt::green);
        }
    }

    void penFollowsTheDrawMode()
    {
        QFETCH(bool, outline);
        QFETCH(int, mode);
        QFETCH(QColor, expected);
        auto scene = fixtureScene(outline);
        QVERIFY(scene->ShowLayer(1, pen(Qt::blue)));
        strokeItem(*scene, 1, 0)->setPenColor(Qt::green);
        scene->layerGroups()[1]->setDrawMode(GraphicsItemsGroup::DrawStrokeMode(mode));
        const Rendering picture(*scene, kPaper);

        QVERIFY(picture.isColour(100, 100, expected));
        QVERIFY(picture.isColour(0, -200, configuredInk()));
    }

    void withoutPaperTheGroundStaysClear()
    {
        auto scene = fixtureScene(true);
        scene->showBackground(false, false);
        const Rendering picture(*scene, kPaper);

        QVERIFY(picture.isEmpty(-350, 250));
        QVERIFY(picture.isColour(0, -200, configuredInk()));
    }

    void boundsCoverTheWholeOutline()
    {
        auto scene = fixtureScene(true);
        GraphicsInkPathItem* ramp = strokeItem(*scene, 0, 0);
        const QRectF outline = ramp->outlinePolygon().boundingRect();
        // The heavy end reaches well beyond the stroke's own points.
        QVERIFY(outline.top() < -210);
        QVERIFY(ramp->boundingRect().contains(outline));

        ramp->addPaintRotation(90);
        QVERIFY(ramp->boundingRect().contains(QTransform().rotate(90).mapRect(outline)));
    }

    void strokeWithoutPointsClaimsNoArea()
    {
        auto scene = fixtureScene(true);
        QVERIFY(strokeItem(*scene, 2, 1)->boundingRect().isEmpty());
    }

    void shiftIsPaintedInWholeUnits()
    {
        auto scene = fixtureScene(true);
        GraphicsInkPathItem* bar = strokeItem(*scene, 1, 0);
        QImage image(10, 10, QImage::Format_ARGB32);
        QPainter painter(&image);
        QVERIFY(!bar->adjustPainter(&painter));

        scene->setPaintShift(10.9f, -3.7f);
        QVERIFY(bar->adjustPainter(&painter));
        QCOMPARE(painter.transform(), QTransform::fromTranslate(10, -3));
    }
};

QTEST_MAIN(SketchSceneTest)
#include "tst_sketchscene.moc"
