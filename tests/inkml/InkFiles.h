#ifndef DRAVELLO_TESTS_INKFILES_H
#define DRAVELLO_TESTS_INKFILES_H

// Small helpers of the InkML tests: files as text, and model builders.

#include "Document.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace inktest {

inline std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string fixture(const std::string& name)
{
    return std::string(DRAVELLO_TEST_DATA) + "/inkml/" + name;
}

inline Pelm::Stroke strokeOf(std::initializer_list<Pelm::Point> points)
{
    Pelm::Stroke stroke;
    for (const Pelm::Point& point : points)
        stroke.addElement(point);
    return stroke;
}

inline Pelm::Layer layerOf(std::initializer_list<Pelm::Stroke> strokes, const std::string& tag = "")
{
    Pelm::Layer layer;
    for (const Pelm::Stroke& stroke : strokes)
        layer.addElement(stroke);
    if (!tag.empty())
        layer.annotations["tag"] = tag;
    return layer;
}

// The document of the writer's worked example.
inline Pelm::Document exampleDocument()
{
    Pelm::Document document;
    document.annotations["tag"] = "Trip";
    document.addElement(layerOf({strokeOf({Pelm::Point(10.5, 20, 0, 300, -2, 5, 100),
                                           Pelm::Point(11, 21.25, 0, 310, -2, 6, 110)})},
                                "Layer 1"));
    document.addElement(layerOf({Pelm::Stroke()}));
    return document;
}

// The document and definitions of the committed file brushes.inkml: two
// brushes, one of them without id, and contexts on them.
inline Pelm::Document brushesDocument()
{
    Pelm::Document document;
    document.annotations["tag"] = "Brushes";
    document.addElement(layerOf({strokeOf({Pelm::Point(-12.5, 300, 0, 512, -30, 12, 4000),
                                           Pelm::Point(-11.75, 301.5, 0, 530, -29, 12, 4010)})},
                                "Ink"));
    return document;
}

inline void addBrushes(Pelm::InkMLDefinitions& definitions)
{
    definitions.brushes.push_back(Pelm::Brush("pen", "Blue", 2, 12, 80, true, true, false, "Ball"));
    definitions.brushes.push_back(Pelm::Brush("", "Black", 1, 10, 100, false, true, true, "Chisel"));
    definitions.contexts.emplace_back("pen-context", &definitions.traceFormats.front(),
                                      &definitions.brushes.front());
    definitions.contexts.emplace_back("", &definitions.traceFormats.front(),
                                      &definitions.brushes.back());
}

// An InkML file around the given body (tracegroups and annotations).
inline std::string inkFile(const std::string& body)
{
    return "<?xml version=\"1.0\" ?>\n<ink>\n<definitions />\n" + body + "\n</ink>\n";
}

} // namespace inktest

#endif
