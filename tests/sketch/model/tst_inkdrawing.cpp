// Sketches drawn straight from their ink, without a scene, must look exactly
// as their scenes look: the same area, and the same pixels in pressure
// outlines and in polylines, for WPI (turned by the receiver position) and
// InkML files; and the thumbnail picture must be the scene's quarter-size
// rendering.

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "DocumentSerializer.h"
#include "InkDrawing.h"
#include "InkMLDefinitions.h"
#include "PaintFormat.h"
#include "SketchTestSupport.h"
#include "ThumbnailPicture.h"

#include <QPixmap>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace sketchtest;

namespace {

// Two layers of wavy strokes whose pressure runs from none to far above the
// unit, a pen tap, and a stroke that doubles back on itself.
SketchSpec wavySketch()
{
    SketchSpec sketch(2);
    for (int s = 0; s < 12; ++s) {
        StrokeSpec stroke;
        for (int i = 0; i < 40; ++i) {
            const double t = i / 40.0;
            stroke.push_back({200.0 + 60 * s + 50 * t, 300.0 + 40 * s + 25 * std::sin(8 * t + s),
                              static_cast<unsigned int>(s * 400 * t)});
        }
        sketch[static_cast<std::size_t>(s % 2)].push_back(stroke);
    }
    sketch[1].push_back({{900.0, 200.0, 2048u}});
    sketch[0].push_back({{700.0, 900.0, 900u}, {800.0, 950.0, 900u}, {700.0, 1000.0, 900u}});
    return sketch;
}

// A loaded record of the sketch written as a file of the given kind, read
// with the receiver turned by `angle`.
MetadataPtr loadedAs(const SketchEnvironment& environment, const QString& kind, const QString& angle)
{
    SketchEnvironment::setAngle(angle);
    const std::string name = "wavy-" + angle.toStdString() + "." + kind.toStdString();
    const std::string path = environment.file(name);
    if (kind == "wpi") {
        wpiSketch(wavySketch()).writeTo(path);
    } else {
        Pelm::DefaultInkMLDefinitions definitions;
        if (!Pelm::DocumentWriter::writeToFile(path.c_str(), makeDocument(wavySketch()), definitions))
            return MetadataPtr();
    }
    MetadataPtr record(new DocumentMetaData(QString::fromStdString(path)));
    const bool loaded = record->loadDocumentFromFile();
    SketchEnvironment::setAngle(QStringLiteral("0"));
    return loaded ? record : MetadataPtr();
}

MetadataPtr fixtureRecord()
{
    MetadataPtr record(new DocumentMetaData(fixturePath("two-layers.inkml")));
    return record->loadDocumentFromFile() ? record : MetadataPtr();
}

std::unique_ptr<DocumentGraphicModel> sceneOf(DocumentMetaData& record, bool outline)
{
    Pelm::Document& document = *record.m_document.GetData();
    if (outline)
        return std::make_unique<DocumentGraphicModel>(document, record.m_paintFormat,
                                                      QRectF(0, 0, kPaperWidth, kPaperHeight));
    return std::make_unique<DocumentGraphicModel>(document, record.m_paintFormat);
}

// `area` at `scale` on white, clipped to the picture as a scene renders;
// paint draws with the transform from ink coordinates it is given.
template <typename Paint>
QImage pictureOf(const QRectF& area, double scale, Paint paint)
{
    QImage image(qCeil(area.width() * scale), qCeil(area.height() * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(QRectF(0, 0, area.width() * scale, area.height() * scale));
    paint(painter, QTransform().scale(scale, scale).translate(-area.left(), -area.top()));
    return image;
}

// The thumbnail as it was drawn from the loaded record's scene.
QImage sceneThumbnail(DocumentGraphicModel& scene)
{
    const QRectF source = scene.sceneRect();
    const double w = source.width() * kThumbnailScale;
    const double h = source.height() * kThumbnailScale;
    QPixmap picture(std::max(1, int(w)), std::max(1, int(h)));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    scene.render(&painter, QRectF(picture.rect()), source, Qt::KeepAspectRatio);
    if (scene.layerGroups().size() > 1)
        drawMultiPageSign(painter, QRectF(0, 0, w, h));
    painter.end();
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++count;
    return count;
}

int inkPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++count;
    return count;
}

} // namespace

class InkDrawingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SketchEnvironment> environment;

