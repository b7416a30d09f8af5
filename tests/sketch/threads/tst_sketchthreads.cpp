// Records read on worker threads and drawn on the GUI thread, as the
// background loader uses them.

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "MetadataPtr.h"
#include "SketchTestSupport.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace sketchtest;

namespace {

SketchSpec longSketch(int strokes, int pointsEach)
{
    LayerSpec layer;
    for (int s = 0; s < strokes; ++s) {
        StrokeSpec stroke;
        for (int i = 0; i < pointsEach; ++i)
            stroke.push_back({100.0 + i, 100.0 + s % 2000, 1024u});
        layer.push_back(stroke);
    }
    return {layer, layer};
}

} // namespace

class SketchThreadsTest : public QObject {
    Q_OBJECT

private:
    SketchEnvironment environment;

    QStringList sketchFiles()
    {
        wpiSketch(longSketch(3, 4)).writeTo(environment.file("one.wpi"));
        wpiSketch(longSketch(5, 4)).writeTo(environment.file("two.ELI"));
        QFile::copy(fixturePath("two-layers.inkml"), environment.path("three.hlv"));
        return {environment.path("one.wpi"), environment.path("two.ELI"), environment.path("three.hlv")};
    }

private slots:
    void init() { SketchEnvironment::setAngle(QStringLiteral("90")); }

    void workerReadsAndTheGuiThreadDraws()
    {
        const QStringList files = sketchFiles();
        std::vector<MetadataPtr> arrived;
        std::thread worker([&files, &arrived] {
            for (const QString& path : files) {
                auto* record = new DocumentMetaData(path);
                if (!record->loadDocumentFromFile() || record->m_graphicModel.GetData()) {
                    delete record;
                    continue;
                }
                QMetaObject::invokeMethod(
                    qApp, [record, &arrived] { arrived.push_back(MetadataPtr(record)); },
                    Qt::QueuedConnection);
            }
        });
        worker.join();
        QTRY_COMPARE(arrived.size(), std::size_t(files.size()));

        for (MetadataPtr& record : arrived) {
            QVERIFY(record->buildScene());
            QCOMPARE(record->m_graphicModel->layerGroups().size(), 2);
        }
        QVERIFY(!environment.prompt.askedOffGuiThread);
    }

    void abortFromTheGuiThreadWhileAWorkerReads()
    {
        wpiSketch(longSketch(400, 100)).writeTo(environment.file("long.wpi"));
        const QStringList files{environment.path("long.wpi"), sketchFiles().last()};
        for (const QString& path : files) {
            for (int round = 0; round < 5; ++round) {
                DocumentMetaData record(path);
                std::atomic<bool> done{false};
                bool loaded = false;
                std::thread worker([&] {
                    loaded = record.loadDocumentFromFile();
                    done = true;
                });
                while (!done)
                    record.abortLoadFromFile();
                worker.join();

                QVERIFY(!loaded || record.hasDocument());
                if (!record.hasDocument())
                    QVERIFY(!record.buildScene());
            }
        }
    }

    void lastReleaseOnAWorkerLeavesTheSceneToTheGuiThread()
    {
        MetadataPtr record(new DocumentMetaData(sketchFiles().first()));
        QVERIFY(record->loadDataFile());
        QThread* destroyedOn = nullptr;
        connect(record->m_graphicModel.GetData(), &QObject::destroyed, this,
                [&destroyedOn] { destroyedOn = QThread::currentThread(); }, Qt::DirectConnection);

        // The worker holds the last reference.
        auto* handedOver = new MetadataPtr(record);
        record.Release();
        std::thread worker([handedOver] { delete handedOver; });
        worker.join();
        QVERIFY(!destroyedOn);

        QTRY_VERIFY(destroyedOn);
        QCOMPARE(destroyedOn, QThread::currentThread());
    }
};

QTEST_MAIN(SketchThreadsTest)
#include "tst_sketchthreads.moc"
