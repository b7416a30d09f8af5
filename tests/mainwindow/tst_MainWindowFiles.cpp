// Opening sketches in the editor, saving them, and the question that guards
// a changed sketch.

#include "WindowTestSupport.h"

#include "AngleUnits.h"
#include "Document.h"
#include "DocumentMetadataKeeper.h"

#include <QMenu>
#include <QToolButton>
#include <QUndoCommand>

using windowtest::answerFileDialog;
using windowtest::contents;
using windowtest::WindowRig;

namespace {

Pelm::Point firstPoint(const Pelm::Document& document)
{
    Pelm::Layer layer;
    Pelm::Stroke stroke;
    Pelm::Point point;
    document.at(0, layer);
    layer.at(0, stroke);
    stroke.at(0, point);
    return point;
}

MetadataPtr loaded(const QString& path)
{
    MetadataPtr record(new DocumentMetaData(path));
    record->loadDataFile();
    return record;
}

QImage thumbnailOf(PreviewThumbnailList& list, const QString& path)
{
    for (int row = 0; row < list.count(); ++row) {
        auto* item = dynamic_cast<DocumentMetadataKeeper*>(list.item(row));
        if (item && item->metadata()->m_filePath == path)
            return item->thumbnail().toImage().convertToFormat(QImage::Format_RGB32);
    }
    return QImage();
}

QAction* trayQuitAction(MainWindow& window)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == "&Quit")
            return action;
    }
    return nullptr;
}

} // namespace

class TestMainWindowFiles : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheTurnedSketchInPlaceAndReplacesItsOwnThumbnail();
    void saveOfAWpiSketchAsksForAnInkMLName();
    void saveAsNamesTheFile_data();
    void saveAsNamesTheFile();
    void saveAsOverAShownFileReplacesItsThumbnail();
    void saveAsAsksBeforeTheSuffixReachesAnExistingFile_data();
    void saveAsAsksBeforeTheSuffixReachesAnExistingFile();
    void mergedSketchIsSavedAsANewThumbnail();
    void thumbnailOfASaveIsWhatAReloadShows_data();
    void thumbnailOfASaveIsWhatAReloadShows();
    void recordWithoutInkIsReportedUnsaved();
    void leavingAChangedSketch_data();
    void leavingAChangedSketch();
    void unchangedSketchIsLeftWithoutAQuestion();
    void nextAndPreviousAfterASaveGoToTheNeighbourShown_data();
    void nextAndPreviousAfterASaveGoToTheNeighbourShown();
    void loadSpecificFile();
    void handOverAsksBeforeReplacingAChangedSketch();
    void trayQuitAsksAndCancelKeepsTheWindow();
    void closingFromTheBrowserNeverAsks();
    void windowWithUndoableStepsIsDestroyedCleanly();
};

void TestMainWindowFiles::saveWritesTheTurnedSketchInPlaceAndReplacesItsOwnThumbnail()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const MetadataPtr original = loaded(rig.sketch("a.hlv"));
    QVERIFY(rig.openChanged("a.hlv"));
    const QPointF shift = rig.editor()->getCurrentMetaDataPtr()->m_adjustmentShift;
    // The list's current row is another sketch than the edited one.
    rig.thumbnails()->setCurrentRow(rig.rowOf(rig.sketch("b.hlv")));
    QVERIFY(rig.action("m_actionSave")->isEnabled());

    rig.action("m_actionSave")->trigger();

    Pelm::Document expected(*original->m_document.GetData());
    expected.shift(shift.x(), shift.y());
    expected.rotate(degreesToRadians(45));
    expected.shift(-shift.x(), -shift.y());
    const Pelm::Point written = firstPoint(*loaded(rig.sketch("a.hlv"))->m_document.GetData());
    QVERIFY(qAbs(written.x.Get() - firstPoint(expected).x.Get()) < 0.05);
    QVERIFY(qAbs(written.y.Get() - firstPoint(expected).y.Get()) < 0.05);

    QStringList shown = rig.shownPaths();
    QCOMPARE(shown.count(rig.sketch("a.hlv")), 1);
    QCOMPARE(shown.last(), rig.sketch("a.hlv"));
    QVERIFY(shown.contains(rig.sketch("b.hlv")));
    QCOMPARE(rig.window->currentPage(), 1);
    QVERIFY(!rig.editor()->isDocumentChanged());
    QVERIFY(!rig.action("m_actionSave")->isEnabled());
}

