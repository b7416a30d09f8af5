// The thumbnail list with its real loader: pages of a folder, what the
// pages strip and zoom slider are told, and records that must never become
// thumbnails (another page, another folder, an abandoned pass, a list that
// is gone).

#include "DocumentGraphicModel.h"
#include "ThumbnailPicture.h"
#include "ThumbsTestSupport.h"

#include <QPointer>
#include <QtTest>

#include <memory>
#include <set>

using namespace loadertest;
using namespace sketchtest;
using namespace thumbstest;

namespace {

using StripInfo = QList<QVariant>;

StripInfo stripInfo(uint first, uint end, uint total, bool reset)
{
    return {first, end, total, reset};
}

// A loaded record whose scene tells when the record is deleted.
struct WatchedRecord {
    explicit WatchedRecord(const QString& path) : record(new DocumentMetaData(path))
    {
        record->loadDataFile();
        scene = record->m_graphicModel.GetData();
    }
    DocumentMetaData* record;
    QPointer<QGraphicsScene> scene;
};

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// A loaded record of the file queued to the list as the loader queues it, index 0.
std::unique_ptr<WatchedRecord> postRecord(PreviewThumbnailList& list, const QString& path)
{
    auto queued = std::make_unique<WatchedRecord>(path);
    QMetaObject::invokeMethod(&list, "handle_fileDocumentMetaDataReady", Qt::QueuedConnection,
                              Q_ARG(DocumentMetaData*, queued->record), Q_ARG(uint, 0u));
    return queued;
}

} // namespace

class ThumbnailPagingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SketchEnvironment> environment;

