// Ink files of a sketch and their hand-off to Illustrator and SketchBook.

#include "DocumentSerializer.h"
#include "ExportFormats.h"
#include "ExportTestSupport.h"
#include "InkMLDefinitions.h"

#include <QtTest>

using namespace exporttest;

namespace {

using EntryPoint = bool (ExportFormats::*)(MetadataPtr);

QPointF firstPointOf(const Pelm::Document& document)
{
    Pelm::Layer layer;
    Pelm::Stroke stroke;
    Pelm::Point point;
    if (!document.at(0, layer) || !layer.at(0, stroke) || !stroke.at(0, point))
        return QPointF(qQNaN(), qQNaN());
    return QPointF(point.x.Get(), point.y.Get());
}

QPointF firstPointInFile(const QString& path)
{
    Pelm::Document document;
    Pelm::InkMLDefinitions definitions;
    Pelm::DocumentSerializer reader(document);
    if (!reader.DeSerialize(path.toUtf8().constData(), definitions))
        return QPointF(qQNaN(), qQNaN());
    return firstPointOf(document);
}

// An application bundle below `applications` whose Info.plist names the
// program `executable` (none when empty), described as the probe would.
ApplicationDescriptor application(const QString& applications, const QString& name, const QString& bundle,
                                  const QString& executable)
{
    const QString path = applications + "/" + bundle;
    QDir().mkpath(path + "/Contents");
    QFile plist(path + "/Contents/Info.plist");
    if (plist.open(QIODevice::WriteOnly)) {
        plist.write("<plist version=\"1.0\"><dict>");
        if (!executable.isEmpty())
            plist.write("<key>CFBundleExecutable</key><string>" + executable.toUtf8() + "</string>");
        plist.write("</dict></plist>");
    }
    ApplicationDescriptor descriptor;
    descriptor.bundleName = name;
    descriptor.version = "1.0";
    descriptor.bundlePath = path;
    return descriptor;
}

} // namespace

Q_DECLARE_METATYPE(EntryPoint)

class tst_InkHandOffs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void targetGetsTheInkSuffix_data();
    void targetGetsTheInkSuffix();
    void writtenSketchIsTurnedThenMovedBack();
    void definitionsOfTheSketchAreKept();
    void unwritableSketchesAreReported();
    void handOffStartsTheLastMatchingApplication_data();
    void handOffStartsTheLastMatchingApplication();
    void handOffWithoutApplicationStartsNothing();
    void handOffWithUnwrittenFileStartsNothing();
    void applicationThatCannotStartIsReported();
    void handOffFoldersArePrivateAndDifferWithinOneMillisecond();

private:
    QString applicationsFolder() const { return QString::fromStdString(env->systemRoot.file("Applications")); }

    std::unique_ptr<ExportEnvironment> env;
    MetadataPtr sketch;
};

void tst_InkHandOffs::init()
{
    env = std::make_unique<ExportEnvironment>();
    sketch = makeSketch({{{{1000, 0, 500u}, {1100, 0, 500u}}}}, env->path("s1.wpi"));
    const QString apps = applicationsFolder();
    env->applications = {
        application(apps, "Adobe Photoshop CS6", "Adobe Photoshop CS6/Adobe Photoshop CS6.app", "Adobe Photoshop CS6"),
        application(apps, "Adobe Illustrator", "Adobe Illustrator CS6/Adobe Illustrator.app", "Adobe Illustrator"),
        application(apps, "SketchBookPro", "SketchBook Pro.app", "SketchBookPro"),
        application(apps, "SketchBookDesigner", "SketchBook Designer.app", "SketchBookDesigner"),
        application(apps, "SketchBook Pro 6", "SketchBookPro6.app", "SketchBookPro")};
}

void tst_InkHandOffs::cleanup()
{
    sketch = MetadataPtr();
    env.reset();
}

