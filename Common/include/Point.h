#ifndef PELM_POINT_H
#define PELM_POINT_H

#include "Property.h"

namespace Pelm {

// One pen sample. Coordinates are tenths of a millimetre, y grows downward.
// Polar arithmetic is single precision, widened to double only at the end.
class Point {
public:
    static const float Pi; // 3.14159f, not a library value

    Point();
    Point(double x, double y, double z, unsigned int pressure, int tiltX, int tiltY,
          unsigned long timestamp);
    Point(const Point& other);
    Point& operator=(const Point& other);

    // Equal when x, y and z are; pressure, tilt and timestamp take no part.
    bool operator==(const Point& other) const;
    bool operator!=(const Point& other) const { return !(*this == other); }

    void shift(double dx, double dy);
    double getRadius() const;
    float getAngle() const;
    void rotate(float angle);
    void transform(float angle, float dx, float dy);

    Property<double> x;
    Property<double> y;
    Property<double> z;
    Property<unsigned int> pressure;
    Property<int> tiltX;
    Property<int> tiltY;
    Property<unsigned long> timestamp;
};

// Narrows a double to float without undefined behaviour: values beyond the
// float range become infinities, NaN stays NaN.
float toFloat(double value);

} // namespace Pelm

#endif
