#include "Document.h"

namespace Pelm {

void Stroke::addElementAtHead(const Point& point) { insertAtHead(point); }

void Stroke::updateBindingRectangle(const Point& point) const
{
    growRectangle(point.x.Get(), point.y.Get(), point.x.Get(), point.y.Get());
}

void Layer::addElementAtHead(const Stroke& stroke) { insertAtHead(stroke); }

void Layer::updateBindingRectangle(const Stroke& stroke) const
{
    growRectangle(stroke.getBindingRectangle());
}

Document::Document() : loaded(false) {}

Document::~Document() = default;

void Document::addElementAtHead(const Layer& layer) { insertAtHead(layer); }

void Document::updateBindingRectangle(const Layer& layer) const
{
    growRectangle(layer.getBindingRectangle());
}

} // namespace Pelm