void TestMainWindowFiles::saveOfAWpiSketchAsksForAnInkMLName()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.openChanged("c.wpi"));
    const QByteArray wpi = contents(rig.sketch("c.wpi"));
    QString proposed;
    answerFileDialog(rig.sketch("c.hlv"), &proposed);

    rig.action("m_actionSave")->trigger();

    QCOMPARE(proposed, QDir::toNativeSeparators(rig.sketch("c.hlv")));
    QVERIFY(loaded(rig.sketch("c.hlv"))->isLoaded());
    QCOMPARE(contents(rig.sketch("c.wpi")), wpi);
    QVERIFY(rig.editorShows(rig.sketch("c.hlv")));
    QCOMPARE(rig.editor()->m_edit_group->title(), rig.sketch("c.hlv"));
}

void TestMainWindowFiles::saveAsNamesTheFile_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::newRow("cancelled") << "" << "";
    QTest::newRow("other suffix") << "ab.c" << "ab.c.hlv";
    QTest::newRow("suffix in mixed case") << "d.Hlv" << "d.Hlv.hlv";
    QTest::newRow("upper-case suffix") << "e.HLV" << "e.HLV";
}

void TestMainWindowFiles::saveAsNamesTheFile()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    WindowRig rig;
    QVERIFY(rig.start());
    rig.thumbnails()->setCurrentRow(rig.rowOf(rig.sketch("a.hlv")));
    answerFileDialog(answer.isEmpty() ? QString() : rig.sketch(answer));

    rig.action("m_actionSave_As")->trigger();

    const QStringList files = QDir(rig.documents()).entryList(QDir::Files);
    if (written.isEmpty()) {
        QCOMPARE(files, (QStringList{"a.hlv", "b.hlv", "c.wpi"}));
        return;
    }
    QCOMPARE(files.size(), 4);
    QVERIFY(files.contains(written));
    QVERIFY(loaded(rig.sketch(written))->isLoaded());
}

void TestMainWindowFiles::saveAsOverAShownFileReplacesItsThumbnail()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.thumbnails()->setCurrentRow(rig.rowOf(rig.sketch("c.wpi")));
    answerFileDialog(rig.sketch("b.hlv"));

    rig.action("m_actionSave_As")->trigger();

    const QStringList shown = rig.shownPaths();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.count(rig.sketch("b.hlv")), 1);
    QCOMPARE(rig.window->currentPage(), 0);
}

// The dialog checked the name as typed; the ".hlv" added afterwards may
// name an existing file, which is replaced only after the question.
void TestMainWindowFiles::saveAsAsksBeforeTheSuffixReachesAnExistingFile_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("reply");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("cancel keeps the file") << "b" << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("ok replaces it") << "b" << int(QMessageBox::Ok) << true << true;
    QTest::newRow("new name, no question") << "n" << int(QMessageBox::Cancel) << false << true;
}

void TestMainWindowFiles::saveAsAsksBeforeTheSuffixReachesAnExistingFile()
{
    QFETCH(QString, answer);
    QFETCH(int, reply);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    WindowRig rig;
    QVERIFY(rig.start());
    const QString target = rig.sketch(answer + ".hlv");
    const QByteArray before = contents(target);
    rig.thumbnails()->setCurrentRow(rig.rowOf(rig.sketch("c.wpi")));
    rig.environment.prompt.answers = {QMessageBox::StandardButton(reply)};
    answerFileDialog(rig.sketch(answer));

    rig.action("m_actionSave_As")->trigger();

    const QStringList expected = asked ? QStringList{"Are you sure you want to overwrite file   "
                                                     + QDir::toNativeSeparators(target) + "?"}
                                       : QStringList();
    QCOMPARE(rig.environment.prompt.texts(), expected);
    QCOMPARE(contents(target) != before, replaced);
    QVERIFY(!QFile::exists(rig.sketch(answer)));
}

void TestMainWindowFiles::mergedSketchIsSavedAsANewThumbnail()
{
    WindowRig rig;
    QVERIFY(rig.start());
    const MetadataPtr first = loaded(rig.sketch("a.hlv"));
    const MetadataPtr second = loaded(rig.sketch("b.hlv"));
    MetadataPtr merged(first->appendDocument(*second.GetData()));
    merged->m_filePath = rig.sketch("merged.hlv");

    emit rig.thumbnails()->mergeDocSave(merged);

    QVERIFY(loaded(rig.sketch("merged.hlv"))->isLoaded());
    QCOMPARE(rig.shownPaths().last(), rig.sketch("merged.hlv"));
    QCOMPARE(rig.shownPaths().size(), 4);
    QCOMPARE(rig.window->currentPage(), 0);
}

void TestMainWindowFiles::thumbnailOfASaveIsWhatAReloadShows_data()
{
    QTest::addColumn<bool>("merge");
    QTest::newRow("save") << false;
    QTest::newRow("merge by drag and drop") << true;
}

