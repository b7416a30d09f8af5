#ifndef DRAVELLO_TESTS_WPI_WPITESTSUPPORT_H
#define DRAVELLO_TESTS_WPI_WPITESTSUPPORT_H

#include "ScratchDir.h"
#include "ScratchLog.h"
#include "WpiBuilder.h"
#include "WpiParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wpitest {

// Points per stroke, per layer.
using Shape = std::vector<std::vector<unsigned long>>;

inline Shape shapeOf(Pelm::Document& doc)
{
    Shape shape;
    Pelm::RegionIterator<Pelm::Layer> layers(doc);
    for (Pelm::Layer* layer; (layer = layers.current()); layers.advance()) {
        shape.emplace_back();
        Pelm::RegionIterator<Pelm::Stroke> strokes(*layer);
        for (Pelm::Stroke* stroke; (stroke = strokes.current()); strokes.advance())
            shape.back().push_back(stroke->getSize());
    }
    return shape;
}

// Every point in file order.
inline std::vector<Pelm::Point> pointsOf(Pelm::Document& doc)
{
    std::vector<Pelm::Point> points;
    Pelm::RegionIterator<Pelm::Layer> layers(doc);
    for (Pelm::Layer* layer; (layer = layers.current()); layers.advance()) {
        Pelm::RegionIterator<Pelm::Stroke> strokes(*layer);
        for (Pelm::Stroke* stroke; (stroke = strokes.current()); strokes.advance()) {
            Pelm::RegionIterator<Pelm::Point> each(*stroke);
            for (Pelm::Point* point; (point = each.current()); each.advance())
                points.push_back(*point);
        }
    }
    return points;
}

// Each test keeps its own log.
class WpiTest : public ::testing::Test {
protected:
    bool read(const testsupport::WpiBuilder& file)
    {
        return parser.readDocFromBuffer(file.bytes().data(), file.bytes().size());
    }
    Pelm::WpiDocument& doc() { return *parser.getDocument().GetData(); }

    testsupport::ScratchLog log;
    Pelm::WpiParser parser{""};
};

} // namespace wpitest

#endif
