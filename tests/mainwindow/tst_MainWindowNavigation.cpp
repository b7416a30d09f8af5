// Back and Forward over the folders reached in the tree.

#include "WindowTestSupport.h"

#include "DirView.h"

using windowtest::WindowRig;

class TestMainWindowNavigation : public QObject {
    Q_OBJECT

private slots:
    void backAndForwardShowFoldersWithoutRecordingThem();
};

void TestMainWindowNavigation::backAndForwardShowFoldersWithoutRecordingThem()
{
    WindowRig rig;
    QVERIFY(QDir().mkpath(rig.sketch("B")));
    QVERIFY(QDir().mkpath(rig.sketch("C")));
    QFile::copy(windowtest::kInkMLFixture, rig.sketch("B/b1.hlv"));
    QVERIFY(rig.start());
    DirView* tree = rig.part<DirView>("m_dirtree_view");
    QAction* back = rig.action("actionBack");
    QAction* forward = rig.action("actionForward");
    QVERIFY(!back->isEnabled());

    QVERIFY(tree->navigateToDir(rig.sketch("B")));
    QVERIFY(tree->navigateToDir(rig.sketch("C")));
    QVERIFY(back->isEnabled());

    back->trigger();
    QCOMPARE(tree->getCurrentDir().absolutePath(), rig.sketch("B"));
    QTRY_COMPARE(rig.shownPaths(), QStringList{rig.sketch("B/b1.hlv")});
    QVERIFY(forward->isEnabled());
    back->trigger();
    QCOMPARE(tree->getCurrentDir().absolutePath(), rig.documents());
    QVERIFY(!back->isEnabled());

    forward->trigger();
    QCOMPARE(tree->getCurrentDir().absolutePath(), rig.sketch("B"));
    QVERIFY(back->isEnabled());
    forward->trigger();
    QCOMPARE(tree->getCurrentDir().absolutePath(), rig.sketch("C"));
    QVERIFY(!forward->isEnabled());

    // Going back twice from C lands on the start folder again: nothing the
    // steps showed was recorded.
    back->trigger();
    back->trigger();
    QCOMPARE(tree->getCurrentDir().absolutePath(), rig.documents());
    QVERIFY(!back->isEnabled());
}

QTEST_MAIN(TestMainWindowNavigation)
#include "tst_MainWindowNavigation.moc"
