// Back and Forward over the folders reached in the tree, and the move of the
// sketches off the receiver from the tree's menu.

#include "WindowTestSupport.h"

#include "DirView.h"

#include <QMenu>
#include <QMessageBox>
#include <QPointer>

using windowtest::WindowRig;

namespace {

QMenu* shownMenu()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(widget); menu && menu->isVisible())
            return menu;
    return nullptr;
}

// A click as the window system delivers it: to the widget's window, at the
// point of the widget.
void clickThroughWindow(QWidget* widget, Qt::MouseButton button, const QPoint& at)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), button, {}, widget->mapTo(top, at));
}

} // namespace

class TestMainWindowNavigation : public QObject {
    Q_OBJECT

private slots:
    void backAndForwardShowFoldersWithoutRecordingThem();
    void theReceiversMenuMovesItsSketches_data();
    void theReceiversMenuMovesItsSketches();
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

void TestMainWindowNavigation::theReceiversMenuMovesItsSketches_data()
{
    QTest::addColumn<bool>("folderChosen");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("moved");
    QTest::newRow("confirmed") << true << QMessageBox::Ok << true;
    QTest::newRow("question cancelled") << true << QMessageBox::Cancel << false;
    QTest::newRow("folder dialog cancelled") << false << QMessageBox::Ok << false;
}

// The entry's modal dialogs run inside the menu's own handling of the click:
// the menu must outlive them.
void TestMainWindowNavigation::theReceiversMenuMovesItsSketches()
{
    QFETCH(bool, folderChosen);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, moved);
    WindowRig rig;
    const QString sketches = rig.sketch("SCRIVET/My Sketches");
    const QString destination = rig.sketch("kept");
    QVERIFY(QDir().mkpath(sketches));
    QVERIFY(QDir().mkpath(destination));
    for (const char* name : {"/a.wpi", "/b.wpi"})
        QVERIFY(QFile::copy(windowtest::kWpiFixture, sketches + name));
    QVERIFY(rig.start());
    DirView* tree = rig.part<DirView>("m_dirtree_view");
    tree->m_receiverFolder = sketches;
    QVERIFY(tree->navigateToDir(sketches));
    QTRY_COMPARE(rig.thumbnails()->count(), 2);
    QTRY_VERIFY(tree->visualRect(tree->currentIndex()).isValid());

    // Right-clicks the receiver's folder; the menu it shows.
    const auto openMenu = [&]() -> QPointer<QMenu> {
        clickThroughWindow(tree->viewport(), Qt::RightButton,
                           tree->visualRect(tree->currentIndex()).center());
        QMenu* menu = shownMenu();
        if (!menu || !QTest::qWaitForWindowExposed(menu) || menu->actions().size() != 1)
            return nullptr;
        return menu;
    };

    QPointer<QMenu> menu = openMenu();
    QVERIFY(menu);
    QAction* entry = menu->actions().first();
    QCOMPARE(entry->text(), QStringLiteral("&Move sketches to local folder"));
    windowtest::answerFileDialog(folderChosen ? destination : QString());
    rig.environment.prompt.answers = {answer};
    bool clicked = false;
    bool goneMidClick = false;
    const auto watch = connect(menu, &QObject::destroyed, this, [&] { goneMidClick = !clicked; });
    clickThroughWindow(menu, Qt::LeftButton, menu->actionGeometry(entry).center());
    clicked = true;
    disconnect(watch);
    QVERIFY2(!goneMidClick, "the menu was deleted while its entry ran");
    QTRY_VERIFY(!menu || !menu->isVisible());

    // Offered again afterwards; Escape closes it unused.
    menu = openMenu();
    QVERIFY(menu);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu || !menu->isVisible());

    QCOMPARE(rig.environment.prompt.requests.size(), folderChosen ? 1 : 0);
    const QStringList backups = QDir(destination).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(QDir(sketches).entryList(QDir::Files).isEmpty(), moved);
    if (moved) {
        QCOMPARE(backups.size(), 1);
        QVERIFY(backups.first().startsWith("sketch_backup_"));
        QCOMPARE(QDir(destination + "/" + backups.first()).entryList(QDir::Files),
                 (QStringList{"a.wpi", "b.wpi"}));
        QCOMPARE(windowtest::contents(destination + "/" + backups.first() + "/a.wpi"),
                 windowtest::contents(windowtest::kWpiFixture));
        QTRY_COMPARE(rig.thumbnails()->count(), 0);
    } else {
        QVERIFY(backups.isEmpty());
    }
}

QTEST_MAIN(TestMainWindowNavigation)
#include "tst_MainWindowNavigation.moc"