void tst_InkHandOffs::targetGetsTheInkSuffix_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("written");
    QTest::newRow("hlv") << "x.hlv" << "x.hlv";
    QTest::newRow("HLV") << "x.HLV" << "x.HLV";
    QTest::newRow("Hlv") << "x.Hlv" << "x.Hlv.hlv";
    QTest::newRow("inkml") << "x.inkml" << "x.inkml.hlv";
}

void tst_InkHandOffs::targetGetsTheInkSuffix()
{
    QFETCH(QString, target);
    QFETCH(QString, written);
    QString path = env->path(target.toStdString());
    QVERIFY(ExportFormats(env->services()).SaveMetaDataToFile(sketch, path));
    QCOMPARE(path, env->path(written.toStdString()));
    QCOMPARE(firstPointInFile(path), QPointF(1000, 0));
}

void tst_InkHandOffs::writtenSketchIsTurnedThenMovedBack()
{
    sketch->m_graphicModel->setPaintRotation(90);
    sketch->m_adjustmentShift = QPointF(10, 20);
    QString path = env->path("turned.hlv");
    QVERIFY(ExportFormats(env->services()).SaveMetaDataToFile(sketch, path));

    // (1000, 0) a quarter turn about the origin, then moved by (-10, -20).
    const QPointF written = firstPointInFile(path);
    QVERIFY2(std::abs(written.x() - -10) < 0.05 && std::abs(written.y() - 980) < 0.05,
             qPrintable(QStringLiteral("(%1, %2)").arg(written.x()).arg(written.y())));
    QCOMPARE(firstPointOf(*sketch->m_document.GetData()), QPointF(1000, 0));
}

void tst_InkHandOffs::definitionsOfTheSketchAreKept()
{
    const MetadataPtr inkSketch(new DocumentMetaData(fixturePath("two-layers.inkml")));
    QVERIFY(inkSketch->loadDataFile());
    QString own = env->path("own.hlv");
    QString defaults = env->path("defaults.hlv");
    ExportFormats exporter(env->services());
    QVERIFY(exporter.SaveMetaDataToFile(inkSketch, own));
    QVERIFY(exporter.SaveMetaDataToFile(sketch, defaults));

    QVERIFY(contentOf(own).contains("<brush id=\"pen\""));
    QVERIFY(!contentOf(defaults).contains("<brush"));
    QVERIFY(contentOf(defaults).contains("id=\"default-context\""));
}

void tst_InkHandOffs::unwritableSketchesAreReported()
{
    QString missingFolder = env->path("missing/x.hlv");
    QVERIFY(!ExportFormats(env->services()).SaveMetaDataToFile(sketch, missingFolder));
    QCOMPARE(env->prompt.texts(), QStringList{"The sketch could not be written to " + missingFolder + "."});

    env->prompt.clear();
    const MetadataPtr unnamed = makeSketch(oneStroke(), "a.w");
    QString path = env->path("unnamed.hlv");
    QVERIFY(!ExportFormats(env->services()).SaveMetaDataToFile(unnamed, path));
    QCOMPARE(env->prompt.texts(), QStringList{"The sketch has no file name and cannot be exported."});
    QVERIFY(!QFile::exists(path));
}

void tst_InkHandOffs::handOffStartsTheLastMatchingApplication_data()
{
    QTest::addColumn<EntryPoint>("entryPoint");
    QTest::addColumn<QString>("program"); // below the applications folder
    QTest::newRow("Illustrator") << &ExportFormats::AdobeIllustartorExport
                                 << "Adobe Illustrator CS6/Adobe Illustrator.app/Contents/MacOS/Adobe Illustrator";
    QTest::newRow("SketchBook Designer") << &ExportFormats::AliasSketchExport
                                         << "SketchBook Designer.app/Contents/MacOS/SketchBookDesigner";
    QTest::newRow("SketchBook Pro, the later of two") << &ExportFormats::SBPExport
                                                      << "SketchBookPro6.app/Contents/MacOS/SketchBookPro";
}

