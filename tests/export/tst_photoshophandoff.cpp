// The Photoshop hand-off: one picture per layer, the folder record and the
// loader script.

#include "ExportFormats.h"
#include "ExportTestSupport.h"
#include "GraphicsItemsGroup.h"
#include "PrivateFolder.h"

#include <QDesktopServices>
#include <QUrl>
#include <QtTest>

using namespace exporttest;

namespace {

// Three layers, each one short stroke at its own height.
SketchSpec threeLayers()
{
    return {{{{-200, -500, 800u}, {200, -500, 800u}}},
            {{{-200, 0, 800u}, {200, 0, 800u}}},
            {{{-200, 500, 800u}, {200, 500, 800u}}}};
}

QList<bool> paintedFlags(const DocumentGraphicModel& scene)
{
    QList<bool> flags;
    for (const GraphicsItemsGroup* group : scene.layerGroups())
        flags << group->isPainted();
    return flags;
}

// The files the desktop was asked to open, in place of their default applications.
class OpenedFiles : public QObject {
    Q_OBJECT

public:
    OpenedFiles() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler("file"); }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class tst_PhotoshopHandOff : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyLayerGetsItsOwnPicture();
    void sketchWithoutLayersStillOpensTheScript();
    void unwritableRecordStopsTheExport();
    void missingScriptIsReported();
    void scriptTheDesktopCannotOpenIsReported();
    void pictureThatCannotBeSavedIsReported();

private:
    QString handOffFolder() const { return env->handOffFolders().value(0); }
    QString script() const { return env->documents() + "/Adobe Scripts/pngloader.jsx"; }
    QString record() const { return QString::fromStdString(env->home.file("temppics.adob")); }

    std::unique_ptr<ExportEnvironment> env;
    std::unique_ptr<OpenedFiles> opened;
};

void tst_PhotoshopHandOff::init()
{
    env = std::make_unique<ExportEnvironment>();
    opened = std::make_unique<OpenedFiles>();
    QVERIFY(QDir().mkpath(env->documents() + "/Adobe Scripts"));
    QFile loader(script());
    QVERIFY(loader.open(QIODevice::WriteOnly));
}

void tst_PhotoshopHandOff::cleanup()
{
    opened.reset();
    env.reset();
}

void tst_PhotoshopHandOff::everyLayerGetsItsOwnPicture()
{
    const MetadataPtr sketch = makeSketch(threeLayers(), env->path("harbour.wpi"));
    DocumentGraphicModel& scene = *sketch->m_graphicModel.GetData();
    scene.setLayerPaintMode(1, false);
    const QRectF sceneRect = scene.sceneRect();

    QVERIFY(ExportFormats(env->services()).AdobePhotoshopExport(sketch));

    // The pictures lie in a folder closed to other users, inside the one
    // that goes when the program ends.
    QCOMPARE(env->handOffFolders().size(), 1);
    QCOMPARE(QFileInfo(handOffFolder()).absolutePath(), QString::fromStdString(Platform::handOffFilesFolder()));
    QCOMPARE(modeOf(handOffFolder()), 0700u);
    QCOMPARE(QDir(handOffFolder()).entryList(QDir::Files, QDir::Name),
             (QStringList{"1.png", "2.png", "3.png", "background.png"}));
    QCOMPARE(contentOf(record()), (QDir::toNativeSeparators(handOffFolder()) + "\n").toUtf8());

    const QImage background(handOffFolder() + "/background.png");
    QCOMPARE(background.size(), QSize(int(sceneRect.width()), int(sceneRect.height())));
    QCOMPARE(background.pixelColor(10, 10), QColor(Qt::white));
    // Picture n holds layer count - n alone, on a transparent ground.
    const double heights[] = {-500, 0, 500};
    for (int layer = 0; layer < 3; ++layer) {
        const QImage picture(handOffFolder() + "/" + QString::number(3 - layer) + ".png");
        QCOMPARE(picture.size(), background.size());
        for (int other = 0; other < 3; ++other) {
            const QPoint at((0 - sceneRect.x()), int(heights[other] - sceneRect.y()));
            const int alpha = picture.pixelColor(at).alpha();
            QVERIFY2(other == layer ? alpha > 200 : alpha == 0,
                     qPrintable(QStringLiteral("layer %1 at the height of %2: alpha %3")
                                    .arg(layer).arg(other).arg(alpha)));
        }
    }

    QCOMPARE(opened->urls, QList<QUrl>{QUrl::fromLocalFile(script())});
    QCOMPARE(paintedFlags(scene), (QList<bool>{true, false, true}));
    QVERIFY(scene.hasBackground());
    QCOMPARE(scene.sceneRect(), sceneRect);
    QVERIFY(env->prompt.requests.isEmpty());
}

