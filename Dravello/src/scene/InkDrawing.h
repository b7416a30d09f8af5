#ifndef DRAVELLO_SCENE_INKDRAWING_H
#define DRAVELLO_SCENE_INKDRAWING_H

#include "PaintFormat.h"
#include "StrokeDrawing.h"

#include <QRectF>

#include <vector>

class QPainter;

namespace Pelm {
class Document;
}

// A sketch drawn straight from its ink as a freshly built scene of it draws
// it (DocumentGraphicModel with the same pen and outline flag: every layer
// painted in that pen), without graphics items, so that any thread may draw
// it. The document is only read (it is non-const for the ink model's element
// access).
class InkDrawing {
public:
    InkDrawing(Pelm::Document& document, const PaintFormat& pen, bool outline);

    // The scene rectangle of such a scene: the area its strokes claim.
    const QRectF& area() const { return m_area; }
    unsigned long layerCount() const { return m_layerCount; }

    // Every stroke, layer by layer, in ink coordinates.
    void paint(QPainter& painter) const;

private:
    PaintFormat m_pen;
    std::vector<StrokeShape> m_strokes;
    QRectF m_area;
    unsigned long m_layerCount = 0;
};

#endif
