// The geometry of a stroke: pressure outline and polyline.

#include "PaintFormat.h"
#include "Stroke.h"
#include "StrokeDrawing.h"

#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kPen = 3.0f;

std::vector<InkSample> horizontalStroke(unsigned int pressure)
{
    return {{10, 50, pressure}, {20, 50, pressure}, {30, 50, pressure}};
}

} // namespace

class StrokeDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void pressureSetsTheHalfWidth_data()
    {
        QTest::addColumn<unsigned int>("pressure");
        QTest::addColumn<float>("factor");
        QTest::newRow("no pressure: the pen's width") << 0u << 1.0f;
        QTest::newRow("half") << 512u << 0.5f;
        QTest::newRow("unit") << 1024u << 1.0f;
        QTest::newRow("double") << 2048u << 2.0f;
        QTest::newRow("far above the unit, not capped") << 60000u << 58.59375f;
        QTest::newRow("largest positive") << 0x7FFFFFFFu << 2097152.0f;
        QTest::newRow("wrapped negative counts as none") << 0xFFFF8000u << 1.0f;
    }

    void pressureSetsTheHalfWidth()
    {
        QFETCH(unsigned int, pressure);
        QFETCH(float, factor);
        QCOMPARE(pressureFactor(pressure), factor);

        // Left to right the outline runs at (x, y - w) in front and (x, y + w) behind.
        const QPolygonF outline = pressureOutline(horizontalStroke(pressure), kPen);
        QCOMPARE(outline.size(), 6);
        const double w = factor * kPen;
        for (int k = 0; k < 3; ++k) {
            const double x = 10.0 + 10 * k;
            QCOMPARE(outline[k], QPointF(x, 50 - w));
            QCOMPARE(outline[5 - k], QPointF(x, 50 + w));
        }
    }

    void outlineSurroundsAStrokeGoingAnyWay_data()
    {
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        QTest::newRow("right") << 10.0 << 0.0;
        QTest::newRow("left") << -10.0 << 0.0;
        QTest::newRow("down") << 0.0 << 10.0;
        QTest::newRow("up") << 0.0 << -10.0;
    }

    // Every sample lies between its two outline points, a pen width apart.
    void outlineSurroundsAStrokeGoingAnyWay()
    {
        QFETCH(double, dx);
        QFETCH(double, dy);
        std::vector<InkSample> samples;
        for (int k = 0; k < 4; ++k)
            samples.push_back({100 + k * dx, 100 + k * dy, 0u});
        const QPolygonF outline = pressureOutline(samples, kPen);
        for (int k = 1; k < 3; ++k) {
            const QPointF front = outline[k];
            const QPointF back = outline[7 - k];
            const QPointF middle = (front + back) / 2;
            QCOMPARE(middle, QPointF(samples[k].x, samples[k].y));
            QCOMPARE(QLineF(front, back).length(), 2.0 * kPen);
        }
    }

    void aTapIsADot_data()
    {
        QTest::addColumn<int>("samples");
        QTest::newRow("one point") << 1;
        QTest::newRow("one spot, several samples") << 3;
    }

    void aTapIsADot()
    {
        QFETCH(int, samples);
        const std::vector<InkSample> tap(samples, InkSample{40, 60, 2048u});
        const QPolygonF dot = pressureOutline(tap, kPen);
        QVERIFY(dot.size() >= 8);
        for (const QPointF& corner : dot)
            QCOMPARE(QLineF(corner, QPointF(40, 60)).length(), 2.0 * kPen);

        const QPainterPath line = polyline(tap, 1.5);
        QVERIFY(!line.isEmpty());
        QVERIFY(line.boundingRect().contains(QPointF(40, 60)));
        QVERIFY(line.boundingRect().width() > 0);
    }

    // Tap shapes keep no path of their own and paint through one the thread
    // reuses: each must still draw its own dot, in its place and size,
    // exactly as its polyline draws.
    void tapShapesDrawTheirOwnDots()
    {
        struct Tap {
            double x;
            double y;
            double penWidth;
        };
        const Tap taps[] = {{20.25, 30.5, 6.0}, {70.5, 25.75, 11.0}, {45.0, 75.0, 0.4}, {80.0, 80.0, 3.0}};
        PaintFormat pen;
        pen.setPenColor(Qt::darkBlue);
        pen.setWidth(2);
        QPen plainPen(pen.penColor());
        plainPen.setWidth(2);

        QImage drawn(100, 100, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QImage expected = drawn;
        QPainter shapes(&drawn);
        QPainter dots(&expected);
        dots.setRenderHint(QPainter::Antialiasing, true);
        dots.setPen(plainPen);
        for (const Tap& tap : taps) {
            Pelm::Stroke stroke;
            stroke.addElement(Pelm::Point(tap.x, tap.y, 0, 0, 0, 0, 0ul));
            const StrokeShape shape(stroke, false, kPen, tap.penWidth);
            const QPainterPath dot = polyline(drawableSamples(stroke), std::max(tap.penWidth / 2, 0.5));
            QCOMPARE(shape.rect(), dot.boundingRect());
            shape.paint(shapes, pen, true);
            dots.drawPath(dot);
        }
        shapes.end();
        dots.end();
        QVERIFY(drawn.pixel(45, 75) != qRgb(255, 255, 255));
        QCOMPARE(drawn, expected);
    }

    void nothingToDrawGivesNothing()
    {
        QVERIFY(pressureOutline({}, kPen).isEmpty());
        QVERIFY(polyline({}, 1.5).isEmpty());
    }

    void onlyFinitePointsAreDrawn()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        Pelm::Stroke stroke;
        stroke.addElement(Pelm::Point(1, 2, 0, 0, 0, 0, 0ul));
        stroke.addElement(Pelm::Point(nan, 2, 0, 0, 0, 0, 0ul));
        stroke.addElement(Pelm::Point(3, inf, 0, 0, 0, 0, 0ul));
        stroke.addElement(Pelm::Point(5, 6, 0, 7, 0, 0, 0ul));

        const std::vector<InkSample> samples = drawableSamples(stroke);
        QCOMPARE(samples.size(), std::size_t(2));
        QCOMPARE(samples[1].x, 5.0);
        QCOMPARE(samples[1].pressure, 7u);
    }

    void polylineSkipsRepeatedPoints()
    {
        const QPainterPath line = polyline({{0, 0, 0u}, {0, 0, 0u}, {5, 0, 0u}, {5, 0, 0u}, {5, 5, 0u}}, 1.5);
        QCOMPARE(line.elementCount(), 3);
        QCOMPARE(QPointF(line.elementAt(2)), QPointF(5, 5));
    }
};

QTEST_GUILESS_MAIN(StrokeDrawingTest)
#include "tst_strokedrawing.moc"
