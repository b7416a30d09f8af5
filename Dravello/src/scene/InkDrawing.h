#ifndef DRAVELLO_SCENE_INKDRAWING_H
#define DRAVELLO_SCENE_INKDRAWING_H

#include "PaintFormat.h"
#include "StrokeDrawing.h"

#include <QRectF>

#include <cstddef>
#include <vector>

class QPainter;

namespace Pelm {
class Document;
class Stroke;
}

// A sketch drawn straight from its ink as a freshly built scene of it draws
// it (DocumentGraphicModel with the same pen and outline flag: every layer
// painted in that pen), without graphics items, so that any thread may draw
// it, and a scene may be built from its stroke drawings. The document is only
// read (it is non-const for the ink model's element access) and must outlive
// the drawing.
//
// A drawing made only to be painted may hold at most keptBytes of stroke
// drawings: those of the first strokes are kept from the measure to the
// paint, the others made again as they are painted, so that a huge sketch
// costs the memory of one stroke's drawing at a time. A kept drawing takes
// some 24 bytes a point, and painting its path caches some 3 KB with it
// (Qt's conversion of the path for the paint engine) however few points it
// has.
class InkDrawing {
public:
    static constexpr std::size_t kKeepAll = static_cast<std::size_t>(-1);

    InkDrawing(Pelm::Document& document, const PaintFormat& pen, bool outline,
               std::size_t keptBytes = kKeepAll);

    // The scene rectangle of such a scene: the area its strokes claim.
    const QRectF& area() const { return m_area; }
    unsigned long layerCount() const { return static_cast<unsigned long>(m_layerEnds.size()); }
    const PaintFormat& pen() const { return m_pen; }
    bool isOutline() const { return m_outline; }

    // The drawings of every stroke when all are kept, layer by layer: those
    // of layer i end before index layerEnd(i). A scene being built may move
    // them out.
    std::vector<StrokeShape>& strokes() { return m_strokes; }
    std::size_t layerEnd(unsigned long layer) const { return m_layerEnds[layer]; }

    // Every stroke, layer by layer, in ink coordinates.
    void paint(QPainter& painter) const;

private:
    StrokeShape drawingOf(const Pelm::Stroke& stroke) const;
    void paintStroke(QPainter& painter, const StrokeShape& stroke) const;

    PaintFormat m_pen;
    bool m_outline;
    std::vector<StrokeShape> m_strokes;
    // The strokes after those of the kept drawings, in order.
    std::vector<const Pelm::Stroke*> m_remadeStrokes;
    std::vector<std::size_t> m_layerEnds;
    QRectF m_area;
};

#endif
