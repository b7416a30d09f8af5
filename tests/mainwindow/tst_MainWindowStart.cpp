// A start of the whole window: menus, tool bar and status bar of both pages,
// the keys of the browser page, and the editor commands.

#include "WindowTestSupport.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using windowtest::WindowRig;

namespace {

QStringList visibleEntries(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* action : actions) {
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    }
    return texts;
}

QStringList menuTitles(MainWindow& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles << action->text();
    return titles;
}

// Counts the triggers of an action.
struct Triggers {
    explicit Triggers(QAction* action)
    {
        QObject::connect(action, &QAction::triggered, &context, [this] { ++count; });
    }
    QObject context;
    int count = 0;
};

} // namespace

class TestMainWindowStart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void browserPageShowsTheFolderCommands();
    void editorPageShowsTheEditingCommands();
    void controlFReachesOneActionOnEachPage();
    void editorCommandsDoNothingOnTheBrowserPage();
    void returnAfterARenameOpensNothing();
    void statusBarZoomFollowsThePage();

private:
    std::unique_ptr<WindowRig> rig;
};

void TestMainWindowStart::initTestCase()
{
    rig = std::make_unique<WindowRig>();
    QVERIFY(rig->start());
    QVERIFY(QTest::qWaitForWindowActive(rig->window.get()));
}

void TestMainWindowStart::browserPageShowsTheFolderCommands()
{
    MainWindow& window = *rig->window;
    QCOMPARE(window.currentPage(), 0);
    QCOMPARE(menuTitles(window), (QStringList{"File", "View", "Tools", "Help"}));
    QCOMPARE(visibleEntries(rig->part<QToolBar>("toolBar")->actions()),
             (QStringList{"Back", "Forward", "Save Document As", "|"}));
    QCOMPARE(visibleEntries(rig->part<QMenu>("menuView")->actions()),
             (QStringList{"|", "|", "File System Tree", "|"}));
    QVERIFY(!visibleEntries(rig->part<QMenu>("menuFile")->actions()).contains("Save"));
    QVERIFY(rig->action("actionPreferences")->isEnabled());
    QTest::qWait(50);
    QVERIFY(window.grab().save("/tmp/mainwindow-browser.png"));
}

void TestMainWindowStart::editorPageShowsTheEditingCommands()
{
    QVERIFY(rig->open("a.hlv"));
    MainWindow& window = *rig->window;
    QCOMPARE(menuTitles(window), (QStringList{"File", "Edit", "View", "Help"}));
    QCOMPARE(visibleEntries(rig->part<QToolBar>("toolBar")->actions()),
             (QStringList{"|", "Rotate Clockwise", "Rotate Counterclockwise", "Zoom In", "Zoom Out",
                          "Undo", "Redo", "|", "Save", "Save Document As", "|"}));
    QVERIFY(!rig->action("actionDelete")->isEnabled());
    QVERIFY(!rig->action("actionPreferences")->isEnabled());
    QVERIFY(!rig->action("actionFileTree")->isVisible());
    QTest::qWait(50);
    QVERIFY(window.grab().save("/tmp/mainwindow-editor.png"));

    rig->editor()->m_back2preview_btn->click();
    QCOMPARE(window.currentPage(), 0);
    QVERIFY(rig->action("actionDelete")->isEnabled());
}

void TestMainWindowStart::controlFReachesOneActionOnEachPage()
{
    QAction* forward = rig->action("actionForward");
    QAction* otherFormat = rig->action("actionExport_as_DifferentFormat");
    forward->setEnabled(true);
    rig->thumbnails()->setCurrentRow(0);
    QVERIFY(otherFormat->isEnabled());
    Triggers forwardTriggers(forward);
    Triggers otherFormatTriggers(otherFormat);

    QTest::keyClick(rig->window.get(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(forwardTriggers.count, 1);
    QCOMPARE(otherFormatTriggers.count, 0);

    QVERIFY(rig->open("b.hlv"));
    // The command asks for the target file.
    windowtest::answerFileDialog(QString());
    QTest::keyClick(rig->window.get(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(forwardTriggers.count, 1);
    QCOMPARE(otherFormatTriggers.count, 1);
    rig->editor()->m_back2preview_btn->click();
    forward->setEnabled(false);
}

void TestMainWindowStart::editorCommandsDoNothingOnTheBrowserPage()
{
    QCOMPARE(rig->window->currentPage(), 0);
    for (const char* name : {"m_actionRotate_Clockwise", "m_actionRotate_Contrclockwise",
                             "m_actionZoom_In", "m_actionZoom_Out", "m_actionUndo"})
        rig->action(name)->trigger();
    QCOMPARE(rig->editor()->getRotation(), 0);
    QVERIFY(!rig->editor()->isDocumentChanged());
}

void TestMainWindowStart::returnAfterARenameOpensNothing()
{
    PreviewThumbnailList* thumbnails = rig->thumbnails();
    thumbnails->setCurrentRow(rig->rowOf(rig->sketch("b.hlv")));
    emit thumbnails->enableEnterKeyHandling(false);

    // The dialog took the press of its Enter; the release reaches the window.
    QTest::keyRelease(rig->window.get(), Qt::Key_Return);
    QCOMPARE(rig->window->currentPage(), 0);

    QTest::keyClick(rig->window.get(), Qt::Key_Return);
    QCOMPARE(rig->window->currentPage(), 1);
    QVERIFY(rig->editorShows(rig->sketch("b.hlv")));
    rig->editor()->m_back2preview_btn->click();
}

void TestMainWindowStart::statusBarZoomFollowsThePage()
{
    auto* slider = rig->part<QSlider>("zoomHSlider");
    auto* zoomIn = rig->part<QToolButton>("m_thumbs_zoom_in");
    QTRY_VERIFY(slider->isEnabled());
    QVERIFY(slider->isVisible());
    const int before = slider->value();
    zoomIn->click();
    QCOMPARE(slider->value(), before + 1);

    QVERIFY(rig->open("a.hlv"));
    QVERIFY(!slider->isVisible());
    QVERIFY(!zoomIn->isVisible());
    rig->editor()->m_back2preview_btn->click();
    QVERIFY(slider->isVisible());
    QVERIFY(slider->isEnabled());
}

QTEST_MAIN(TestMainWindowStart)
#include "tst_MainWindowStart.moc"
