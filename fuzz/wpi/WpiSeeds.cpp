// Writes the seed files of the WPI fuzz target into the folder given.

#include "WpiBuilder.h"

#include <filesystem>
#include <iostream>
#include <string>

using testsupport::WpiBuilder;

namespace {

WpiBuilder twoLayers()
{
    WpiBuilder f;
    f.descriptor().physicalParams({1, 5, 200, 7, 208, 2, 1}).dateTime({14, 6, 21, 10, 30, 0, 0});
    for (int layer = 0; layer < 2; ++layer) {
        for (int stroke = 0; stroke < 3; ++stroke) {
            f.penDown();
            for (int i = 0; i < 6; ++i) {
                f.point(static_cast<std::int16_t>(100 * stroke + 10 * i), static_cast<std::int16_t>(50 * layer + i));
                f.pressure(static_cast<std::uint16_t>(800 + 100 * i), WpiBuilder::quarterPressure);
                f.timestamp(static_cast<std::uint32_t>(1000 + 5 * i));
                if (i % 2 == 0)
                    f.tilt(static_cast<std::int8_t>(i - 3), static_cast<std::int8_t>(3 - i));
            }
            f.penUp();
        }
        f.newLayer();
    }
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_wpi_seeds <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    auto write = [&](const char* name, const WpiBuilder& f) { f.writeTo((folder / name).string()); };

    write("two-layers", twoLayers());
    write("raw-pressure", WpiBuilder().descriptor().penDown().pressure(0x8000).point(1, 1).pressure(0xFFFF).point(2, 2));
    write("unknown-packets", WpiBuilder()
                                 .descriptor()
                                 .point(1, 1)
                                 .packet(0x70, 0x05, {1, 2, 3})
                                 .packet(0x70, 0x00, {})
                                 .raw({0x20, 0x0A})
                                 .packet(0x99, 0x41, {0, 0, 0, 0})
                                 .point(2, 2));
    write("dropped-point", WpiBuilder().descriptor().penDown().point(5, -3).newLayer().point(5, -2).point(-5, 4));
    write("cut-short", twoLayers().truncate(3));
    write("bad-descriptor", WpiBuilder().descriptor(1).point(1, 1));
    write("second-descriptor", WpiBuilder().descriptor().point(1, 1).descriptor());
    write("zero-length-unknown", WpiBuilder().descriptor().point(1, 1).packet(0x70, 0x40, {}));
    return 0;
}
