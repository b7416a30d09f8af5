// Reads any bytes as a WPI file. Besides memory errors it traps on a loaded
// document holding a point no packet could have produced.

#include "WpiParser.h"

#include <cstddef>
#include <cstdint>

namespace {

class PointCheck : public Pelm::RegionVisitor<Pelm::Point> {
public:
    bool visit(Pelm::Point& point) override
    {
        return point.y.Get() >= 0.0 && point.z.Get() == 0.0 && point.pressure.Get() <= 65535u &&
               point.timestamp.Get() <= 0xFFFFFFul;
    }
};

bool plausible(Pelm::Document& doc)
{
    PointCheck check;
    Pelm::RegionIterator<Pelm::Layer> layers(doc);
    for (Pelm::Layer* layer; (layer = layers.current()); layers.advance()) {
        Pelm::RegionIterator<Pelm::Stroke> strokes(*layer);
        for (Pelm::Stroke* stroke; (stroke = strokes.current()); strokes.advance())
            if (stroke->empty() || !stroke->forEach(check))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Pelm::WpiParser parser("");
    if (parser.readDocFromBuffer(data, size) && !plausible(*parser.getDocument().GetData()))
        __builtin_trap();
    return 0;
}
