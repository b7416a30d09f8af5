// The layer list: its context menu, check boxes, pointer and drops.

#include "EditorTestSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QtTest>

using namespace editortest;

namespace {

void moveTo(ListWidgetPelm& list, const QPoint& viewportPos)
{
    QMouseEvent event(QEvent::MouseMove, viewportPos, list.viewport()->mapToGlobal(viewportPos),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &event);
}

QRect rowRect(ListWidgetPelm& list, int row) { return list.visualItemRect(list.item(row)); }

QPoint checkBoxOf(ListWidgetPelm& list, int row)
{
    return list.checkIndicatorRect(list.model()->index(row, 0)).center();
}

int overrideCursorDepth()
{
    int depth = 0;
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++depth;
    }
    return depth;
}

} // namespace

class ListWidgetPelmTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> shown(const std::vector<int>& strokes)
    {
        auto f = std::make_unique<EditorFixture>();
        f->open(numberedSketch(strokes));
        f->editor->show();
        if (!QTest::qWaitForWindowExposed(f->editor.get()))
            qFatal("the editor was not shown");
        return f;
    }

private slots:
    void cleanup() { overrideCursorDepth(); }

    void rightClickFindsTheRowUnderThePointer()
    {
        auto f = shown({1, 1, 1});
        ListWidgetPelm& list = f->list();
        // The far corner of a row: in the frame's coordinates it would miss.
        rightClick(list, rowRect(list, 1).bottomRight());
        QCOMPARE(list.getSelectedLayerIndex(), 1);
        QVERIFY(list.contextMenu()->isVisible());
        list.contextMenu()->hide();

        const QRect last = rowRect(list, 2);
        rightClick(list, QPoint(last.left(), list.viewport()->height() - 2));
        QCOMPARE(list.getSelectedLayerIndex(), -1);
        QVERIFY(!list.contextMenu()->isVisible());
    }

    void playerTabKeepsTheMenuHidden()
    {
        auto f = shown({1, 1});
        ListWidgetPelm& list = f->list();
        list.permitRmbClickSlot(false);
        rightClick(list, rowRect(list, 0).center());
        QCOMPARE(list.getSelectedLayerIndex(), 0);
        QVERIFY(!list.contextMenu()->isVisible());
    }

    void deleteFromTheMenuDeletesTheSelection()
    {
        auto f = shown({1, 2, 3, 4});
        ListWidgetPelm& list = f->list();
        f->select({0, 1});
        rightClick(list, rowRect(list, 3).center());
        list.contextMenu()->hide();
        f->list().item(3)->setCheckState(Qt::Unchecked);
        list.contextMenu()->actions().at(0)->trigger();
        QCOMPARE(f->layerCount(), 2);
        QCOMPARE(f->starts(0), range(200, 203));
        QCOMPARE(list.item(1)->checkState(), Qt::Checked);
    }

    void checkBoxClicksLeaveTheSelection()
    {
        auto f = shown({1, 1, 1});
        ListWidgetPelm& list = f->list();
        f->select({0});
        QVERIFY(!list.checkIndicatorRect(list.model()->index(1, 0)).isEmpty());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, checkBoxOf(list, 1));
        QCOMPARE(list.item(1)->checkState(), Qt::Unchecked);
        QVERIFY(list.item(0)->isSelected());
        QVERIFY(!list.item(1)->isSelected());

        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowRect(list, 1).center());
        QVERIFY(list.item(1)->isSelected());
        QVERIFY(!list.item(0)->isSelected());
    }

    void pointingHandIsPutUpOnceAndTakenBackAlone()
    {
        auto f = shown({1, 1});
        ListWidgetPelm& list = f->list();
        QApplication::setOverrideCursor(Qt::CrossCursor);
        moveTo(list, checkBoxOf(list, 0));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
        moveTo(list, checkBoxOf(list, 0) + QPoint(1, 0));
        moveTo(list, rowRect(list, 0).bottomRight() - QPoint(2, 2));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        moveTo(list, QPoint(list.viewport()->width() - 2, list.viewport()->height() - 2));
        QCOMPARE(overrideCursorDepth(), 1);
    }

    // Turned layers get new icons of another shape; what the list shows on
    // screen afterwards is what it holds, with no rows left from before.
    void turnedSketchLeavesNoStaleRowsOnScreen()
    {
        auto f = shown({3, 3, 3});
        ListWidgetPelm& list = f->list();
        QTest::qWait(20);
        for (int step = 0; step < 2; ++step) {
            f->editor->rotateClockwise();
            QTest::qWait(50);
            const QRect area(list.mapTo(f->editor.get(), QPoint()), list.size());
            const QImage onScreen = f->editor->screen()
                                        ->grabWindow(f->editor->winId(), area.x(), area.y(),
                                                     area.width(), area.height())
                                        .toImage()
                                        .convertToFormat(QImage::Format_RGB32);
            const QImage painted = f->editor->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(onScreen == painted, qPrintable(QStringLiteral("after step %1").arg(step + 1)));
        }
    }

    void rowsFromElsewhereAreNotDropped()
    {
        auto f = shown({1, 1});
        ListWidgetPelm& list = f->list();
        QListWidget other;
        other.addItem(QStringLiteral("stranger"));
        std::unique_ptr<QMimeData> data(other.model()->mimeData({other.model()->index(0, 0)}));
        QVERIFY(data);
        const QPoint emptySpace(list.viewport()->width() - 2, list.viewport()->height() - 2);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(emptySpace, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &enter);
        QDragMoveEvent move(emptySpace, actions, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &move);
        QDropEvent drop(QPointF(emptySpace), actions, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &drop);
        QCOMPARE(f->rowTexts(), QStringList({"layer 1", "layer 2"}));
    }
};

QTEST_MAIN(ListWidgetPelmTest)
#include "tst_listwidgetpelm.moc"
