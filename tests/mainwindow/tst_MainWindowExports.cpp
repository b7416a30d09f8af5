// The "&Export to" entries built from the installed applications.

#include "WindowTestSupport.h"

#include <QMenu>
#include <QToolBar>

using windowtest::WindowRig;

class TestMainWindowExports : public QObject {
    Q_OBJECT

private slots:
    void entriesFollowTheInstalledApplications();
};

void TestMainWindowExports::entriesFollowTheInstalledApplications()
{
    WindowRig rig({"a.hlv"}, {"Adobe Photoshop CS6", "SketchBook Pro.app"});
    QVERIFY(rig.start());

    QList<QAction*> fileEntries = rig.part<QMenu>("menuFile")->actions();
    const int deleteAt = fileEntries.indexOf(rig.action("actionDelete"));
    QVERIFY(deleteAt > 0);
    QMenu* submenu = fileEntries.at(deleteAt - 1)->menu();
    QVERIFY(submenu);
    QCOMPARE(submenu->title(), "&Export to");

    const QList<QAction*> entries = submenu->actions();
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries[0]->text().startsWith("&Adobe Photoshop"));
    QVERIFY(entries[1]->text().startsWith("&SketchBook Pro"));
    const QList<QAction*> toolBar = rig.part<QToolBar>("toolBar")->actions();
    QCOMPARE(toolBar.mid(toolBar.size() - 2), entries);

    rig.thumbnails()->setCurrentRow(-1);
    for (QAction* entry : entries)
        QVERIFY(!entry->isEnabled());
    rig.thumbnails()->setCurrentRow(0);
    QVERIFY(submenu->isEnabled());
    QVERIFY(entries[0]->isEnabled());
}

QTEST_MAIN(TestMainWindowExports)
#include "tst_MainWindowExports.moc"
