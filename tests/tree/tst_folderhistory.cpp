#include "FolderCommands.h"
#include "FolderHistory.h"

#include <QAction>
#include <QtTest>

namespace {

FolderHistory visited(const QStringList& folders)
{
    FolderHistory history;
    for (const QString& folder : folders)
        history.record(folder);
    return history;
}

} // namespace

class TestFolderHistory : public QObject {
    Q_OBJECT

private slots:
    void backAndForwardWalkTheHistoryWithoutRecording()
    {
        FolderHistory history = visited({"A", "B", "C"});
        QCOMPARE(history.back(QStringLiteral("C")), std::optional<QString>(QStringLiteral("B")));
        QCOMPARE(history.back(QStringLiteral("B")), std::optional<QString>(QStringLiteral("A")));
        QVERIFY(!history.canGoBack());
        QCOMPARE(history.back(QStringLiteral("A")), std::nullopt);
        QCOMPARE(history.forward(QStringLiteral("A")), std::optional<QString>(QStringLiteral("B")));
        QVERIFY(history.canGoBack());
        QVERIFY(history.canGoForward());
        QCOMPARE(history.visitedDirs(), QStringList({"A", "B", "C"}));
    }

    void newFolderAfterGoingBackCollapsesTheHistory()
    {
        FolderHistory history = visited({"A", "B", "C"});
        history.back(QStringLiteral("C"));
        history.back(QStringLiteral("B"));
        history.forward(QStringLiteral("A"));
        history.record(QStringLiteral("D"));
        QCOMPARE(history.visitedDirs(), QStringList({"A", "D"}));
        QCOMPARE(history.backDirs(), QVector<QString>({"A"}));
        QVERIFY(!history.canGoForward());
        QCOMPARE(history.back(QStringLiteral("D")), std::optional<QString>(QStringLiteral("A")));
    }

    void knownFolderOnlyEmptiesTheForwardStack()
    {
        FolderHistory history = visited({"A", "B", "C"});
        history.back(QStringLiteral("C"));
        history.record(QStringLiteral("A"));
        QCOMPARE(history.visitedDirs(), QStringList({"A", "B", "C", "A"}));
        QVERIFY(!history.canGoForward());
        QCOMPARE(history.back(QStringLiteral("A")), std::optional<QString>(QStringLiteral("C")));
    }

    void pathsAreComparedExactly()
    {
        FolderHistory history;
        history.record(QStringLiteral("/x/A"));
        history.record(QStringLiteral("/x/B"));
        history.back(QStringLiteral("/x/B"));
        // Another spelling is a new folder: the history collapses.
        history.record(QStringLiteral("/x/a"));
        QCOMPARE(history.visitedDirs(), QStringList({"/x/A", "/x/a"}));
    }

    void clearingKeepsTheVisitedFolders()
    {
        FolderHistory history = visited({"A", "B", "C"});
        history.back(QStringLiteral("C"));
        history.clearBackAndForward();
        QVERIFY(!history.canGoBack());
        QVERIFY(!history.canGoForward());
        QCOMPARE(history.visitedDirs().size(), 3);
    }

    void actionsFollowTheStacks()
    {
        QAction back;
        QAction forward;
        forward.setToolTip(QStringLiteral("somewhere"));
        FolderHistory history;
        history.record(QStringLiteral("A"));
        showHistoryState(history, back, forward);
        QVERIFY(!back.isEnabled());
        QVERIFY(!forward.isEnabled());
        QCOMPARE(forward.toolTip(), QStringLiteral("Forward"));

        history.record(QStringLiteral("B"));
        history.back(QStringLiteral("B"));
        history.forward(QStringLiteral("A"));
        history.back(QStringLiteral("B"));
        showHistoryState(history, back, forward);
        QVERIFY(!back.isEnabled());
        QVERIFY(forward.isEnabled());
        history.forward(QStringLiteral("A"));
        showHistoryState(history, back, forward);
        QVERIFY(back.isEnabled());
        QVERIFY(!forward.isEnabled());
    }
};

QTEST_MAIN(TestFolderHistory)
#include "tst_folderhistory.moc"
