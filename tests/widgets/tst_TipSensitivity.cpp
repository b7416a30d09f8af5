#include "TipSensitivity.h"

#include <QTest>

namespace {

const QColor ink(42, 42, 208);
const QColor paper(Qt::white);

QColor pixelAt(QWidget& pad, const QPoint& point)
{
    return pad.grab().toImage().pixelColor(point);
}

void stroke(QWidget& pad, Qt::MouseButton button, const QList<QPoint>& points)
{
    QTest::mousePress(&pad, button, {}, points.first());
    for (const QPoint& point : points.mid(1))
        QTest::mouseMove(&pad, point);
    QTest::mouseRelease(&pad, button, {}, points.last());
}

} // namespace

class TipSensitivityTest : public QObject
{
    Q_OBJECT

private:
    struct ShownPad {
        TipSensitivity pad;
        explicit ShownPad(const QSize& size)
        {
            pad.resize(size);
            pad.show();
        }
    };

private slots:
    void strokesLeaveInk_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<QColor>("expected");
        const QList<QPoint> line{{20, 20}, {60, 20}, {100, 20}};
        QTest::newRow("left drag, on the line") << int(Qt::LeftButton) << line << QPoint(80, 20) << ink;
        QTest::newRow("left drag, beside the line") << int(Qt::LeftButton) << line << QPoint(80, 40) << paper;
        QTest::newRow("right drag") << int(Qt::RightButton) << line << QPoint(80, 20) << paper;
        QTest::newRow("click without moving") << int(Qt::LeftButton) << QList<QPoint>{{50, 70}} << QPoint(50, 70)
                                              << ink;
        QTest::newRow("press and release apart") << int(Qt::LeftButton) << QList<QPoint>{{20, 90}, {120, 90}}
                                                 << QPoint(70, 90) << ink;
    }

    void strokesLeaveInk()
    {
        QFETCH(int, button);
        QFETCH(QList<QPoint>, points);
        QFETCH(QPoint, probe);
        QFETCH(QColor, expected);

        ShownPad shown(QSize(200, 150));
        shown.pad.clearImage();
        stroke(shown.pad, Qt::MouseButton(button), points);
        QCOMPARE(pixelAt(shown.pad, probe), expected);
    }

    void resizingKeepsTheDrawing()
    {
        ShownPad shown(QSize(200, 150));
        TipSensitivity& pad = shown.pad;
        stroke(pad, Qt::LeftButton, {{150, 100}, {180, 100}});

        pad.resize(60, 40);
        pad.resize(600, 400);
        QCOMPARE(pixelAt(pad, QPoint(160, 100)), ink);
        QCOMPARE(pixelAt(pad, QPoint(160, 110)), paper);
        QCOMPARE(pixelAt(pad, QPoint(550, 350)), paper);
    }

    void clearingWipesThePad()
    {
        TipSensitivity neverShown;
        neverShown.clearImage(); // no image yet: nothing to fill

        ShownPad shown(QSize(200, 150));
        stroke(shown.pad, Qt::LeftButton, {{20, 20}, {100, 20}});
        shown.pad.clearImage();
        QCOMPARE(pixelAt(shown.pad, QPoint(60, 20)), paper);
    }
};

QTEST_MAIN(TipSensitivityTest)
#include "tst_TipSensitivity.moc"
