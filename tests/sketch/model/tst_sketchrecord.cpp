// Sketch records: loading by suffix, the receiver-position correction,
// copies, merges and layers taken out and put back.

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "DocumentSerializer.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"
#include "InkMLDefinitions.h"
#include "LayerGroupContainer.h"
#include "SketchTestSupport.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

using namespace sketchtest;

namespace {

// Layer 0: one stroke; layer 1: two strokes. The first point lies at about
// (1000, 2000).
SketchSpec wpiFixture()
{
    return {{{{1000, 2000, 500u}, {1010, 2010, 600u}, {1020, 2020, 700u}}},
            {{{300, 400, 800u}, {310, 400, 800u}}, {{500, 600, 900u}}}};
}

const char* const kInkFixture = "two-layers.inkml";

Pelm::Point pointAt(const Pelm::Document& document, unsigned long layer, unsigned long stroke,
                    unsigned long point)
{
    Pelm::Layer l;
    Pelm::Stroke s;
    Pelm::Point p;
    if (!document.at(layer, l) || !l.at(stroke, s) || !s.at(point, p))
        qFatal("no such point");
    return p;
}

QPointF firstPoint(const DocumentMetaData& record)
{
    const Pelm::Point p = pointAt(*record.m_document.GetData(), 0, 0, 0);
    return QPointF(p.x.Get(), p.y.Get());
}

QPointF turned(const QPointF& p, double degrees)
{
    const double r = degrees * M_PI / 180.0;
    return QPointF(p.x() * std::cos(r) - p.y() * std::sin(r), p.x() * std::sin(r) + p.y() * std::cos(r));
}

bool near(const QPointF& a, const QPointF& b, double tolerance = 0.05)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QString describe(const QPointF& a, const QPointF& b)
{
    return QStringLiteral("(%1, %2) against (%3, %4)").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
}

QString layerTag(const DocumentMetaData& record, unsigned long index)
{
    Pelm::Layer layer;
    record.m_document->at(index, layer);
    return QString::fromStdString(layer.annotations["tag"]);
}

unsigned long strokeCount(const DocumentMetaData& record, unsigned long index)
{
    Pelm::Layer layer;
    record.m_document->at(index, layer);
    return layer.getSize();
}

int groupCount(const DocumentMetaData& record)
{
    return int(record.m_graphicModel->layerGroups().size());
}

QString wpiFile(const SketchEnvironment& environment, const std::string& name)
{
    wpiSketch(wpiFixture()).writeTo(environment.file(name));
    return environment.path(name);
}

QString inkFile(const SketchEnvironment& environment, const std::string& name)
{
    const QString path = environment.path(name);
    QFile::remove(path);
    QFile::copy(fixturePath(kInkFixture), path);
    return path;
}

// Makes a file in the environment and gives its path.
using FileMaker = std::function<QString(const SketchEnvironment&)>;

} // namespace

Q_DECLARE_METATYPE(FileMaker)

class SketchRecordTest : public QObject {
    Q_OBJECT

private:
    SketchEnvironment environment;

    // A loaded record of the WPI fixture or the InkML fixture.
    std::unique_ptr<DocumentMetaData> loaded(bool ink)
    {
        auto record = std::make_unique<DocumentMetaData>(ink ? inkFile(environment, "b.inkml")
                                                          : wpiFile(environment, "a.wpi"));
        if (!record->loadDataFile())
            qFatal("the fixture did not load");
        return record;
    }

private slots:
    void init() { SketchEnvironment::setAngle(QStringLiteral("0")); }

