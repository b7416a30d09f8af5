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
// it, and a scene may be built from its stroke drawings. The document is only
// read (it is non-const for the ink model's element access).
class InkDrawing {
public:
    InkDrawing(Pelm::Document& document, const PaintFormat& pen, bool outline);

    // The scene rectangle of such a scene: the area its strokes claim.
    const QRectF& area() const { return m_area; }
    unsigned long layerCount() const { return static_cast<unsigned long>(m_layerEnds.size()); }
    const PaintFormat& pen() const { return m_pen; }
    bool isOutline() const { return m_outline; }

    // The drawings of every stroke, layer by layer: those of layer i end
    // before index layerEnd(i). A scene being built may move them out.
    std::vector<StrokeShape>& strokes() { return m_strokes; }
    std::size_t layerEnd(unsigned long layer) const { return m_layerEnds[layer]; }

    // Every stroke, layer by layer, in ink coordinates.
    void paint(QPainter& painter) const;

private:
    PaintFormat m_pen;
    bool m_outline;
    std::vector<StrokeShape> m_strokes;
    std::vector<std::size_t> m_layerEnds;
    QRectF m_area;
};

#endif
