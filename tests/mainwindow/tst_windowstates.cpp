// The window's states as the user meets them: the page strip of a folder of
// more than one page after start-up, the editor page without the browser's
// status-bar controls, and an Enter that confirms a dialog opening nothing.

#include "WindowTestSupport.h"

#include "DirView.h"
#include "LoaderThread.h"
#include "PagesStrip.h"
#include "TestFiles.h"

#include <QLabel>
#include <QSlider>
#include <QToolButton>

using windowtest::sketchNames;
using windowtest::WindowRig;

namespace {

// A folder of `count` sketches beside the documents folder.
QString otherFolder(const WindowRig& rig, int count)
{
    const QString folder = testsupport::makeFolder(rig.documents() + QStringLiteral("/../other"));
    for (const QString& name : sketchNames(count))
        QFile::copy(windowtest::kInkMLFixture, folder + QLatin1Char('/') + name);
    return QDir(folder).canonicalPath();
}

struct StatusBarParts {
    explicit StatusBarParts(const WindowRig& rig)
        : strip(rig.part<PagesStrip>("PagesStripClass")),
          range(rig.part<QLabel>("lblFilesCountInfo")),
          next(rig.part<QToolButton>("btnNext")),
          slider(rig.part<QSlider>("zoomHSlider")),
          zoomIn(rig.part<QToolButton>("m_thumbs_zoom_in"))
    {
    }
    PagesStrip* strip;
    QLabel* range;
    QToolButton* next;
    QSlider* slider;
    QToolButton* zoomIn;
};

} // namespace

class TestWindowStates : public QObject {
    Q_OBJECT

private slots:
    void pageStripServesTheFirstFolder_data();
    void pageStripServesTheFirstFolder();
    void editorPageHidesTheBrowserControlsAfterAHandOver();
    void handOverKeepsTheWindowsState_data();
    void handOverKeepsTheWindowsState();
    void enterThatConfirmsADialogOpensNothing_data();
    void enterThatConfirmsADialogOpensNothing();
};

void TestWindowStates::pageStripServesTheFirstFolder_data()
{
    QTest::addColumn<int>("startSketches");
    QTest::addColumn<int>("otherSketches");
    QTest::addColumn<bool>("openFromOther");
    QTest::addColumn<QString>("firstRange");
    QTest::addColumn<QString>("secondRange");

    QTest::newRow("start folder") << 52 << 0 << false << "0-50/52" << "50-52/52";
    QTest::newRow("start with a file of the start folder") << 52 << 0 << true << "0-50/52"
                                                           << "50-52/52";
    QTest::newRow("start with a file of another folder") << 52 << 55 << true << "0-50/55"
                                                         << "50-55/55";
    QTest::newRow("small start folder, file of another") << 3 << 55 << true << "0-50/55"
                                                         << "50-55/55";
}

void TestWindowStates::pageStripServesTheFirstFolder()
{
    QFETCH(int, startSketches);
    QFETCH(int, otherSketches);
    QFETCH(bool, openFromOther);
    QFETCH(QString, firstRange);
    QFETCH(QString, secondRange);

    WindowRig rig(sketchNames(startSketches));
    const QString other = otherSketches ? otherFolder(rig, otherSketches) : rig.documents();
    QVERIFY(rig.start());
    // A file named on the command line opens in the editor; the strip comes
    // back with the browser. The file is the folder's first, so the page
    // that holds it is the first.
    if (openFromOther) {
        const QString first =
            getDirContent(other, QDir::Files | QDir::Readable, {QStringLiteral("*.hlv")}).value(0);
        QVERIFY(rig.window->LoadSpecificFile(first));
        QCOMPARE(rig.window->currentPage(), 1);
        QTRY_COMPARE(rig.thumbnails()->count(), 50);
        rig.editor()->m_back2preview_btn->click();
    }
    StatusBarParts parts(rig);
    QVERIFY(parts.strip->isVisible());
    QCOMPARE(parts.range->text(), firstRange);
    QVERIFY(parts.slider->isVisible());

    parts.next->click();
    QTRY_COMPARE(rig.thumbnails()->count(), (otherSketches ? otherSketches : startSketches) - 50);
    QCOMPARE(parts.range->text(), secondRange);
}

