#include "BindingRectangle.h"

#include <initializer_list>

namespace Pelm {

BindingRectangle::BindingRectangle() : topLeft(Point()), bottomRight(Point()) {}

BindingRectangle::BindingRectangle(const BindingRectangle& other)
    : topLeft(other.topLeft), bottomRight(other.bottomRight)
{
}

BindingRectangle& BindingRectangle::operator=(const BindingRectangle& other)
{
    topLeft = other.topLeft;
    bottomRight = other.bottomRight;
    return *this;
}

void BindingRectangle::shift(double dx, double dy)
{
    Point tl = topLeft.Get();
    Point br = bottomRight.Get();
    tl.shift(dx, dy);
    br.shift(dx, dy);
    topLeft.Set(tl);
    bottomRight.Set(br);
}

void BindingRectangle::rotate(float angle)
{
    if (angle == 0.0f)
        return;
    Point corners[4] = {
        topLeft.Get(),
        bottomRight.Get(),
        Point(bottomRight.Get().x.Get(), topLeft.Get().y.Get(), 0.0, 0u, 0, 0, 0ul),
        Point(topLeft.Get().x.Get(), bottomRight.Get().y.Get(), 0.0, 0u, 0, 0, 0ul),
    };
    for (Point& corner : corners)
        corner.rotate(angle);

    double minX, maxX, minY, maxY;
    getMinMax(corners[0].x.Get(), corners[1].x.Get(), corners[2].x.Get(), corners[3].x.Get(), minX,
              maxX);
    getMinMax(corners[0].y.Get(), corners[1].y.Get(), corners[2].y.Get(), corners[3].y.Get(), minY,
              maxY);
    topLeft.Set(Point(minX, minY, 0.0, 0u, 0, 0, 0ul));
    bottomRight.Set(Point(maxX, maxY, 0.0, 0u, 0, 0, 0ul));
}

void getMinMax(double a, double b, double c, double d, double& min, double& max)
{
    min = a;
    max = a;
    for (double v : {b, c, d}) {
        if (min > v)
            min = v;
        if (v > max)
            max = v;
    }
}

} // namespace Pelm
