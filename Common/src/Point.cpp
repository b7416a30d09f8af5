#include "Point.h"

#include <cfloat>
#include <cmath>

namespace Pelm {

const float Point::Pi = 3.14159f;

// A point is its seven values: the WPI reader makes one of every six bytes
// of a file.
static_assert(sizeof(Point) <= 6 * sizeof(double), "a point holds its values alone");

float toFloat(double value)
{
    if (value > FLT_MAX)
        return HUGE_VALF;
    if (value < -FLT_MAX)
        return -HUGE_VALF;
    return static_cast<float>(value);
}

Point::Point() : x(0.0), y(0.0), z(0.0), pressure(0u), tiltX(0), tiltY(0), timestamp(0ul) {}

Point::Point(double x_, double y_, double z_, unsigned int pressure_, int tiltX_, int tiltY_,
             unsigned long timestamp_)
    : x(x_), y(y_), z(z_), pressure(pressure_), tiltX(tiltX_), tiltY(tiltY_), timestamp(timestamp_)
{
}

Point::Point(const Point& other)
    : x(other.x), y(other.y), z(other.z), pressure(other.pressure), tiltX(other.tiltX),
      tiltY(other.tiltY), timestamp(other.timestamp)
{
}

Point& Point::operator=(const Point& other)
{
    x = other.x;
    y = other.y;
    z = other.z;
    pressure = other.pressure;
    tiltX = other.tiltX;
    tiltY = other.tiltY;
    timestamp = other.timestamp;
    return *this;
}

bool Point::operator==(const Point& other) const
{
    return x == other.x && y == other.y && z == other.z;
}

void Point::shift(double dx, double dy)
{
    x.Set(x.Get() + dx);
    y.Set(y.Get() + dy);
}

double Point::getRadius() const
{
    const float xf = toFloat(x.Get());
    const float yf = toFloat(y.Get());
    const float s = xf * xf + yf * yf;
    return std::sqrt(static_cast<double>(s));
}

float Point::getAngle() const
{
    const float xf = toFloat(x.Get());
    const float yf = toFloat(y.Get());
    if (xf == 0.0f)
        return static_cast<float>(yf >= 0.0f ? Pi * 0.5 : Pi * 1.5);
    if (yf == 0.0f)
        return xf > 0.0f ? 0.0f : Pi;
    float a = std::atan(yf / xf);
    if (xf < 0.0f)
        a = a - Pi;
    return a;
}

void Point::rotate(float angle)
{
    if (angle == 0.0f)
        return;
    const float a = getAngle();
    const double r = getRadius();
    if (r == 0.0)
        return;
    const float turned = a + angle;
    x.Set(static_cast<double>(std::cos(turned)) * r);
    y.Set(static_cast<double>(std::sin(turned)) * r);
}

void Point::transform(float angle, float dx, float dy)
{
    const float s = std::sin(angle);
    const float c = std::cos(angle);
    const double x0 = x.Get();
    const double y0 = y.Get();
    x.Set(dx + (c * x0 - s * y0));
    y.Set(dy + (s * x0 + c * y0));
}

} // namespace Pelm