void TestWindowStates::editorPageHidesTheBrowserControlsAfterAHandOver()
{
    WindowRig rig(sketchNames(3));
    const QString other = otherFolder(rig, 55);
    QVERIFY(rig.start());
    QVERIFY(rig.open(QStringLiteral("sketch_00.hlv")));
    StatusBarParts parts(rig);

    rig.window->handleSentMessageFromAnotherCopyOfApp(QStringLiteral("Get the instance_") + other
                                                      + QStringLiteral("/sketch_07.hlv"));
    QCOMPARE(rig.window->currentPage(), 1);
    QTRY_COMPARE(rig.thumbnails()->count(), 50);
    QTest::qWait(50);
    for (QWidget* control : {static_cast<QWidget*>(parts.strip), static_cast<QWidget*>(parts.slider),
                             static_cast<QWidget*>(parts.zoomIn)})
        QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));

    rig.editor()->m_back2preview_btn->click();
    QVERIFY(parts.strip->isVisible());
    QVERIFY(parts.slider->isVisible());
    QCOMPARE(parts.range->text(), QStringLiteral("0-50/55"));
}

void TestWindowStates::handOverKeepsTheWindowsState_data()
{
    QTest::addColumn<Qt::WindowStates>("before");
    QTest::addColumn<bool>("hidden"); // in the tray
    QTest::addColumn<Qt::WindowStates>("after");
    QTest::newRow("maximised") << Qt::WindowStates(Qt::WindowMaximized) << false
                               << Qt::WindowStates(Qt::WindowMaximized);
    QTest::newRow("normal") << Qt::WindowStates() << false << Qt::WindowStates();
    QTest::newRow("maximised, then minimised") << (Qt::WindowMaximized | Qt::WindowMinimized) << false
                                               << Qt::WindowStates(Qt::WindowMaximized);
    QTest::newRow("in the tray") << Qt::WindowStates(Qt::WindowMinimized) << true << Qt::WindowStates();
}

// A sketch handed over by a later start shows the window as it was, not
// restored to its normal size.
void TestWindowStates::handOverKeepsTheWindowsState()
{
    QFETCH(Qt::WindowStates, before);
    QFETCH(bool, hidden);
    QFETCH(Qt::WindowStates, after);
    WindowRig rig(sketchNames(2));
    QVERIFY(rig.start());
    rig.window->setWindowState(before);
    if (hidden)
        rig.window->hide();

    rig.window->handleSentMessageFromAnotherCopyOfApp(QStringLiteral("Get the instance_") + rig.sketch("sketch_01.hlv"));

    QCOMPARE(rig.window->currentPage(), 1);
    QVERIFY(rig.window->isVisible());
    QCOMPARE(rig.window->windowState(), after);
}

void TestWindowStates::enterThatConfirmsADialogOpensNothing_data()
{
    QTest::addColumn<bool>("openFolder");
    QTest::newRow("Open Folder") << true;
    QTest::newRow("Copy to...") << false;
}

void TestWindowStates::enterThatConfirmsADialogOpensNothing()
{
    QFETCH(bool, openFolder);
    WindowRig rig(sketchNames(3));
    const int targetSketches = openFolder ? 2 : 0;
    const QString target = otherFolder(rig, targetSketches);
    QVERIFY(rig.start());
    rig.thumbnails()->setCurrentRow(0);
    rig.thumbnails()->setFocus();

    // The user types the folder and presses Enter: the dialog closes on the
    // press, and the release reaches the window.
    bool typed = false;
    testsupport::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            dialog->reject();
            return;
        }
        name->setText(target);
        QTest::keyPress(name, Qt::Key_Return);
        typed = true;
    });
    if (openFolder)
        rig.action("actionOpen_Folder")->trigger();
    else
        rig.thumbnails()->copyFileSlot();
    QVERIFY(typed);
    // The release may come after the new folder's first thumbnail, which is current then.
    QTRY_COMPARE(rig.thumbnails()->count(), openFolder ? targetSketches : 3);
    QWidget* focus = QApplication::focusWidget();
    QTest::keyRelease(focus ? focus : rig.window.get(), Qt::Key_Return);

    QCOMPARE(rig.window->currentPage(), 0);
    if (openFolder)
        QCOMPARE(rig.part<DirView>("m_dirtree_view")->getCurrentDir().canonicalPath(), target);
    else
        QCOMPARE(QDir(target).entryList(QDir::Files).size(), 1);

    // An Enter pressed and released on the window still opens the current sketch.
    rig.thumbnails()->setCurrentRow(0);
    QTest::keyClick(rig.thumbnails(), Qt::Key_Return);
    QCOMPARE(rig.window->currentPage(), 1);
}

QTEST_MAIN(TestWindowStates)
#include "tst_windowstates.moc"