private slots:
    void init() { environment = std::make_unique<SketchEnvironment>(); }
    void cleanup() { environment.reset(); }

    void folderLoadSetsUpPagesStrip_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QList<StripInfo>>("info");
        QTest::addColumn<QList<QVariant>>("visible");
        QTest::addColumn<int>("thumbnails");
        QTest::newRow("empty folder") << 0 << QList<StripInfo>{} << QList<QVariant>{false} << 0;
        QTest::newRow("one full page") << 50 << QList<StripInfo>{stripInfo(0, 0, 0, true)}
                                       << QList<QVariant>{false} << 50;
        QTest::newRow("two pages") << 51 << QList<StripInfo>{stripInfo(0, 50, 51, true)}
                                   << QList<QVariant>{true} << 50;
    }
    void folderLoadSetsUpPagesStrip()
    {
        QFETCH(int, files);
        QFETCH(QList<StripInfo>, info);
        QFETCH(QList<QVariant>, visible);
        QFETCH(int, thumbnails);
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", files, sketchOf(2, 5));
        folder.addText("notes.txt", "not a sketch");
        PreviewThumbnailList list;
        QSignalSpy infoSpy(&list, &PreviewThumbnailList::emitSetPagesStripInfo);
        QSignalSpy visibleSpy(&list, &PreviewThumbnailList::emitSetPagesStripVisible);
        QSignalSpy zoomSpy(&list, &PreviewThumbnailList::zoomSliderPosition);
        QSignalSpy firstSpy(&list, &QListWidget::currentItemChanged);

        if (files == 0) {
            list.previewEliFiles(folder.dir());
            QTest::qWait(100);
        } else {
            QVERIFY(showFolder(list, folder.dir()));
        }

        QCOMPARE(QList<StripInfo>(infoSpy.cbegin(), infoSpy.cend()), info);
        QCOMPARE(visibleSpy.count(), visible.size());
        QCOMPARE(visibleSpy.value(0).value(0), visible.value(0));
        // The folder's slider position, then the first thumbnail's cell height + 20.
        QCOMPARE(zoomSpy.count(), files == 0 ? 0 : 2);
        if (files > 0) {
            QCOMPARE(zoomSpy.at(0).at(0).toInt(), 270);
            QCOMPARE(zoomSpy.at(1).at(0).toInt(), 270);
            QCOMPARE(firstSpy.count(), 1);
            QCOMPARE(firstSpy.at(0).at(0).value<QListWidgetItem*>(), list.item(0));
            QCOMPARE(list.currentRow(), 0);
        }
        QCOMPARE(list.count(), thumbnails);
        QCOMPARE(sorted(thumbnailNames(list)), sorted(namesOf(folder.listing().mid(0, thumbnails))));
    }

    void pageChangeLoadsItsRangeOnly()
    {
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 120, sketchOf(1, 5));
        PreviewThumbnailList list;
        QVERIFY(showFolder(list, folder.dir()));
        QSignalSpy infoSpy(&list, &PreviewThumbnailList::emitSetPagesStripInfo);

        PageWait third(list);
        list.handlePageSelectionClick(3, 1);
        QVERIFY(third.done());
        QCOMPARE(infoSpy.count(), 1);
        QCOMPARE(infoSpy.at(0), stripInfo(100, 120, 120, false));
        QCOMPARE(sorted(thumbnailNames(list)), sorted(namesOf(folder.listing().mid(100))));

        // Page 0 and a page beyond the folder change nothing.
        list.handlePageSelectionClick(0, 3);
        list.handlePageSelectionClick(4, 3);
        QTest::qWait(100);
        QCOMPARE(infoSpy.count(), 1);
        QCOMPARE(list.count(), 20);
    }

    // Files that do not load still step the progress: the page's count of
    // steps is its count of files, so the progress bar completes.
    void unreadableFilesCountAsDone()
    {
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 60, sketchOf(1, 5));
        folder.addText("broken.wpi", "not a sketch");
        folder.addText("cut.hlv", "<ink><trace>1 2, 3");
        folder.addText("empty.inkml", "");
        PreviewThumbnailList list;
        QSignalSpy range(&list, &PreviewThumbnailList::setFilesProgressBarRangeSignal);
        QSignalSpy steps(&list, &PreviewThumbnailList::setFilesProgressBarValueSignal);
        QVERIFY(showFolder(list, folder.dir()));
        const QStringList firstPage = folder.listing().mid(0, 50);
        int unreadable = 0;
        for (const QString& path : firstPage)
            unreadable += path.contains("/s_") ? 0 : 1;

        QCOMPARE(range.last().at(0).toInt(), 50);
        QCOMPARE(steps.count(), 50);
        QCOMPARE(list.count(), 50 - unreadable);

        PageWait second(list);
        steps.clear();
        list.handlePageSelectionClick(2, 1);
        QVERIFY(second.done());
        QCOMPARE(range.last().at(0).toInt(), 13);
        QCOMPARE(steps.count(), 13);
    }

    // The loader hands the icon's picture over already scaled to the view's
    // icon size, as the icon would scale the picture itself, so the view
    // paints it without scaling it again.
    void iconsShowThePictureAtTheIconSize()
    {
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 2, sketchOf(400, 5));
        folder.addWpiFiles("t", 2, sketchOf(20, 5, 2));
        PreviewThumbnailList list;
        QVERIFY(showFolder(list, folder.dir()));
        QCOMPARE(list.count(), 4);
        for (int row = 0; row < list.count(); ++row) {
            auto* item = dynamic_cast<DocumentMetadataKeeper*>(list.item(row));
            QCOMPARE(item->icon().availableSizes(),
                     QList<QSize>{iconPictureSize(item->thumbnail().size(), list.iconSize())});
            const QImage shown = item->icon().pixmap(list.iconSize()).toImage();
            const QImage expected = QIcon(item->thumbnail()).pixmap(list.iconSize()).toImage();
            QCOMPARE(shown.size(), expected.size());
            QVERIFY(shown == expected);
        }
    }

    void zoomCarriesOverToTheNextPage()
    {
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 51, sketchOf(1, 5));
        PreviewThumbnailList list;
        QVERIFY(showFolder(list, folder.dir()));
        list.handleZoomSliderKeyEvent(300, Qt::SmoothTransformation);
        QSignalSpy zoomSpy(&list, &PreviewThumbnailList::zoomSliderPosition);

        PageWait second(list);
        list.handlePageSelectionClick(2, 1);
        QVERIFY(second.done());
        QCOMPARE(list.count(), 1);
        QCOMPARE(zoomSpy.count(), 1);
        QCOMPARE(zoomSpy.at(0).at(0).toInt(), 320);
        QCOMPARE(list.item(0)->sizeHint(), QSize(300, 300));
        QCOMPARE(list.iconSize(), QSize(280, 280));
    }

    // Records outside the page or of another folder are deleted on arrival.
    void arrivingRecordIsShownOnlyForThePageShown_data()
    {
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<uint>("index");
        QTest::addColumn<bool>("shown");
        QTest::newRow("in page and folder") << "f" << 1u << true;
        QTest::newRow("index beyond the page") << "f" << 50u << false;
        QTest::newRow("folder left meanwhile") << "other" << 1u << false;
    }
    void arrivingRecordIsShownOnlyForThePageShown()
    {
        QFETCH(QString, folderName);
        QFETCH(uint, index);
        QFETCH(bool, shown);
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 2, sketchOf(1, 5));
        SketchFolder other(*environment, "other");
        other.addWpi("late.wpi", sketchOf(1, 5));
        PreviewThumbnailList list;
        QVERIFY(showFolder(list, folder.dir()));
        list.clear();

        const QString path = folderName == "f" ? folder.filePath("s_001.wpi") : other.filePath("late.wpi");
        WatchedRecord late(path);
        QVERIFY(late.scene);
        list.handle_fileDocumentMetaDataReady(late.record, index);

        QCOMPARE(list.count(), shown ? 1 : 0);
        // Drawn or dropped, the loaded record is gone either way.
        QVERIFY(late.scene.isNull());
    }

    // Records an abandoned pass left in the queue never become thumbnails.
    void queuedRecordsOfAnAbandonedPassAreDropped()
    {
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 3, sketchOf(1, 5));
        PreviewThumbnailList list;
        QVERIFY(showFolder(list, folder.dir()));
        const auto queued = postRecord(list, folder.filePath("s_000.wpi"));

        PageWait again(list);
        list.reloadSameFolder(true);
        QVERIFY(queued->scene.isNull());
        QVERIFY(again.done());
        QTest::qWait(50);
        QCOMPARE(list.count(), 3);
    }

    void reloadWhileRecordsAreQueuedShowsEachSketchOnce()
    {
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 12, sketchOf(3, 10));
        PreviewThumbnailList list;
        list.previewEliFiles(folder.dir());
        // The loader reads and posts while the GUI thread does not take events.
        QTest::qSleep(300);
        list.reloadSameFolder(true);
        // The abandoned pass may still report its end: wait for the sketches
        // themselves, then give a late duplicate time to show up.
        QTRY_COMPARE_WITH_TIMEOUT(list.count(), 12, 20000);
        QTest::qWait(200);

        const QStringList names = thumbnailNames(list);
        QCOMPARE(names.size(), 12);
        QCOMPARE(std::set<QString>(names.cbegin(), names.cend()).size(), std::size_t(12));
    }

    void recordsQueuedAtDestructionAreDeleted()
    {
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 2, sketchOf(1, 5));
        auto list = std::make_unique<PreviewThumbnailList>();
        QVERIFY(showFolder(*list, folder.dir()));
        const auto queued = postRecord(*list, folder.filePath("s_000.wpi"));

        list.reset();
        QVERIFY(queued->scene.isNull());
    }

    void sameFolderIsNotLoadedAgain()
    {
        SketchFolder folder(*environment, "f");
        folder.addWpiFiles("s", 2, sketchOf(1, 5));
        PreviewThumbnailList list;
        QVERIFY(showFolder(list, folder.dir()));
        QSignalSpy visibleSpy(&list, &PreviewThumbnailList::emitSetPagesStripVisible);
        list.previewEliFiles(QDir(folder.path() + "/."));
        QCOMPARE(visibleSpy.count(), 0);
        QCOMPARE(list.count(), 2);
    }
};

QTEST_MAIN(ThumbnailPagingTest)
#include "tst_thumbnailpaging.moc"
