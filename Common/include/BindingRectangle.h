#ifndef PELM_BINDINGRECTANGLE_H
#define PELM_BINDINGRECTANGLE_H

#include "Point.h"

namespace Pelm {

// Axis-aligned box about a region's contents.
class BindingRectangle {
public:
    BindingRectangle();
    BindingRectangle(const BindingRectangle& other);
    BindingRectangle& operator=(const BindingRectangle& other);
    ~BindingRectangle() = default;

    void shift(double dx, double dy);
    // Replaces the box by the axis-aligned box of its four rotated corners.
    void rotate(float angle);

    Property<Point> topLeft;     // least x and y
    Property<Point> bottomRight; // greatest x and y
};

void getMinMax(double a, double b, double c, double d, double& min, double& max);

} // namespace Pelm

#endif