    void loadsByTheFileSuffix_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ink");
        QTest::addColumn<bool>("loads");
        QTest::newRow("wpi") << "s.wpi" << false << true;
        QTest::newRow("WPI") << "s.WPI" << false << true;
        QTest::newRow("eli") << "s.eli" << false << true;
        QTest::newRow("ELI") << "s.ELI" << false << true;
        QTest::newRow("Wpi is neither") << "s.Wpi" << false << false;
        QTest::newRow("inkml") << "s.inkml" << true << true;
        QTest::newRow("INKML") << "s.INKML" << true << true;
        QTest::newRow("hlv") << "s.hlv" << true << true;
        QTest::newRow("HLV") << "s.HLV" << true << true;
        QTest::newRow("Inkml is neither") << "s.Inkml" << true << false;
        QTest::newRow("only the last suffix counts") << "s.wpi.txt" << false << false;
        QTest::newRow("no suffix") << "wpi" << false << false;
        QTest::newRow("WPI content under an InkML suffix") << "s.hlv" << false << false;
    }

    void loadsByTheFileSuffix()
    {
        QFETCH(QString, name);
        QFETCH(bool, ink);
        QFETCH(bool, loads);
        const std::string file = name.toStdString();
        DocumentMetaData record(ink ? inkFile(environment, file) : wpiFile(environment, file));

        QCOMPARE(record.loadDataFile(), loads);
        QCOMPARE(record.isLoaded(), loads);
        QCOMPARE(record.m_graphicModel.GetData() != nullptr, loads);
        QCOMPARE(record.m_inkDefinitions.GetData() != nullptr, loads && ink);
        if (loads) {
            QCOMPARE(record.m_document->getSize(), 2ul);
            QCOMPARE(groupCount(record), 2);
            QVERIFY(!record.m_graphicModel->isOutline());
        }
    }

    void failedLoadLeavesAnEmptyRecordThatIsSafeToUse_data()
    {
        QTest::addColumn<FileMaker>("makeFile");
        QTest::newRow("missing WPI file")
            << FileMaker([](const SketchEnvironment& e) { return e.path("gone.wpi"); });
        QTest::newRow("missing InkML file")
            << FileMaker([](const SketchEnvironment& e) { return e.path("gone.hlv"); });
        QTest::newRow("WPI file cut short") << FileMaker([](const SketchEnvironment& e) {
            testsupport::WpiBuilder().descriptor().penDown().point(10, 10).point(20, 20).truncate(3).writeTo(
                e.file("short.wpi"));
            return e.path("short.wpi");
        });
        QTest::newRow("InkML file that is not XML") << FileMaker([](const SketchEnvironment& e) {
            QFile file(e.path("bad.inkml"));
            file.open(QIODevice::WriteOnly);
            file.write("<ink><tracegroup>");
            return file.fileName();
        });
    }

    void failedLoadLeavesAnEmptyRecordThatIsSafeToUse()
    {
        QFETCH(FileMaker, makeFile);
        const QString path = makeFile(environment);
        DocumentMetaData record(path);
        QVERIFY(!record.loadDataFile());

        QVERIFY(!record.hasDocument());
        QVERIFY(!record.m_graphicModel.GetData());
        QVERIFY(!record.m_inkDefinitions.GetData());
        QVERIFY(!record.buildScene());

        const DocumentMetaData copy(record, true);
        QVERIFY(!copy.hasDocument());
        QVERIFY(!copy.m_graphicModel.GetData());
        const std::unique_ptr<DocumentMetaData> other = loaded(false);
        QVERIFY(!record.appendDocument(*other));
        QVERIFY(!other->appendDocument(record));
        QCOMPARE(record.doAdjustmentShift(), QRectF(-1050, -1485, 2100, 2970));
        record.undoAdjustmentShift();
        Pelm::Layer layer;
        LayerGroupContainer container;
        QVERIFY(!record.deleteLayer(0, layer, container));
        QVERIFY(!record.addLayer(0, layer, container));
        record.abortLoadFromFile();
    }

    // A loaded record read again keeps what it holds unless the new read
    // succeeds.
    void reloadReplacesTheSketchOnlyWhenItReads_data()
    {
        QTest::addColumn<bool>("ink");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("WPI file gone") << false << "remove" << false;
        QTest::newRow("InkML file gone") << true << "remove" << false;
        QTest::newRow("WPI file damaged") << false << "damage" << false;
        QTest::newRow("InkML file damaged") << true << "damage" << false;
        QTest::newRow("unknown suffix") << true << "rename" << false;
        QTest::newRow("WPI file rewritten") << false << "rewrite" << true;
        QTest::newRow("InkML file rewritten") << true << "rewrite" << true;
    }

    void reloadReplacesTheSketchOnlyWhenItReads()
    {
        QFETCH(bool, ink);
        QFETCH(QString, change);
        QFETCH(bool, replaced);
        const std::unique_ptr<DocumentMetaData> record = loaded(ink);
        const Pelm::Document* document = record->m_document.GetData();
        const DocumentGraphicModel* scene = record->m_graphicModel.GetData();
        const Pelm::InkMLDefinitions* definitions = record->m_inkDefinitions.GetData();
        const QString path = record->m_filePath;
        QFile::remove(path);
        const std::string file = path.toStdString();
        if (change == "damage") {
            QFile text(path);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write(ink ? "<ink><tracegroup>" : "not a sketch at all");
        } else if (change == "rename") {
            QVERIFY(QFile::copy(fixturePath(kInkFixture), path + ".txt"));
            record->m_filePath = path + ".txt";
        } else if (change == "rewrite") {
            // One layer now, where the record holds two.
            const SketchSpec oneLayer{wpiFixture().front()};
            Pelm::DefaultInkMLDefinitions defaults;
            Pelm::Document document = makeDocument(oneLayer);
            if (ink)
                QVERIFY(Pelm::DocumentSerializer(document).Serialize(file.c_str(), defaults));
            else
                wpiSketch(oneLayer).writeTo(file);
        }

        QCOMPARE(record->loadDataFile(), replaced);

        QVERIFY(record->isLoaded());
        QCOMPARE(record->m_document->getSize(), replaced ? 1ul : 2ul);
        QCOMPARE(groupCount(*record), replaced ? 1 : 2);
        QCOMPARE(record->m_inkDefinitions.GetData() != nullptr, ink);
        if (!replaced) {
            QCOMPARE(record->m_document.GetData(), document);
            QCOMPARE(record->m_graphicModel.GetData(), scene);
            QCOMPARE(record->m_inkDefinitions.GetData(), definitions);
        }
    }

    void receiverPositionTurnsWpiSketches_data()
    {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QPointF>("shift");
        const QPointF none;
        // The positions the settings offer.
        QTest::newRow("upper middle, 0") << "0" << 0.0 << none;
        QTest::newRow("upper right, 45") << "45" << 45.0 << QPointF(874, 176);
        QTest::newRow("upper left, -45") << "-45" << -45.0 << QPointF(-874, 176);
        QTest::newRow("middle right, 90") << "90" << 90.0 << QPointF(1050, 1485);
        QTest::newRow("middle left, -90") << "-90" << -90.0 << QPointF(-1050, 1485);
        QTest::newRow("lower right, 135") << "135" << 135.0 << QPointF(874, 2794);
        QTest::newRow("lower left, -135") << "-135" << -135.0 << QPointF(-874, 2794);
        QTest::newRow("lower middle, 180") << "180" << 180.0 << QPointF(0, 2970);
        // Other angles are normalised into [-180, 180].
        QTest::newRow("-180") << "-180" << -180.0 << QPointF(0, 2970);
        QTest::newRow("450 is 90") << "450" << 90.0 << QPointF(1050, 1485);
        QTest::newRow("-270 is 90") << "-270" << 90.0 << QPointF(1050, 1485);
        QTest::newRow("+90 is 90") << "+90" << 90.0 << QPointF(1050, 1485);
        QTest::newRow("360 is none") << "360" << 0.0 << none;
        QTest::newRow("90.7 shifts as 90") << "90.7" << 90.7 << QPointF(1050, 1485);
        QTest::newRow("0.4") << "0.4" << 0.4 << QPointF(874, 176);
        QTest::newRow("1e10 is -80, at once") << "1e10" << -80.0 << QPointF(-874, 176);
        // Text that is not a finite number means no correction.
        QTest::newRow("inf") << "inf" << 0.0 << none;
        QTest::newRow("-inf") << "-inf" << 0.0 << none;
        QTest::newRow("nan") << "nan" << 0.0 << none;
        QTest::newRow("beyond single precision") << "1e40" << 0.0 << none;
        QTest::newRow("words") << "ninety" << 0.0 << none;
        QTest::newRow("empty") << "" << 0.0 << none;
        QTest::newRow("two signs") << "+-90" << 0.0 << none;
    }

    void receiverPositionTurnsWpiSketches()
    {
        QFETCH(QString, angle);
        QFETCH(double, degrees);
        QFETCH(QPointF, shift);
        const QPointF recorded = firstPoint(*loaded(false));

        SketchEnvironment::setAngle(angle);
        const QPointF corrected = firstPoint(*loaded(false));

        const QPointF expected = turned(recorded, degrees) + shift;
        QVERIFY2(near(corrected, expected), qPrintable(describe(corrected, expected)));
    }

    // A quarter turn of the scene is a quarter turn of the saved ink; with
    // reset the scene is drawn again from it, one group per layer.
    void savingTheSceneRotationTurnsTheDocument()
    {
        std::unique_ptr<DocumentMetaData> record = loaded(false);
        const QPointF recorded = firstPoint(*record);
        record->m_graphicModel->setPaintRotation(90);

        record->saveChanges2Doc(false);
        QVERIFY2(near(firstPoint(*record), turned(recorded, 90), 0.01),
                 qPrintable(describe(firstPoint(*record), turned(recorded, 90))));
        QCOMPARE(record->m_graphicModel->paintRotation(), 90);

        record->saveChanges2Doc(true);
        const QPointF twice = turned(recorded, 180);
        QVERIFY2(near(firstPoint(*record), twice, 0.01), qPrintable(describe(firstPoint(*record), twice)));
        QCOMPARE(record->m_graphicModel->paintRotation(), 0);
        QCOMPARE(groupCount(*record), int(record->m_document->getSize()));
    }

    void inkmlSketchIsNeverTurned()
    {
        SketchEnvironment::setAngle(QStringLiteral("90"));
        QCOMPARE(firstPoint(*loaded(true)), QPointF(1000, 2000));
    }

    void mergeTakesTheLayersOfThisThenOther()
    {
        std::unique_ptr<DocumentMetaData> a = loaded(false);
        std::unique_ptr<DocumentMetaData> b = loaded(true);
        std::unique_ptr<DocumentMetaData> merged(a->appendDocument(*b));
        QVERIFY(merged);
        a.reset();
        b.reset();

        QVERIFY(merged->isLoaded());
        QCOMPARE(merged->m_filePath, environment.path("a.wpi"));
        QCOMPARE(merged->m_document->getSize(), 4ul);
        QCOMPARE(strokeCount(*merged, 0), 1ul);
        QCOMPARE(strokeCount(*merged, 1), 2ul);
        QCOMPARE(layerTag(*merged, 2), QStringLiteral("Boats"));
        QCOMPARE(layerTag(*merged, 3), QStringLiteral("Gulls"));
        QCOMPARE(groupCount(*merged), 4);

        // b's definitions, with its context pointing at the merged brush.
        const Pelm::InkMLDefinitions& definitions = *merged->m_inkDefinitions.GetData();
        QCOMPARE(definitions.contexts.size(), std::size_t(1));
        QCOMPARE(definitions.contexts.front().brush.Get(), &definitions.brushes.front());
        QCOMPARE(definitions.contexts.front().traceFormat.Get(), &definitions.traceFormats.front());
    }

    void centredCopyIsMovedUpAndDrawnInOutlines()
    {
        std::unique_ptr<DocumentMetaData> source = loaded(false);
        source->m_graphicModel->setPaintRotation(90);
        const QPointF recorded = firstPoint(*source);

        DocumentMetaData centred(*source, true);
        QVERIFY(centred.m_centred);
        QCOMPARE(centred.m_adjustmentShift, QPointF(0, -1485));
        QCOMPARE(firstPoint(centred), recorded + QPointF(0, -1485));
        QCOMPARE(firstPoint(*source), recorded);
        const DocumentGraphicModel& scene = *centred.m_graphicModel.GetData();
        QVERIFY(scene.isOutline());
        QCOMPARE(scene.paperRectangle(), QRectF(-1050, -1485, 2100, 2970));
        QCOMPARE(scene.paintRotation(), 90);
        const auto* item = qgraphicsitem_cast<GraphicsInkPathItem*>(scene.layerGroups()[1]->strokes()[1]);
        QCOMPARE(item->paintRotation(), 90);

        centred.undoAdjustmentShift();
        QCOMPARE(firstPoint(centred), recorded);

        const DocumentMetaData plain(*source, false);
        QVERIFY(!plain.m_centred);
        QCOMPARE(firstPoint(plain), recorded);
        QVERIFY(!plain.m_graphicModel->isOutline());
        QCOMPARE(plain.m_graphicModel->paintRotation(), 0);
    }

    void copyHasDefinitionsOfItsOwn()
    {
        std::unique_ptr<DocumentMetaData> source = loaded(true);
        DocumentMetaData copy(*source, true);
        source.reset();

        const Pelm::InkMLDefinitions& definitions = *copy.m_inkDefinitions.GetData();
        QCOMPARE(definitions.brushes.size(), std::size_t(1));
        QCOMPARE(definitions.contexts.front().brush.Get(), &definitions.brushes.front());
    }

    void layerLeavesAndComesBack()
    {
        std::unique_ptr<DocumentMetaData> record = loaded(false);
        const QList<QGraphicsItem*> items = record->m_graphicModel->layerGroups()[1]->strokes();

        Pelm::Layer layer;
        LayerGroupContainer container;
        QVERIFY(record->deleteLayer(1, layer, container));
        QCOMPARE(layer.getSize(), 2ul);
        QCOMPARE(container.m_items, items);
        QCOMPARE(record->m_document->getSize(), 1ul);
        QCOMPARE(groupCount(*record), 1);

        QVERIFY(record->addLayer(0, layer, container));
        QCOMPARE(record->m_document->getSize(), 2ul);
        QCOMPARE(strokeCount(*record, 0), 2ul);
        QCOMPARE(record->m_graphicModel->layerGroups()[0]->strokes(), items);
    }

    void layerIndexesOutOfRangeChangeNothing()
    {
        std::unique_ptr<DocumentMetaData> record = loaded(false);
        Pelm::Layer layer;
        LayerGroupContainer container;
        for (int index : {-1, 2}) {
            QVERIFY(!record->deleteLayer(index, layer, container));
            QVERIFY(container.m_items.isEmpty());
        }
        QVERIFY(!record->addLayer(-1, layer, container));
        QVERIFY(!record->addLayer(3, layer, container));
        QCOMPARE(record->m_document->getSize(), 2ul);
        QCOMPARE(groupCount(*record), 2);
    }

    void layersStayWhenSceneAndDocumentDisagree()
    {
        std::unique_ptr<DocumentMetaData> record = loaded(false);
        Pelm::Layer layer;
        LayerGroupContainer taken;
        QVERIFY(record->m_graphicModel->RemoveLayer(0, taken));

        LayerGroupContainer container;
        QVERIFY(!record->deleteLayer(0, layer, container));
        QVERIFY(container.m_items.isEmpty());
        QVERIFY(!record->addLayer(0, layer, container));
        QCOMPARE(record->m_document->getSize(), 2ul);
        QCOMPARE(groupCount(*record), 1);
        qDeleteAll(taken.m_items);
    }

    void adjustmentShiftComesBackExactly()
    {
        std::unique_ptr<DocumentMetaData> record = loaded(false);
        const QPointF recorded = firstPoint(*record);
        record->undoAdjustmentShift();
        record->reapplyAdjustmentShift();
        QCOMPARE(firstPoint(*record), recorded);

        record->doAdjustmentShift();
        record->undoAdjustmentShift();
        QCOMPARE(firstPoint(*record), recorded);
        record->reapplyAdjustmentShift();
        QCOMPARE(firstPoint(*record), recorded + QPointF(0, -1485));
    }

    void anAbortBeforeTheLoadDoesNotStopIt()
    {
        DocumentMetaData record(wpiFile(environment, "a.wpi"));
        record.abortLoadFromFile();
        QVERIFY(record.loadDataFile());
        QVERIFY(record.m_graphicModel.GetData());
    }
};

QTEST_MAIN(SketchRecordTest)
#include "tst_sketchrecord.moc"