void TestMainWindowFiles::thumbnailOfASaveIsWhatAReloadShows()
{
    QFETCH(bool, merge);
    WindowRig rig;
    QVERIFY(rig.start());
    QString saved = rig.sketch(merge ? "merged.hlv" : "a.hlv");
    if (merge) {
        rig.thumbnails()->merge2Documents(loaded(rig.sketch("a.hlv")), loaded(rig.sketch("c.wpi")), saved);
    } else {
        QVERIFY(rig.openChanged("a.hlv"));
        rig.action("m_actionSave")->trigger();
    }
    const QImage afterSave = thumbnailOf(*rig.thumbnails(), saved);
    QVERIFY(!afterSave.isNull());

    rig.thumbnails()->reloadSameFolder(false);
    const int files = QDir(rig.documents()).entryList(QDir::Files).size();
    QVERIFY(QTest::qWaitFor([&] { return rig.thumbnails()->count() == files; }, 10000));
    const QImage reloaded = thumbnailOf(*rig.thumbnails(), saved);
    QCOMPARE(afterSave.size(), reloaded.size());
    QVERIFY(afterSave == reloaded);
}

void TestMainWindowFiles::recordWithoutInkIsReportedUnsaved()
{
    WindowRig rig;
    QVERIFY(rig.start());

    emit rig.thumbnails()->mergeDocSave(MetadataPtr(new DocumentMetaData(rig.sketch("x.hlv"))));

    QCOMPARE(rig.environment.prompt.texts(), QStringList{"Unable to save file"});
    QVERIFY(!QFile::exists(rig.sketch("x.hlv")));
    QCOMPARE(rig.shownPaths().size(), 3);
}

void TestMainWindowFiles::leavingAChangedSketch_data()
{
    QTest::addColumn<QString>("sketch");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAsAnswer");
    QTest::addColumn<bool>("unwritable");
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<bool>("written");
    QTest::newRow("save") << "a.hlv" << int(QMessageBox::Save) << "" << false << true << true;
    QTest::newRow("discard") << "a.hlv" << int(QMessageBox::Discard) << "" << false << true << false;
    QTest::newRow("cancel") << "a.hlv" << int(QMessageBox::Cancel) << "" << false << false << false;
    QTest::newRow("save fails") << "a.hlv" << int(QMessageBox::Save) << "" << true << false << false;
    QTest::newRow("save as cancelled")
        << "c.wpi" << int(QMessageBox::Save) << "" << false << false << false;
    QTest::newRow("save as done")
        << "c.wpi" << int(QMessageBox::Save) << "c.hlv" << false << true << true;
}

void TestMainWindowFiles::leavingAChangedSketch()
{
    QFETCH(QString, sketch);
    QFETCH(int, answer);
    QFETCH(QString, saveAsAnswer);
    QFETCH(bool, unwritable);
    QFETCH(bool, leaves);
    QFETCH(bool, written);
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.openChanged(sketch));
    const QString target = rig.sketch(saveAsAnswer.isEmpty() ? sketch : saveAsAnswer);
    const QByteArray before = contents(target);
    if (unwritable) {
        // A folder in the file's place: the new file cannot take it over.
        QVERIFY(QFile::remove(target));
        QVERIFY(QDir().mkpath(target));
    }
    rig.environment.prompt.answers = {QMessageBox::StandardButton(answer)};
    if (sketch.endsWith(".wpi"))
        answerFileDialog(saveAsAnswer.isEmpty() ? QString() : target);

    rig.editor()->m_back2preview_btn->click();

    QStringList texts = rig.environment.prompt.texts();
    QCOMPARE(texts.value(0), "The file has been modified.  Would you like to save your changes?\n"
                                 + rig.sketch(sketch) + "?");
    if (unwritable)
        QCOMPARE(texts.value(1), "Unable to save file");
    QCOMPARE(rig.window->currentPage(), leaves ? 0 : 1);
    QCOMPARE(rig.pages()->currentIndex(), leaves ? 0 : 1);
    QCOMPARE(rig.thumbnails()->isVisible(), leaves);
    if (!unwritable)
        QCOMPARE(contents(target) != before, written);
}

void TestMainWindowFiles::unchangedSketchIsLeftWithoutAQuestion()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.open("b.hlv"));

    rig.editor()->m_back2preview_btn->click();

    QVERIFY(rig.environment.prompt.requests.isEmpty());
    QCOMPARE(rig.window->currentPage(), 0);
    QVERIFY(rig.action("actionFileTree")->isVisible());
}