    MetadataPtr record(const QString& source)
    {
        if (source == "fixture")
            return fixtureRecord();
        const QStringList parts = source.split(' ');
        return loadedAs(*environment, parts[0], parts[1]);
    }

    static void addSketches()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("WPI") << "wpi 0";
        QTest::newRow("WPI turned by the receiver") << "wpi 90";
        QTest::newRow("WPI turned upside down") << "wpi 180";
        QTest::newRow("InkML") << "hlv 0";
        QTest::newRow("InkML fixture") << "fixture";
    }

private slots:
    void init() { environment = std::make_unique<SketchEnvironment>(); }
    void cleanup() { environment.reset(); }

    // Also when the drawings of all strokes, or of all but the first few, are
    // made again as they are painted.
    void drawnAsItsScene_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("outline");
        QTest::addColumn<qulonglong>("keptBytes");
        const QStringList sources{"wpi 0", "wpi 90", "hlv 0", "fixture"};
        for (const QString& source : sources)
            for (bool outline : {false, true})
                for (qulonglong kept : {qulonglong(InkDrawing::kKeepAll), qulonglong(0), qulonglong(10000)})
                    QTest::addRow("%s, %s, %llu bytes kept", qPrintable(source),
                                  outline ? "outlines" : "polylines", kept)
                        << source << outline << kept;
    }
    void drawnAsItsScene()
    {
        QFETCH(QString, source);
        QFETCH(bool, outline);
        QFETCH(qulonglong, keptBytes);
        const MetadataPtr loaded = record(source);
        QVERIFY(loaded.GetData());
        const auto scene = sceneOf(*loaded.GetData(), outline);
        const InkDrawing ink(*loaded->m_document.GetData(), loaded->m_paintFormat, outline,
                             static_cast<std::size_t>(keptBytes));
        QCOMPARE(ink.area(), scene->sceneRect());
        QCOMPARE(ink.layerCount(), static_cast<unsigned long>(scene->layerGroups().size()));

        for (double scale : {1.0, 0.25}) {
            const QRectF area = scene->sceneRect();
            const QImage fromScene = pictureOf(area, scale, [&](QPainter& painter, const QTransform&) {
                scene->render(&painter, painter.clipBoundingRect(), area, Qt::IgnoreAspectRatio);
            });
            const QImage fromInk = pictureOf(area, scale, [&](QPainter& painter, const QTransform& transform) {
                painter.setWorldTransform(transform);
                ink.paint(painter);
            });
            QVERIFY(inkPixels(fromScene) > 100);
            QCOMPARE(differingPixels(fromInk, fromScene), 0);

        }
    }

    void thumbnailIsTheSceneAtAQuarter_data() { addSketches(); }
    void thumbnailIsTheSceneAtAQuarter()
    {
        QFETCH(QString, source);
        const MetadataPtr loaded = record(source);
        QVERIFY(loaded.GetData());
        QVERIFY(loaded->buildScene());
        const QImage expected = sceneThumbnail(*loaded->m_graphicModel.GetData());
        const QImage drawn = drawThumbnail(*loaded->m_document.GetData(), loaded->m_paintFormat);
        QCOMPARE(drawn.size(), expected.size());
        QVERIFY(inkPixels(expected) > 100);
        QCOMPARE(differingPixels(drawn, expected), 0);
    }
};

QTEST_MAIN(InkDrawingTest)
#include "tst_inkdrawing.moc"
