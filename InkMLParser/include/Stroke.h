#ifndef PELM_STROKE_H
#define PELM_STROKE_H

#include "Region.h"

namespace Pelm {

class Stroke : public Region<Point> {
public:
    void addElementAtHead(const Point& point) override;
    void updateBindingRectangle(const Point& point) const override;
};

} // namespace Pelm

#endif
