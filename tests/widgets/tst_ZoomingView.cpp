#include "ZoomingGraphicsView.h"
#include "ZoomingScrollBar.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTest>

namespace {

void sendWheel(QWidget* target, int verticalDelta)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, verticalDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

} // namespace

class ZoomingViewTest : public QObject
{
    Q_OBJECT

private slots:
    void wheelZoomsOnlyInZoomMode_data()
    {
        QTest::addColumn<bool>("zoomMode");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("zoomAction"); // -1: no zoom step, the bar scrolls
        QTest::newRow("away from the user") << true << 120 << int(ZoomInStep);
        QTest::newRow("towards the user") << true << -120 << int(ZoomOutStep);
        QTest::newRow("zero delta") << true << 0 << int(ZoomOutStep);
        QTest::newRow("zoom mode off") << false << -120 << -1;
    }

    void wheelZoomsOnlyInZoomMode()
    {
        QFETCH(bool, zoomMode);
        QFETCH(int, delta);
        QFETCH(int, zoomAction);

        ZoomingScrollBar bar(Qt::Vertical);
        bar.resize(16, 200);
        bar.setRange(0, 1000);
        bar.setValue(500);
        bar.switchZoomOnSlot(zoomMode);
        QSignalSpy spy(&bar, &ZoomingScrollBar::verticalScrollBarMovedSignal);

        sendWheel(&bar, delta);

        if (zoomAction < 0) {
            QCOMPARE(spy.count(), 0);
            QVERIFY(bar.value() != 500);
        } else {
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.first().at(0).value<ZoomAction>(), ZoomAction(zoomAction));
            QCOMPARE(bar.value(), 500);
        }
    }

    void viewTurnsWheelOverTheSketchIntoZoomSteps()
    {
        QGraphicsScene scene(0, 0, 400, 4000);
        ZoomingGraphicsView view(&scene);
        view.resize(300, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        auto* bar = qobject_cast<ZoomingScrollBar*>(view.verticalScrollBar());
        QVERIFY(bar);
        QCOMPARE(bar->orientation(), Qt::Vertical);
        QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QSignalSpy spy(bar, &ZoomingScrollBar::verticalScrollBarMovedSignal);

        const int top = bar->value();
        bar->switchZoomOnSlot(true);
        sendWheel(view.viewport(), 120);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(bar->value(), top);

        bar->switchZoomOnSlot(false);
        sendWheel(view.viewport(), -120);
        QCOMPARE(spy.count(), 1);
        QVERIFY(bar->value() > top);
    }
};

QTEST_MAIN(ZoomingViewTest)
#include "tst_ZoomingView.moc"
