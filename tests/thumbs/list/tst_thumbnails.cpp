// Thumbnails drawn from loaded records, and what the list does with them:
// the first one of a page, tool tips, the page-corner sign, zoom, and the
// editor's next and previous sketch.

#include "Document.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetadataKeeper.h"
#include "ThumbnailListVisitor.h"
#include "ThumbsTestSupport.h"

#include <QtTest>

#include <memory>

using namespace loadertest;
using namespace sketchtest;
using namespace thumbstest;

class ThumbnailsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SketchEnvironment> environment;
    std::unique_ptr<SketchFolder> folder;

    // A thumbnail for each file, appended as the main window appends a saved sketch.
    void append(PreviewThumbnailList& list, const QStringList& names)
    {
        for (const QString& name : names) {
            const MetadataPtr record = loadedSketch(folder->filePath(name.toStdString()));
            QVERIFY(record.GetData());
            list.handle_fileDocumentMetaDataReady(record, uint(list.count()));
        }
    }

private slots:
    void init()
    {
        environment = std::make_unique<SketchEnvironment>();
        folder = std::make_unique<SketchFolder>(*environment, "f");
        // Sixteen rows of strokes: thumbnails of about 470 x 120 pixels.
        folder->addWpiFiles("s", 3, sketchOf(400, 5));
        folder->addWpi("layers.wpi", sketchOf(400, 5, 2));
    }
    void cleanup()
    {
        folder.reset();
        environment.reset();
    }

    void firstThumbnailBecomesCurrent()
    {
        PreviewThumbnailList list;
        QSignalSpy changed(&list, &QListWidget::currentItemChanged);
        QSignalSpy zoom(&list, &PreviewThumbnailList::zoomSliderPosition);
        append(list, {"s_000.wpi", "s_001.wpi"});

        QCOMPARE(list.count(), 2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QListWidgetItem*>(), list.item(0));
        QCOMPARE(changed.at(0).at(1).value<QListWidgetItem*>(), nullptr);
        QCOMPARE(zoom.count(), 1);
        QCOMPARE(zoom.at(0).at(0).toInt(), 270);
        QListWidgetItem* second = list.item(1);
        QCOMPARE(second->text(), QString("s_001.wpi"));
        QCOMPARE(second->sizeHint(), QSize(250, 250));
        QCOMPARE(second->background().color(), QColor(166, 173, 176, 255));
        QCOMPARE(second->data(Qt::UserRole).toString(), folder->filePath("s_001.wpi"));
        QCOMPARE(second->textAlignment(), int(Qt::AlignHCenter | Qt::AlignBottom));
        QCOMPARE(second->flags(), Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
                                      | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        QCOMPARE(second->toolTip(), "File : " + folder->filePath("s_001.wpi"));
    }

    void sketchAskedForBecomesCurrentOnArrival()
    {
        PreviewThumbnailList list;
        list.m_selectOnArrival = folder->filePath("s_002.wpi");
        append(list, {"s_000.wpi", "s_001.wpi", "s_002.wpi"});
        QCOMPARE(list.currentRow(), 2);
    }

    void taggedSketchNamesItsTag()
    {
        PreviewThumbnailList list;
        const MetadataPtr record = loadedSketch(folder->filePath("s_000.wpi"));
        record->m_document->annotations["tag"] = "Park bench";
        list.handle_fileDocumentMetaDataReady(record, 0);
        QCOMPARE(list.item(0)->toolTip(),
                 "File : " + folder->filePath("s_000.wpi") + "\nTag : \"Park bench\"");
    }

    // The turned-down corner marks sketches of more than one layer.
    void pageCornerSignOnlyWithLayers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("sign");
        QTest::newRow("one layer") << "s_000.wpi" << false;
        QTest::newRow("two layers") << "layers.wpi" << true;
    }
    void pageCornerSignOnlyWithLayers()
    {
        QFETCH(QString, name);
        QFETCH(bool, sign);
        PreviewThumbnailList list;
        append(list, {name});
        const QImage picture =
            dynamic_cast<DocumentMetadataKeeper*>(list.item(0))->thumbnail().toImage();
        QVERIFY(picture.width() > 60 && picture.height() > 60);
        const QColor corner = picture.pixelColor(picture.width() - 6, picture.height() - 6);
        QCOMPARE(corner, sign ? QColor(227, 227, 227) : QColor(Qt::white));
    }

    // A quarter of a sketch less than 4 units wide is still one pixel: a
    // vertical line drawn 1 wide claims 3 units.
    void narrowSketchStillGetsAThumbnail()
    {
        MetadataPtr record(new DocumentMetaData(folder->filePath("narrow.hlv")));
        record->m_document = DocumentMetaData::DocumentPtr(
            new Pelm::Document(makeDocument({{{{100.0, 100.0}, {100.0, 400.0}}}})));
        record->m_paintFormat.setWidth(1.0);
        PreviewThumbnailList list;
        list.handle_fileDocumentMetaDataReady(record, 0);
        QCOMPARE(list.count(), 1);
        const QPixmap& picture = dynamic_cast<DocumentMetadataKeeper*>(list.item(0))->thumbnail();
        QCOMPARE(picture.size(), QSize(1, 75));
    }

    void sceneWithoutAreaGivesNoThumbnail()
    {
        MetadataPtr record(new DocumentMetaData(folder->filePath("empty.hlv")));
        record->m_document = DocumentMetaData::DocumentPtr(new Pelm::Document);
        record->m_document->loaded.Set(true);
        QVERIFY(record->buildScene());
        PreviewThumbnailList list;
        QSignalSpy progress(&list, &PreviewThumbnailList::setFilesProgressBarValueSignal);
        list.handle_fileDocumentMetaDataReady(record, 0);
        QCOMPARE(list.count(), 0);
        QCOMPARE(progress.count(), 1);
    }

    // Small slider moves do nothing; every zoom rescales the picture as drawn.
    void zoomRescalesThumbnails()
    {
        PreviewThumbnailList list;
        append(list, {"s_000.wpi", "s_001.wpi"});
        const QSize drawn = dynamic_cast<DocumentMetadataKeeper*>(list.item(1))->thumbnail().size();

        list.sliderMovedSlot(3);
        QCOMPARE(list.iconSize(), QSize(230, 230));
        list.sliderMovedSlot(100);
        QCOMPARE(list.iconSize(), QSize(80, 80));
        QCOMPARE(list.item(1)->sizeHint(), QSize(100, 100));
        list.sliderMovedSlot(103);
        QCOMPARE(list.iconSize(), QSize(80, 80));
        list.handleZoomSliderKeyEvent(400, Qt::SmoothTransformation);
        QCOMPARE(list.iconSize(), QSize(380, 380));
        QCOMPARE(list.item(1)->sizeHint(), QSize(400, 400));
        const QSize shown = list.item(1)->icon().availableSizes().value(0);
        QCOMPARE(shown, drawn.scaled(400, 400, Qt::KeepAspectRatio));
    }

    void selectItemByNameFindsExactPath()
    {
        PreviewThumbnailList list;
        QVERIFY(!list.selectItemByName(folder->filePath("s_002.wpi")));
        append(list, {"s_000.wpi", "s_001.wpi", "s_002.wpi"});
        QVERIFY(list.selectItemByName(folder->filePath("s_002.wpi")));
        QCOMPARE(list.currentRow(), 2);
        QVERIFY(!list.selectItemByName(folder->path() + "/S_002.wpi"));
        QCOMPARE(list.currentRow(), 2);
    }

    void navigationStepsAndReportsTheEnds()
    {
        PreviewThumbnailList list;
        append(list, {"s_000.wpi", "s_001.wpi", "s_002.wpi"});
        QSignalSpy opened(&list, &PreviewThumbnailList::thumbnailSelectedEx);
        QSignalSpy forward(&list, &PreviewThumbnailList::canEnableForwardButton);
        QSignalSpy back(&list, &PreviewThumbnailList::canEnableBackButton);
        QSignalSpy asked(&list, &PreviewThumbnailList::checkIfSaveNeeded);
        const auto openedPath = [&] {
            return opened.takeLast().at(0).value<MetadataPtr>()->m_filePath;
        };

        list.navigateForward();
        QCOMPARE(openedPath(), folder->filePath("s_001.wpi"));
        QCOMPARE(forward.count(), 0);
        list.navigateForward();
        QCOMPARE(openedPath(), folder->filePath("s_002.wpi"));
        QCOMPARE(forward.count(), 1);
        QCOMPARE(forward.at(0).at(0).toBool(), false);
        list.navigateBackward();
        list.navigateBackward();
        QCOMPARE(openedPath(), folder->filePath("s_000.wpi"));
        QCOMPARE(back.count(), 1);
        QCOMPARE(back.at(0).at(0).toBool(), false);
        QCOMPARE(asked.count(), 4);

        opened.clear();
        // The user cancelled the save question: nothing moves, the flag is cleared.
        connect(&list, &PreviewThumbnailList::checkIfSaveNeeded, &list,
                [&list] { list.m_navigationCancelled = true; });
        list.navigateForward();
        QCOMPARE(list.currentRow(), 0);
        QCOMPARE(opened.count(), 0);
        QVERIFY(!list.m_navigationCancelled);
    }

    // While the editor is shown, a thumbnail arriving after the last one
    // enables its Next button again.
    void arrivalBehindTheLastEnablesForward()
    {
        PreviewThumbnailList list;
        QSignalSpy forward(&list, &PreviewThumbnailList::canEnableForwardButton);
        append(list, {"s_000.wpi"});
        QCOMPARE(forward.count(), 0);
        append(list, {"s_001.wpi"});
        QCOMPARE(forward.count(), 1);
        QCOMPARE(forward.at(0).at(0).toBool(), true);
    }

    // The list reads no sketch to open it (its receiver reads it off the
    // GUI thread), and a sketch read for a command is a record of its own:
    // the thumbnail keeps holding no ink.
    void thumbnailsHoldNoInk()
    {
        PreviewThumbnailList list;
        append(list, {"s_000.wpi"});
        const auto* keeper = dynamic_cast<DocumentMetadataKeeper*>(list.item(0));
        QVERIFY(keeper);
        QVERIFY(list.getCurrentFileMetadata()->isLoaded());
        QVERIFY(!keeper->metadata()->hasDocument());

        QSignalSpy opened(&list, &PreviewThumbnailList::thumbnailSelectedEx);
        list.selectThumbnail();
        QCOMPARE(opened.count(), 1);
        const MetadataPtr record = opened.takeFirst().at(0).value<MetadataPtr>();
        QCOMPARE(record->m_filePath, folder->filePath("s_000.wpi"));
        QVERIFY(!record->hasDocument());

        QVERIFY(QFile::remove(folder->filePath("s_000.wpi")));
        QVERIFY(!list.getCurrentFileMetadata().GetData());
    }
};

QTEST_MAIN(ThumbnailsTest)
#include "tst_thumbnails.moc"
