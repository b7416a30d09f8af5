#ifndef DRAVELLO_TESTS_WPIBUILDER_H
#define DRAVELLO_TESTS_WPIBUILDER_H

// Writes WPI packets from a description, for tests, benchmarks and fuzz
// seeds. Every call appends one packet (or raw bytes); nothing is checked, so
// broken files are as easy to make as good ones.
//
//   WpiBuilder file;
//   file.descriptor().penDown().pressure(1000).point(10, 20).penUp();
//   file.bytes();

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport {

class WpiBuilder {
public:
    using Bytes = std::vector<std::uint8_t>;

    // Pressure algorithm types: value / 4, and the raw value.
    static constexpr std::uint8_t quarterPressure = 1;
    static constexpr std::uint8_t rawPressure = 6;

    // Tag, length code, body.
    WpiBuilder& packet(std::uint8_t tag, std::uint8_t lengthCode, std::initializer_list<std::uint8_t> body)
    {
        data.push_back(tag);
        data.push_back(lengthCode);
        data.insert(data.end(), body);
        return *this;
    }

    // Bytes as they are (blanks, garbage, half packets).
    WpiBuilder& raw(std::initializer_list<std::uint8_t> bytes)
    {
        data.insert(data.end(), bytes);
        return *this;
    }

    WpiBuilder& descriptor(std::uint8_t coordinateFormat = 2, std::uint8_t first = 0x10,
                           std::uint8_t third = 0, std::uint8_t fourth = 0)
    {
        return packet(0x01, 6, {first, coordinateFormat, third, fourth});
    }

    WpiBuilder& physicalParams(std::initializer_list<std::uint8_t> seven)
    {
        return sevenBytes(0x11, seven);
    }

    WpiBuilder& dateTime(std::initializer_list<std::uint8_t> seven) { return sevenBytes(0x31, seven); }

    // Raw receiver units: x / 10 and y / 5 give tenths of a millimetre.
    WpiBuilder& point(std::int16_t rx, std::int16_t ry)
    {
        const auto ux = static_cast<std::uint16_t>(rx);
        const auto uy = static_cast<std::uint16_t>(ry);
        return packet(0x61, 6, {high(ux), low(ux), high(uy), low(uy)});
    }

    WpiBuilder& pressure(std::uint16_t value, std::uint8_t algorithm = rawPressure)
    {
        return packet(0x64, 6, {algorithm, 0, high(value), low(value)});
    }

    WpiBuilder& tilt(std::int8_t x, std::int8_t y)
    {
        return packet(0x65, 6, {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0, 0});
    }

    // A 24-bit time; kind 0x11 is the only one that carries it.
    WpiBuilder& timestamp(std::uint32_t value, std::uint8_t kind = 0x11)
    {
        return packet(0xC2, 6,
                      {kind, static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                       static_cast<std::uint8_t>(value)});
    }

    WpiBuilder& status(std::uint8_t flags) { return packet(0xF1, 3, {flags}); }
    WpiBuilder& penDown() { return status(0x01); }
    WpiBuilder& penUp() { return status(0x00); }
    WpiBuilder& newLayer() { return status(0x80); }

    // Drops the last count bytes, as a file cut short would.
    WpiBuilder& truncate(std::size_t count)
    {
        data.resize(count < data.size() ? data.size() - count : 0);
        return *this;
    }

    const Bytes& bytes() const { return data; }
    std::size_t size() const { return data.size(); }

    void writeTo(const std::string& path) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + path);
    }

private:
    static std::uint8_t high(std::uint16_t value) { return static_cast<std::uint8_t>(value >> 8); }
    static std::uint8_t low(std::uint16_t value) { return static_cast<std::uint8_t>(value); }

    WpiBuilder& sevenBytes(std::uint8_t tag, std::initializer_list<std::uint8_t> seven)
    {
        if (seven.size() != 7)
            throw std::invalid_argument("seven body bytes expected");
        return packet(tag, 9, seven);
    }

    Bytes data;
};

} // namespace testsupport

#endif
