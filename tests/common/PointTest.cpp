#include "BindingRectangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Pelm::BindingRectangle;
using Pelm::Point;
using Pelm::Property;

namespace {

void expectAllZero(const Point& p)
{
    EXPECT_EQ(p.x.Get(), 0.0);
    EXPECT_EQ(p.y.Get(), 0.0);
    EXPECT_EQ(p.z.Get(), 0.0);
    EXPECT_EQ(p.pressure.Get(), 0u);
    EXPECT_EQ(p.tiltX.Get(), 0);
    EXPECT_EQ(p.tiltY.Get(), 0);
    EXPECT_EQ(p.timestamp.Get(), 0ul);
}

} // namespace

TEST(Point, DefaultsAreZero)
{
    expectAllZero(Point());
    BindingRectangle rect;
    expectAllZero(rect.topLeft.Get());
    expectAllZero(rect.bottomRight.Get());
    EXPECT_TRUE(Point() == Point());
}

TEST(Point, EqualityIgnoresPressureTiltAndTime)
{
    const Point a(1, 2, 3, 10, 4, 5, 99);
    const Point b(1, 2, 3, 20, -4, -5, 7);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == Point(1, 2, 3.5, 10, 4, 5, 99));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(Point(nan, 0, 0, 0, 0, 0, 0) == Point(nan, 0, 0, 0, 0, 0, 0));
}

TEST(Property, PointAssignmentKeepsExtraFieldsOfAnEqualPoint)
{
    Property<Point> held(Point(1, 2, 0, 10, 4, 5, 99));
    const Property<Point> sameSpot(Point(1, 2, 0, 77, -1, -2, 3));

    held = sameSpot;
    EXPECT_EQ(held.Get().pressure.Get(), 10u);
    EXPECT_EQ(held.Get().tiltX.Get(), 4);
    EXPECT_EQ(held.Get().timestamp.Get(), 99ul);

    held.Set(sameSpot.Get());
    EXPECT_EQ(held.Get().pressure.Get(), 77u);
    EXPECT_EQ(held.Get().tiltY.Get(), -2);
    EXPECT_EQ(held.Get().timestamp.Get(), 3ul);

    held = Property<Point>(Point(5, 2, 0, 1, 1, 1, 1));
    EXPECT_EQ(held.Get().x.Get(), 5.0);
    EXPECT_EQ(held.Get().pressure.Get(), 1u);

    Property<std::string> text("a");
    Property<std::string> copy(text);
    text.Set("b");
    EXPECT_EQ(copy.Get(), "a");
}

TEST(Point, AngleTable)
{
    const float pi = Point::Pi;
    struct Case {
        double x, y;
        float angle;
    } cases[] = {
        {0, 5, static_cast<float>(0.5 * pi)},  {0, -5, static_cast<float>(1.5 * pi)},
        {0, 0, static_cast<float>(0.5 * pi)},  {-3, 0, pi},
        {3, 0, 0.0f},                          {-1, -1, std::atan(1.0f) - pi},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Point(c.x, c.y, 0, 0, 0, 0, 0).getAngle(), c.angle) << c.x << "," << c.y;
    EXPECT_EQ(Pelm::Point::Pi, 3.14159f);
}

TEST(Point, RotationIsSinglePrecisionAndLeavesOtherFields)
{
    Point p(10, 0, 0, 500, 3, -3, 42);
    p.rotate(Point::Pi / 2);
    EXPECT_NEAR(p.x.Get(), 0.0, 1e-4);
    EXPECT_NEAR(p.y.Get(), 10.0, 1e-5);
    EXPECT_EQ(p.pressure.Get(), 500u);
    EXPECT_EQ(p.tiltY.Get(), -3);
    EXPECT_EQ(p.timestamp.Get(), 42ul);

    const Point q(3.3, -7.1, 0, 1, 2, 3, 4);
    Point unchanged = q;
    unchanged.rotate(0.0f);
    EXPECT_EQ(unchanged.x.Get(), q.x.Get());
    EXPECT_EQ(unchanged.y.Get(), q.y.Get());
    Point origin;
    origin.rotate(1.0f);
    expectAllZero(origin);

    EXPECT_FLOAT_EQ(static_cast<float>(Point(3, 4, 0, 0, 0, 0, 0).getRadius()), 5.0f);
}

TEST(Point, TransformRotatesThenMoves)
{
    Point p(10, 0, 0, 0, 0, 0, 0);
    p.transform(Point::Pi / 2, 1.0f, 2.0f);
    EXPECT_NEAR(p.x.Get(), 1.0, 1e-4);
    EXPECT_NEAR(p.y.Get(), 12.0, 1e-4);
}

TEST(Point, HugeAndNonFiniteValuesAreDefined)
{
    // Values beyond float range must not be narrowed with undefined behaviour.
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {1e300, -1e300, inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
        Point p(v, 1, 0, 0, 0, 0, 0);
        p.getAngle();
        p.getRadius();
        p.rotate(0.5f);
        Point q(1, v, 0, 0, 0, 0, 0);
        q.rotate(0.5f);
        q.transform(1.0f, 0.0f, 0.0f);
    }
    EXPECT_EQ(Pelm::toFloat(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(Pelm::toFloat(-1e300), -std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(Pelm::toFloat(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(Pelm::toFloat(2.5), 2.5f);
}

TEST(BindingRectangle, QuarterTurnBoxesTheRotatedCorners)
{
    BindingRectangle rect;
    rect.bottomRight.Set(Point(10, 20, 0, 0, 0, 0, 0));
    rect.rotate(Point::Pi / 2);
    EXPECT_NEAR(rect.topLeft.Get().x.Get(), -20.0, 1e-3);
    EXPECT_NEAR(rect.topLeft.Get().y.Get(), 0.0, 1e-3);
    EXPECT_NEAR(rect.bottomRight.Get().x.Get(), 0.0, 1e-3);
    EXPECT_NEAR(rect.bottomRight.Get().y.Get(), 10.0, 1e-3);
}

TEST(BindingRectangle, ZeroTurnKeepsCornersWhole)
{
    BindingRectangle rect;
    rect.topLeft.Set(Point(1, 2, 0, 300, 4, 5, 6));
    rect.bottomRight.Set(Point(7, 8, 0, 9, 1, 1, 1));
    rect.rotate(0.0f);
    EXPECT_EQ(rect.topLeft.Get().pressure.Get(), 300u);
    EXPECT_EQ(rect.bottomRight.Get().x.Get(), 7.0);

    rect.shift(1.5, -2);
    EXPECT_EQ(rect.topLeft.Get().x.Get(), 2.5);
    EXPECT_EQ(rect.bottomRight.Get().y.Get(), 6.0);
}

TEST(BindingRectangle, MinMaxOfFour)
{
    double lo, hi;
    Pelm::getMinMax(3, -1, 7, 2, lo, hi);
    EXPECT_EQ(lo, -1);
    EXPECT_EQ(hi, 7);
}
