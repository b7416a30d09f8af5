#ifndef DRAVELLO_SCENE_STROKEDRAWING_H
#define DRAVELLO_SCENE_STROKEDRAWING_H

// The geometry of one stroke as the scene draws it: a pressure outline (a
// closed polygon around the stroke whose half width follows the pen
// pressure) or a plain polyline. Computed once per stroke item.

#include <QPainterPath>
#include <QPolygonF>

#include <vector>

namespace Pelm {
class Stroke;
}

// Pressure at which the outline has the pen's own width.
constexpr unsigned int kUnitPressure = 1024;

struct InkSample {
    double x;
    double y;
    unsigned int pressure;
};

// The stroke's points that can be drawn: those with finite coordinates.
std::vector<InkSample> drawableSamples(const Pelm::Stroke& stroke);

// Half-width factor for a pressure: pressure / 1024. A pressure of 0, and
// one that arrived as a negative number wrapped to 32 bits, count as the
// pen's own width (factor 1).
float pressureFactor(unsigned int pressure);

// True when every sample lies on one spot (a pen tap), drawn as a dot.
bool isTap(const std::vector<InkSample>& samples);

// 2n points for n samples: one side of the stroke from the front, the other
// from the back, with half width pressureFactor * penWidth at each sample.
// A tap gives a small round polygon of that half width; no samples, nothing.
QPolygonF pressureOutline(const std::vector<InkSample>& samples, float penWidth);

// Lines from sample to sample, repeated points skipped; a tap gives a small
// circle of radius dotRadius.
QPainterPath polyline(const std::vector<InkSample>& samples, double dotRadius);

#endif
