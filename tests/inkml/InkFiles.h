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

// An InkML file around the given body (tracegroups and annotations).
inline std::string inkFile(const std::string& body)
{
    return "<?xml version=\"1.0\" ?>\n<ink>\n<definitions />\n" + body + "\n</ink>\n";
}

} // namespace inktest

#endif
