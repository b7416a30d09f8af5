#ifndef DRAVELLO_SCENE_STROKEDRAWING_H
#define DRAVELLO_SCENE_STROKEDRAWING_H

// The geometry of one stroke as the scene draws it: a pressure outline (a
// closed polygon around the stroke whose half width follows the pen
// pressure) or a plain polyline, and how it is painted. Computed once per
// stroke item; free of graphics items, so safe on any thread.

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <optional>
#include <vector>

class PaintFormat;
class QPainter;

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

// What one stroke draws: its pressure outline, with half widths from the
// layer's pen width, or its polyline, whose taps are dots of half the
// stroke's pen width (at least 0.5). A tap's dot is kept as its centre and
// radius and turned into a path only while painting: scenes of many taps
// then hold no path per tap.
class StrokeShape {
public:
    StrokeShape(const Pelm::Stroke& stroke, bool outline, float layerWidth, double strokeWidth);

    bool isOutline() const { return m_outline; }
    const QPolygonF& outline() const { return m_outlinePolygon; }
    // The extent of the drawing.
    const QRectF& rect() const { return m_rect; }

    // Antialiased, in the pen's colour: an outline filled; a polyline as a
    // cosmetic line of the pen's whole width with round caps, or, with
    // strokePen, as a plain line of the stroke's own pen.
    void paint(QPainter& painter, const PaintFormat& pen, bool strokePen) const;

private:
    void paintOutline(QPainter& painter, const QColor& color) const;
    void paintPolyline(QPainter& painter, const PaintFormat& pen, bool strokePen) const;

    struct Dot {
        QPointF centre;
        double radius;
    };

    bool m_outline;
    QPolygonF m_outlinePolygon;
    QPainterPath m_polyline;
    std::optional<Dot> m_dot;
    QRectF m_rect;
};

// The area a stroke item claims around its drawing: half the wider of the
// stroke's and the layer's pen and a margin for antialiasing on every side.
// Nothing for a drawing without extent.
QRectF paintedArea(const QRectF& drawing, double strokeWidth, double layerWidth);

#endif
