#ifndef DRAVELLO_BENCH_LARGESKETCHES_H
#define DRAVELLO_BENCH_LARGESKETCHES_H

// Sketches as large as the readers take. WPI files as dense in points as the
// receiver's packets allow: each stroke a pen-down, one pressure packet and
// then only coordinates (six bytes a point), in handwriting-like rows over
// an A4 page, a new layer every thousand strokes.

#include "Document.h"
#include "WpiBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace benchsupport {

// Under the reader's cap of 64 MiB.
constexpr std::size_t kLargeWpiBytes = 63000000;
constexpr int kLargeWpiPointsPerStroke = 200;

// A file of about `bytes` bytes.
inline testsupport::WpiBuilder largeWpiSketch(std::size_t bytes = kLargeWpiBytes)
{
    testsupport::WpiBuilder file;
    file.descriptor().physicalParams({1, 5, 200, 7, 208, 2, 1}).dateTime({14, 6, 21, 10, 30, 0, 0});
    const std::size_t strokeBytes = 3 + 6 + 6 * kLargeWpiPointsPerStroke + 3;
    for (int s = 0; file.size() + strokeBytes <= bytes; ++s) {
        if (s > 0 && s % 1000 == 0)
            file.newLayer();
        file.penDown().pressure(static_cast<std::uint16_t>(400 + s % 600));
        // Receiver units: x / 10 and y / 5 are tenths of a millimetre.
        const double left = 1500.0 + (s % 18) * 1000.0;
        const double top = 750.0 + ((s / 18) % 80) * 160.0;
        for (int i = 0; i < kLargeWpiPointsPerStroke; ++i) {
            const double t = double(i) / kLargeWpiPointsPerStroke;
            file.point(static_cast<std::int16_t>(left + 850.0 * t + 60.0 * std::cos(9.0 * t + s)),
                       static_cast<std::int16_t>(top + 70.0 * std::sin(7.0 * t + s)));
        }
        file.penUp();
    }
    return file;
}

// A sketch of `strokes` short strokes (two points each, whole tenths of a
// millimetre) in rows over an A4 page, in ten layers: written as InkML,
// 600,000 of them take some 57 MB, near the InkML reader's limits.
inline Pelm::Document manyStrokeSketch(int strokes = 600000)
{
    Pelm::Document document;
    const int perLayer = (strokes + 9) / 10;
    for (int first = 0; first < strokes; first += perLayer) {
        Pelm::Layer layer;
        for (int s = first; s < std::min(strokes, first + perLayer); ++s) {
            Pelm::Stroke stroke;
            const double left = 100.0 + (s % 190) * 10.0;
            const double top = 100.0 + ((s / 190) % 280) * 10.0;
            for (int i = 0; i < 2; ++i)
                stroke.addElement(Pelm::Point(left + 3 * i, top + (s + i) % 5, 0.0,
                                              static_cast<unsigned int>(300 + s % 500), 0, 0,
                                              0ul));
            layer.addElement(std::move(stroke));
        }
        document.addElement(std::move(layer));
    }
    document.loaded.Set(true);
    return document;
}

} // namespace benchsupport

#endif
