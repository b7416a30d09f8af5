#ifndef PELM_WPIPACKETS_H
#define PELM_WPIPACKETS_H

#include "PacketStream.h"
#include "Property.h"

#include <array>

namespace Pelm {

enum WpiTag : unsigned char {
    FileDescriptorTag = 0x01,
    PhysicalParamsTag = 0x11,
    FileDateTimeTag = 0x31,
    CoordinateTag = 0x61,
    PressureTag = 0x64,
    TiltTag = 0x65,
    TimestampTag = 0xC2,
    StatusTag = 0xF1,
};

// A WPI packet: tag, length code, then length - 2 body bytes; multi-byte
// numbers are big-endian. Each kind has a fixed tag and length.
class BasePacket {
public:
    BasePacket() : length(0), tag(0) {}
    BasePacket(unsigned char tag_, unsigned char length_) : length(length_), tag(tag_) {}

    // Reads the packet's length code and body (the file descriptor reads its
    // tag too); false when the packet is not taken.
    virtual bool readFromStream(PacketStream& stream) = 0;

    // The packet length a length code stands for: the low six bits times
    // 6 to the power of the top two bits.
    static unsigned long calculateLength(unsigned char code)
    {
        static const unsigned long multipliers[4] = {1, 6, 36, 216};
        return (code & 0x3Fu) * multipliers[code >> 6];
    }

    // Reads the length code; true when it gives this kind's length.
    bool processLength(PacketStream& stream)
    {
        unsigned char code = 0;
        return stream.good() && stream.get(code) && calculateLength(code) == length.Get();
    }

    Property<unsigned char> length;
    Property<unsigned char> tag;

protected:
    ~BasePacket() = default;

    // The length code, then exactly count body bytes.
    bool readBody(PacketStream& stream, unsigned char* out, std::size_t count)
    {
        return processLength(stream) && stream.read(out, count);
    }
};

class FileDescriptor : public BasePacket {
public:
    FileDescriptor();
    bool readFromStream(PacketStream& stream) override;

    std::array<unsigned char, 4> body;
};

// Seven bytes kept as read; nothing interprets them.
class RawBodyPacket : public BasePacket {
public:
    explicit RawBodyPacket(unsigned char tag_);
    bool readFromStream(PacketStream& stream) override;

    std::array<unsigned char, 7> body;
};

class PhysicalParams : public RawBodyPacket {
public:
    PhysicalParams();
};

class FileDateTime : public RawBodyPacket {
public:
    FileDateTime();
};

// Position in tenths of a millimetre.
class CoordinatePoint : public BasePacket {
public:
    CoordinatePoint();
    bool readFromStream(PacketStream& stream) override;

    Property<double> x;
    Property<double> y;
};

class PressureData : public BasePacket {
public:
    PressureData();
    bool readFromStream(PacketStream& stream) override;
    void reset() { pressure.Set(0); }

    Property<int> pressure;
};

class TiltData : public BasePacket {
public:
    TiltData();
    bool readFromStream(PacketStream& stream) override;
    void reset();

    Property<int> tiltX;
    Property<int> tiltY;
};

class TimestampData : public BasePacket {
public:
    TimestampData();
    bool readFromStream(PacketStream& stream) override;

    Property<unsigned long> timestamp;
};

// Pen state: bit 7 starts a new layer, bit 0 means the pen is down.
class Status : public BasePacket {
public:
    Status();
    bool readFromStream(PacketStream& stream) override;

    Property<unsigned char> flags;
};

} // namespace Pelm

#endif
