// A start of the whole window: menus, tool bar and status bar of both pages.

#include "DialogTestSupport.h"
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

class TestMainWindowStart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startsOnTheBrowserPage();
    void screenshot();

private:
    QStringList menuTitles() const;
    QStringList visibleEntries(const QList<QAction*>& actions) const;

    std::unique_ptr<dialogtest::SettingsEnvironment> environment;
    std::unique_ptr<MainWindow> window;
};

void TestMainWindowStart::initTestCase()
{
    environment = std::make_unique<dialogtest::SettingsEnvironment>();
    QVERIFY(environment->load());
    window = std::make_unique<MainWindow>();
    QVERIFY(window->init(QString::fromStdString(environment->system.documents().string()),
                         environment->settingsPath));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

QStringList TestMainWindowStart::menuTitles() const
{
    QStringList titles;
    for (QAction* action : window->menuBar()->actions())
        titles << action->text();
    return titles;
}

QStringList TestMainWindowStart::visibleEntries(const QList<QAction*>& actions) const
{
    QStringList texts;
    for (QAction* action : actions) {
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    }
    return texts;
}

void TestMainWindowStart::startsOnTheBrowserPage()
{
    QCOMPARE(window->currentPage(), 0);
    QCOMPARE(menuTitles(), (QStringList{"File", "View", "Tools", "Help"}));
    QToolBar* toolBar = window->findChild<QToolBar*>("toolBar");
    QCOMPARE(visibleEntries(toolBar->actions()),
             (QStringList{"Back", "Forward", "Save Document As", "|"}));
    QMenu* view = window->findChild<QMenu*>("menuView");
    QCOMPARE(visibleEntries(view->actions()), (QStringList{"|", "|", "File System Tree", "|"}));
}

void TestMainWindowStart::screenshot()
{
    QVERIFY(window->grab().save("/tmp/mainwindow-browser.png"));
}

QTEST_MAIN(TestMainWindowStart)
#include "tst_MainWindowStart.moc"
