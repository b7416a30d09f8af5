// Opening a sketch in the editor without holding the window: the window
// keeps turning while a large sketch is read and built, a sketch opened
// meanwhile, going back or quitting drops the one in flight, a sketch that
// cannot be read brings the browser back, and the editor lets go of a sketch
// it no longer shows.

#include "WindowTestSupport.h"

#include "DocumentGraphicModel.h"
#include "DocumentMetadataKeeper.h"
#include "DocumentSerializer.h"
#include "GuiGapLimit.h"
#include "GuiGapMeter.h"
#include "InkMLDefinitions.h"
#include "ZoomingGraphicsView.h"

#include <QPointer>

using windowtest::WindowRig;

namespace {

constexpr int kLargeTraces = 150000;
constexpr int kLargeWaitMs = 60000;

// One-point traces over the page: a file whose scene has very many strokes.
bool writeLargeSketch(const QString& path)
{
    Pelm::Layer layer;
    for (int t = 0; t < kLargeTraces; ++t) {
        Pelm::Stroke stroke;
        stroke.addElement(Pelm::Point(100.0 + t % 1900, 100.0 + (t / 1900) % 2700, 0, 500, 0, 0, 0ul));
        layer.addElement(stroke);
    }
    Pelm::Document document;
    document.addElement(layer);
    document.loaded.Set(true);
    Pelm::DefaultInkMLDefinitions definitions;
    return Pelm::DocumentWriter::writeToFile(QFile::encodeName(path).constData(), document, definitions);
}

// The window on a folder of the default sketches and large.inkml.
struct LargeSketchRig {
    LargeSketchRig()
    {
        if (!writeLargeSketch(rig.sketch("large.inkml")))
            throw std::runtime_error("cannot write the large sketch");
        ++rig.shownSketches;
    }

    QString large() const { return rig.sketch("large.inkml"); }

    // A double click on the thumbnail of the file.
    void doubleClick(const QString& name)
    {
        PreviewThumbnailList* list = rig.thumbnails();
        QListWidgetItem* item = list->item(rig.rowOf(rig.sketch(name)));
        list->scrollToItem(item);
        const QPoint centre = list->visualItemRect(item).center();
        // A double click: the press of a click, then the double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }

    ZoomingGraphicsView* view() const
    {
        return static_cast<ZoomingGraphicsView*>(rig.editor()->m_layers_graphics_view);
    }

    WindowRig rig;
};

} // namespace

class TestEditorOpening : public QObject {
    Q_OBJECT

private slots:
    void windowKeepsTurningWhileALargeSketchOpens();
    void onlyTheSketchOpenedLastIsShown();
    void goingBackDropsTheSketchOpening();
    void quittingWhileASketchOpensEndsCleanly();
    void unreadableSketchBringsTheBrowserBack();
    void goingBackLetsGoOfTheSketch();
};

void TestEditorOpening::windowKeepsTurningWhileALargeSketchOpens()
{
    LargeSketchRig large;
    QVERIFY(large.rig.start(kLargeWaitMs));
    GuiGapMeter meter;

    large.doubleClick("large.inkml");

    QCOMPARE(large.rig.window->currentPage(), 1);
    QVERIFY(large.rig.editorShows(large.large(), kLargeWaitMs));
    QVERIFY(large.view()->paintsInSlices());
    QVERIFY(QTest::qWaitFor([&] { return large.view()->pictureIsCurrent(); }, kLargeWaitMs));
    qInfo("longest gap between ticks while %d traces opened: %.0f ms", kLargeTraces, meter.longestMs());
    QVERIFY2(meter.longestMs() < testsupport::kLongestGuiGapMs, qPrintable(QString::number(meter.longestMs())));
    QCOMPARE(large.rig.editor()->layerList()->count(), 1);
}

void TestEditorOpening::onlyTheSketchOpenedLastIsShown()
{
    LargeSketchRig large;
    QVERIFY(large.rig.start(kLargeWaitMs));
    QStringList shown;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        const MetadataPtr record = large.rig.editor()->getCurrentMetaDataPtr();
        if (record.GetData() && !shown.contains(record->m_filePath))
            shown << record->m_filePath;
    });
    watch.start(1);

    large.doubleClick("large.inkml");
    large.rig.window->handleSentMessageFromAnotherCopyOfApp("Get the instance_" + large.rig.sketch("b.hlv"));

    QVERIFY(large.rig.editorShows(large.rig.sketch("b.hlv")));
    // Long enough for the large file to have been read had its open gone on.
    QTest::qWait(2000);
    QCOMPARE(shown, QStringList{large.rig.sketch("b.hlv")});
}

void TestEditorOpening::goingBackDropsTheSketchOpening()
{
    LargeSketchRig large;
    QVERIFY(large.rig.start(kLargeWaitMs));

    large.doubleClick("large.inkml");
    QTest::mouseClick(large.rig.editor()->m_back2preview_btn, Qt::LeftButton);

    QCOMPARE(large.rig.window->currentPage(), 0);
    QTest::qWait(2000);
    QCOMPARE(large.rig.window->currentPage(), 0);
    QVERIFY(!large.rig.editor()->getCurrentMetaDataPtr().GetData());
    QVERIFY(large.rig.thumbnails()->isVisible());
    QVERIFY(!QApplication::overrideCursor());
}

void TestEditorOpening::quittingWhileASketchOpensEndsCleanly()
{
    LargeSketchRig large;
    QVERIFY(large.rig.start(kLargeWaitMs));

    large.doubleClick("large.inkml");
    large.rig.action("m_action_exit")->trigger();

    QVERIFY(!large.rig.window->isVisible());
    large.rig.window.reset();
    QVERIFY(!QApplication::overrideCursor());
}

void TestEditorOpening::unreadableSketchBringsTheBrowserBack()
{
    LargeSketchRig large;
    QVERIFY(large.rig.start(kLargeWaitMs));
    {
        QFile file(large.rig.sketch("a.hlv"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<ink><trace>1 2, 3");
    }

    large.doubleClick("a.hlv");

    QTRY_COMPARE(large.rig.window->currentPage(), 0);
    QVERIFY(large.rig.thumbnails()->isVisible());
    QVERIFY(!large.rig.editor()->getCurrentMetaDataPtr().GetData());
    QVERIFY(large.rig.environment.prompt.requests.isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

// Neither the editor nor the thumbnail keeps the sketch once the browser is
// back: a second opening then holds one copy, not three.
void TestEditorOpening::goingBackLetsGoOfTheSketch()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.open("a.hlv"));
    const QPointer<QGraphicsScene> scene(rig.editor()->m_layers_graphics_view->scene());
    QVERIFY(scene);

    QTest::mouseClick(rig.editor()->m_back2preview_btn, Qt::LeftButton);

    QCOMPARE(rig.window->currentPage(), 0);
    QVERIFY(!rig.editor()->getCurrentMetaDataPtr().GetData());
    QTRY_VERIFY(!scene);
    for (int row = 0; row < rig.thumbnails()->count(); ++row) {
        const auto* keeper = dynamic_cast<DocumentMetadataKeeper*>(rig.thumbnails()->item(row));
        QVERIFY(keeper && !keeper->metadata()->hasDocument());
    }
}

QTEST_MAIN(TestEditorOpening)
#include "tst_editoropening.moc"
