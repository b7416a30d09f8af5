#ifndef DRAVELLO_TESTS_PLUGIN_INKDOCUMENTS_H
#define DRAVELLO_TESTS_PLUGIN_INKDOCUMENTS_H

// Small ink documents written as nested lists: layers of strokes of
// (x, y, pressure) samples.

#include "Document.h"
#include "SmartPointer.h"

#include <vector>

namespace testhost {

struct Sample {
    double x;
    double y;
    unsigned int pressure;
};
using InkStroke = std::vector<Sample>;
using InkLayer = std::vector<InkStroke>;

inline Pelm::Document inkDocument(const std::vector<InkLayer>& layers)
{
    Pelm::Document document;
    for (const InkLayer& strokes : layers) {
        Pelm::Layer layer;
        for (const InkStroke& samples : strokes) {
            Pelm::Stroke stroke;
            for (const Sample& s : samples)
                stroke.addElement(Pelm::Point(s.x, s.y, 0.0, s.pressure, 0, 0, 0ul));
            layer.addElement(stroke);
        }
        document.addElement(layer);
    }
    document.loaded.Set(true);
    return document;
}

inline Pelm::SmartPointer<Pelm::Document> sharedInkDocument(const std::vector<InkLayer>& layers)
{
    return Pelm::SmartPointer<Pelm::Document>(new Pelm::Document(inkDocument(layers)));
}

// A straight stroke of count samples from (x0, y0) to (x1, y1).
inline InkStroke straightStroke(double x0, double y0, double x1, double y1, unsigned long count)
{
    InkStroke stroke;
    for (unsigned long i = 0; i < count; ++i) {
        const double t = count > 1 ? static_cast<double>(i) / static_cast<double>(count - 1) : 0.0;
        stroke.push_back({x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, 512});
    }
    return stroke;
}

} // namespace testhost

#endif