void tst_InkHandOffs::handOffStartsTheLastMatchingApplication()
{
    QFETCH(EntryPoint, entryPoint);
    QFETCH(QString, program);
    ExportFormats exporter(env->services());
    QVERIFY((exporter.*entryPoint)(sketch));

    const QStringList folders = env->handOffFolders();
    QCOMPARE(folders.size(), 1);
    const QString file = folders.front() + "/s1.wpi.hlv";
    QCOMPARE(firstPointInFile(file), QPointF(1000, 0));
    QCOMPARE(env->runner.calls().size(), 1u);
    const Platform::RecordingProcessRunner::Call& call = env->runner.calls().front();
    QVERIFY(call.detached);
    QCOMPARE(call.command.program, (applicationsFolder() + "/" + program).toStdString());
    QCOMPARE(call.command.arguments, std::vector<std::string>{file.toStdString()});
    QVERIFY(env->prompt.requests.isEmpty());
}

void tst_InkHandOffs::handOffWithoutApplicationStartsNothing()
{
    env->applications.clear();
    QVERIFY(!ExportFormats(env->services()).AdobeIllustartorExport(sketch));
    QVERIFY(env->runner.calls().empty());
    QCOMPARE(env->prompt.texts(), QStringList{"Adobe Illustrator is not installed."});
    QVERIFY(env->handOffFolders().isEmpty());
}

void tst_InkHandOffs::handOffWithUnwrittenFileStartsNothing()
{
    const MetadataPtr unnamed = makeSketch(oneStroke(), "a.w");
    QVERIFY(!ExportFormats(env->services()).SBPExport(unnamed));
    QVERIFY(env->runner.calls().empty());
    QCOMPARE(env->prompt.requests.size(), 1);
    QVERIFY(env->handOffFolders().isEmpty());
}

// A program that does not start, and a bundle that names none, are reported.
void tst_InkHandOffs::applicationThatCannotStartIsReported()
{
    env->runner.answer((applicationsFolder() + "/SketchBook Designer.app/Contents/MacOS/SketchBookDesigner").toStdString(),
                       Platform::ProcessResult{false, -1, ENOENT});
    QVERIFY(!ExportFormats(env->services()).AliasSketchExport(sketch));
    QCOMPARE(env->prompt.texts(), QStringList{"Autodesk SketchBook Designer could not be started."});

    env->prompt.clear();
    env->applications = {application(applicationsFolder(), "Adobe Illustrator", "Bare.app", QString())};
    QVERIFY(!ExportFormats(env->services()).AdobeIllustartorExport(sketch));
    QCOMPARE(env->prompt.texts(), QStringList{"Adobe Illustrator could not be started."});
    QCOMPARE(env->runner.calls().size(), 1u);
}

// Each hand-off has a folder of its own, closed to other users, whose name
// no one can guess; it stays in the temporary-files folder, since the
// application opens the file as its document and may read it again after
// the program has ended.
void tst_InkHandOffs::handOffFoldersArePrivateAndDifferWithinOneMillisecond()
{
    ExportFormats exporter(env->services());
    QVERIFY(exporter.AdobeIllustartorExport(sketch));
    QVERIFY(exporter.AdobeIllustartorExport(sketch));
    const QStringList folders = env->handOffFolders();
    QCOMPARE(folders.size(), 2);
    QCOMPARE(env->runner.calls().size(), 2u);
    QVERIFY(env->runner.calls()[0].command.arguments[0] != env->runner.calls()[1].command.arguments[0]);
    for (const QString& folder : folders) {
        QCOMPARE(QFileInfo(folder).absolutePath(), env->temporaryFolder());
        QVERIFY2(QFileInfo(folder).fileName().contains(QRegularExpression(QString("^%1-[A-Za-z0-9]{6}$").arg(kStamp))),
                 qPrintable(folder));
        QCOMPARE(modeOf(folder), 0700u);
        QVERIFY(QFile::exists(folder + "/s1.wpi.hlv"));
    }
}

QTEST_MAIN(tst_InkHandOffs)
#include "tst_inkhandoffs.moc"
