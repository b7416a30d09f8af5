#include "InkDrawing.h"

#include "Document.h"

#include <QPainter>

namespace {

// What a stroke's drawing takes once painted, roughly.
std::size_t paintedDrawingBytes(const Pelm::Stroke& stroke)
{
    constexpr std::size_t kBytesPerPoint = 24;
    constexpr std::size_t kPaintCacheBytes = 3072;
    return stroke.getSize() * kBytesPerPoint + kPaintCacheBytes;
}

} // namespace

InkDrawing::InkDrawing(Pelm::Document& document, const PaintFormat& pen, bool outline,
                       std::size_t keptBytes)
    : m_pen(pen), m_outline(outline)
{
    const double width = m_pen.width();
    std::size_t kept = 0;
    Pelm::Layer* layer = nullptr;
    for (unsigned long i = 0; document.at(i, &layer); ++i) {
        Pelm::Stroke* stroke = nullptr;
        for (unsigned long j = 0; layer->at(j, &stroke); ++j) {
            if (keptBytes != kKeepAll)
                kept += paintedDrawingBytes(*stroke);
            if (m_remadeStrokes.empty() && kept <= keptBytes) {
                m_strokes.push_back(drawingOf(*stroke));
                m_area |= paintedArea(m_strokes.back().rect(), width, width);
            } else {
                m_remadeStrokes.push_back(stroke);
                m_area |= paintedArea(drawingOf(*stroke).rect(), width, width);
            }
        }
        m_layerEnds.push_back(m_strokes.size());
    }
}

StrokeShape InkDrawing::drawingOf(const Pelm::Stroke& stroke) const
{
    const double width = m_pen.width();
    return StrokeShape(stroke, m_outline, static_cast<float>(width), width);
}

void InkDrawing::paint(QPainter& painter) const
{
    for (const StrokeShape& stroke : m_strokes)
        paintStroke(painter, stroke);
    for (const Pelm::Stroke* stroke : m_remadeStrokes)
        paintStroke(painter, drawingOf(*stroke));
}

void InkDrawing::paintStroke(QPainter& painter, const StrokeShape& stroke) const
{
    painter.save();
    stroke.paint(painter, m_pen, false);
    painter.restore();
}