void tst_PhotoshopHandOff::sketchWithoutLayersStillOpensTheScript()
{
    const MetadataPtr sketch = makeSketch({}, env->path("empty.wpi"));
    QVERIFY(ExportFormats(env->services()).AdobePhotoshopExport(sketch));
    QCOMPARE(QDir(handOffFolder()).entryList(QDir::Files), QStringList{"background.png"});
    QCOMPARE(opened->urls.size(), 1);
}

void tst_PhotoshopHandOff::unwritableRecordStopsTheExport()
{
    QVERIFY(QDir().mkdir(record())); // a folder where the record belongs
    const MetadataPtr sketch = makeSketch(threeLayers(), env->path("harbour.wpi"));
    QVERIFY(!ExportFormats(env->services()).AdobePhotoshopExport(sketch));

    QCOMPARE(env->prompt.texts(),
             QStringList{"The picture folder could not be recorded in " + record() + "."});
    QVERIFY(env->handOffFolders().isEmpty());
    QVERIFY(opened->urls.isEmpty());
    QCOMPARE(paintedFlags(*sketch->m_graphicModel.GetData()), (QList<bool>{true, true, true}));
}

void tst_PhotoshopHandOff::missingScriptIsReported()
{
    QVERIFY(QFile::remove(script()));
    const MetadataPtr sketch = makeSketch(threeLayers(), env->path("harbour.wpi"));
    QTest::ignoreMessage(QtCriticalMsg, "failed to launch JSX script");
    QVERIFY(!ExportFormats(env->services()).AdobePhotoshopExport(sketch));
    QCOMPARE(env->prompt.texts(),
             QStringList{"The Photoshop script " + script() + " could not be opened."});
    QVERIFY(opened->urls.isEmpty());
}

// This test platform has no default applications: without a handler the
// desktop services refuse to open the script.
void tst_PhotoshopHandOff::scriptTheDesktopCannotOpenIsReported()
{
    opened.reset();
    const MetadataPtr sketch = makeSketch(threeLayers(), env->path("harbour.wpi"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not support QPlatformServices::openDocument"));
    QTest::ignoreMessage(QtCriticalMsg, "failed to launch JSX script");
    QVERIFY(!ExportFormats(env->services()).AdobePhotoshopExport(sketch));
    QCOMPARE(env->prompt.texts(), QStringList{"The Photoshop script " + script() + " could not be opened."});
}

void tst_PhotoshopHandOff::pictureThatCannotBeSavedIsReported()
{
    // Without layers and paper the scene is empty: no picture can be made.
    const MetadataPtr sketch = makeSketch({}, env->path("empty.wpi"), false);
    QVERIFY(!ExportFormats(env->services()).AdobePhotoshopExport(sketch));
    QCOMPARE(env->prompt.texts(), QStringList{"The picture " + handOffFolder()
                                              + "/background.png could not be written."});
    QVERIFY(opened->urls.isEmpty());
}

QTEST_MAIN(tst_PhotoshopHandOff)
#include "tst_photoshophandoff.moc"