// Saving moves the open sketch's thumbnail to the end; the step still goes
// to the neighbour that was beside it.
void TestMainWindowFiles::nextAndPreviousAfterASaveGoToTheNeighbourShown_data()
{
    QTest::addColumn<int>("openedRow");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("reachedRow");
    QTest::newRow("next") << 1 << true << 2;
    QTest::newRow("previous") << 2 << false << 1;
    QTest::newRow("next from the first") << 0 << true << 1;
    QTest::newRow("previous from the last") << 3 << false << 2;
}

void TestMainWindowFiles::nextAndPreviousAfterASaveGoToTheNeighbourShown()
{
    QFETCH(int, openedRow);
    QFETCH(bool, forward);
    QFETCH(int, reachedRow);
    WindowRig rig({"a.hlv", "b.hlv", "c.hlv", "d.hlv"});
    QVERIFY(rig.start());
    // The rows as the user saw them, in the folder's order.
    const QStringList seen = rig.shownPaths();
    const QString opened = QFileInfo(seen.at(openedRow)).fileName();
    QVERIFY(rig.openChanged(opened));
    const QByteArray before = contents(rig.sketch(opened));
    rig.environment.prompt.answers = {QMessageBox::Save};

    (forward ? rig.editor()->m_forward_btn : rig.editor()->m_back_btn)->click();

    QVERIFY(contents(rig.sketch(opened)) != before);
    QVERIFY(rig.editorShows(seen.at(reachedRow)));
    QCOMPARE(rig.shownPaths().value(rig.thumbnails()->currentRow()), seen.at(reachedRow));
    QCOMPARE(rig.shownPaths().last(), rig.sketch(opened));
}

void TestMainWindowFiles::loadSpecificFile()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(!rig.window->LoadSpecificFile(rig.documents()));
    QVERIFY(rig.window->LoadSpecificFile(rig.sketch("missing.hlv")));
    QCOMPARE(rig.window->currentPage(), 0);

    QVERIFY(rig.window->LoadSpecificFile(rig.sketch("b.hlv")));

    QCOMPARE(rig.window->currentPage(), 1);
    QVERIFY(rig.editorShows(rig.sketch("b.hlv")));
}

void TestMainWindowFiles::handOverAsksBeforeReplacingAChangedSketch()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.openChanged("a.hlv"));
    rig.environment.prompt.answers = {QMessageBox::Cancel};

    rig.window->handleSentMessageFromAnotherCopyOfApp("Get the instance_" + rig.sketch("b.hlv"));

    QCOMPARE(rig.environment.prompt.requests.size(), 1);
    QCOMPARE(rig.editor()->getCurrentMetaDataPtr()->m_filePath, rig.sketch("a.hlv"));
    QVERIFY(rig.editor()->isDocumentChanged());

    rig.environment.prompt.answers = {QMessageBox::Discard};
    rig.window->handleSentMessageFromAnotherCopyOfApp("Get the instance_");

    QVERIFY(rig.editorShows(rig.sketch("b.hlv")));
    QVERIFY(!rig.window->isMaximized());
}

void TestMainWindowFiles::trayQuitAsksAndCancelKeepsTheWindow()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.openChanged("a.hlv"));
    QAction* quit = trayQuitAction(*rig.window);
    QVERIFY(quit);
    rig.environment.prompt.answers = {QMessageBox::Cancel};

    quit->trigger();

    QCOMPARE(rig.environment.prompt.texts(),
             QStringList{"The file has been modified. Would you like to save your changes ?\n"
                         + rig.sketch("a.hlv") + "?"});
    QVERIFY(rig.window->isVisible());

    rig.environment.prompt.answers = {QMessageBox::Discard};
    quit->trigger();

    QVERIFY(!rig.window->isVisible());
    QCOMPARE(contents(rig.sketch("a.hlv")), contents(windowtest::kInkMLFixture));
}

void TestMainWindowFiles::closingFromTheBrowserNeverAsks()
{
    WindowRig rig;
    QVERIFY(rig.start());
    rig.action("m_actionRotate_Clockwise")->trigger();

    rig.action("m_action_exit")->trigger();

    QVERIFY(rig.environment.prompt.requests.isEmpty());
    QVERIFY(!rig.window->isVisible());
}

void TestMainWindowFiles::windowWithUndoableStepsIsDestroyedCleanly()
{
    WindowRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.open("a.hlv"));
    rig.editor()->undoStack()->push(new QUndoCommand("step"));
    QVERIFY(rig.action("m_actionUndo")->isEnabled());

    rig.window.reset();
}

QTEST_MAIN(TestMainWindowFiles)
#include "tst_MainWindowFiles.moc"
