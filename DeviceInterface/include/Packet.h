#ifndef DEVICEINTERFACE_PACKET_H
#define DEVICEINTERFACE_PACKET_H

#include <array>
#include <cstddef>
#include <cstdint>

// One HID report of the receiver: 33 bytes, the first the report id.
class Packet {
public:
    static constexpr std::size_t Size = 33;
    static constexpr std::uint8_t ReportId = 0x80;

    // Report id in byte 0, every other byte 0.
    Packet();

    std::uint8_t& operator[](std::size_t index) { return bytes[index]; }
    std::uint8_t operator[](std::size_t index) const { return bytes[index]; }
    std::uint8_t* data() { return bytes.data(); }
    const std::uint8_t* data() const { return bytes.data(); }

    bool operator==(const Packet& other) const { return bytes == other.bytes; }
    bool operator!=(const Packet& other) const { return !(*this == other); }

private:
    std::array<std::uint8_t, Size> bytes;
};

#endif
