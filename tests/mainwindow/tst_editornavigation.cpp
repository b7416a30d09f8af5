// Next and Previous Document go from the sketch in the editor to its
// neighbour in the order the browser shows, whatever brought the sketch
// there: an opening, a save (by Ctrl+S or the Save button), a save under
// another name, a merge, or a hand-over of a sketch on a later page.

#include "WindowTestSupport.h"

#include "LoaderThread.h"

#include <QToolBar>
#include <QToolButton>

using windowtest::answerFileDialog;
using windowtest::sketchNames;
using windowtest::WindowRig;

namespace {

constexpr int kBesideTheFile = -2;

MetadataPtr loaded(const QString& path)
{
    MetadataPtr record(new DocumentMetaData(path));
    record->loadDataFile();
    return record;
}

// The shown folder's sketches in the order the browser lists them.
QStringList listing(const WindowRig& rig)
{
    return getDirContent(rig.documents(), QDir::Files | QDir::Readable, {QStringLiteral("*.hlv")});
}

void pressCtrlS(WindowRig& rig)
{
    QTest::keyClick(rig.window.get(), Qt::Key_S, Qt::ControlModifier);
}

void clickSaveButton(WindowRig& rig)
{
    QToolBar* toolBar = rig.part<QToolBar>("toolBar");
    QWidget* button = toolBar->widgetForAction(rig.action("m_actionSave"));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestEditorNavigation : public QObject {
    Q_OBJECT

private slots:
    void stepGoesToTheNeighbourShown_data();
    void stepGoesToTheNeighbourShown();
};

// way: how the sketch at `place` of the folder's listing came into the
// editor; reached: the place the step leads to, -1 for a step that is not
// offered, kBesideTheFile for the place beside the edited file in the
// listing once it was written.
void TestEditorNavigation::stepGoesToTheNeighbourShown_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("sketches");
    QTest::addColumn<int>("place");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("reached");
    QTest::newRow("opened, next") << "open" << 5 << 1 << true << 2;
    QTest::newRow("opened last, next") << "open" << 5 << 4 << true << -1;
    QTest::newRow("Ctrl+S, next") << "ctrl+s" << 5 << 1 << true << 2;
    QTest::newRow("Ctrl+S, previous") << "ctrl+s" << 5 << 3 << false << 2;
    QTest::newRow("Save button, next") << "button" << 5 << 2 << true << 3;
    QTest::newRow("Ctrl+S on the last, next") << "ctrl+s" << 5 << 4 << true << -1;
    QTest::newRow("Ctrl+S on the last, previous") << "ctrl+s" << 5 << 4 << false << 3;
    QTest::newRow("hand-over from page 3, previous") << "hand-over" << 121 << 110 << false << 109;
    QTest::newRow("hand-over from page 3, next") << "hand-over" << 121 << 110 << true << 111;
    QTest::newRow("first of page 3 handed over, previous") << "hand-over" << 121 << 100 << false << -1;
    QTest::newRow("saved as, next") << "save as" << 5 << 1 << true << kBesideTheFile;
    QTest::newRow("saved as, previous") << "save as" << 5 << 1 << false << kBesideTheFile;
    // The merged sketch's thumbnail comes last, after the page's.
    QTest::newRow("merged, previous") << "merge" << 5 << 0 << false << 4;
    QTest::newRow("merged, next") << "merge" << 5 << 0 << true << -1;
}

void TestEditorNavigation::stepGoesToTheNeighbourShown()
{
    QFETCH(QString, way);
    QFETCH(int, sketches);
    QFETCH(int, place);
    QFETCH(bool, forward);
    QFETCH(int, reached);
    WindowRig rig(sketchNames(sketches));
    QVERIFY(rig.start());
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    const QStringList before = listing(rig);
    QString edited = before.at(place);
    const QString name = QFileInfo(edited).fileName();

    if (way == "open") {
        QVERIFY(rig.open(name));
    } else if (way == "ctrl+s" || way == "button") {
        QVERIFY(rig.openChanged(name));
        way == "ctrl+s" ? pressCtrlS(rig) : clickSaveButton(rig);
        QVERIFY(!rig.editor()->isDocumentChanged());
        QCOMPARE(rig.shownPaths().last(), edited);
    } else if (way == "hand-over") {
        rig.window->handleSentMessageFromAnotherCopyOfApp("Get the instance_" + edited);
        QTRY_COMPARE(rig.thumbnails()->count(), sketches - 100);
    } else if (way == "save as") {
        QVERIFY(rig.openChanged(name));
        edited = rig.sketch("renamed.hlv");
        answerFileDialog(edited);
        rig.action("m_actionSave_As")->trigger();
        QTRY_COMPARE(rig.thumbnails()->count(), sketches + 1);
    } else if (way == "merge") {
        edited = rig.sketch("merged.hlv");
        rig.thumbnails()->merge2Documents(loaded(before.at(0)), loaded(before.at(1)), edited);
        QCOMPARE(rig.shownPaths().last(), edited);
        QVERIFY(rig.open("merged.hlv"));
    }
    QVERIFY(rig.editorShows(edited));
    const QStringList after = way == "save as" ? listing(rig) : before;
    if (reached == kBesideTheFile) {
        const int at = int(after.indexOf(edited));
        reached = forward ? (at + 1 < after.size() ? at + 1 : -1) : at - 1;
    }

    QToolButton* step = forward ? rig.editor()->m_forward_btn : rig.editor()->m_back_btn;
    if (reached < 0) {
        QVERIFY(!step->isEnabled());
        return;
    }
    QVERIFY(step->isEnabled());
    QTest::mouseClick(step, Qt::LeftButton);
    QVERIFY2(rig.editorShows(after.at(reached)),
             qPrintable(rig.editor()->getCurrentMetaDataPtr().GetData()
                            ? rig.editor()->getCurrentMetaDataPtr()->m_filePath
                            : QStringLiteral("nothing")));
}

QTEST_MAIN(TestEditorNavigation)
#include "tst_editornavigation.moc"
