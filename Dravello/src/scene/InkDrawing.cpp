#include "InkDrawing.h"

#include "Document.h"

#include <QPainter>

InkDrawing::InkDrawing(Pelm::Document& document, const PaintFormat& pen, bool outline)
    : m_pen(pen), m_outline(outline)
{
    const double width = m_pen.width();
    Pelm::Layer* layer = nullptr;
    for (unsigned long i = 0; document.at(i, &layer); ++i) {
        Pelm::Stroke* stroke = nullptr;
        for (unsigned long j = 0; layer->at(j, &stroke); ++j) {
            m_strokes.emplace_back(*stroke, outline, static_cast<float>(width), width);
            m_area |= paintedArea(m_strokes.back().rect(), width, width);
        }
        m_layerEnds.push_back(m_strokes.size());
    }
}

void InkDrawing::paint(QPainter& painter) const
{
    for (const StrokeShape& stroke : m_strokes) {
        painter.save();
        stroke.paint(painter, m_pen, false);
        painter.restore();
    }
}
