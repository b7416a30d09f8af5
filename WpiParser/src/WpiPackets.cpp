#include "WpiPackets.h"

#include "Logger.h"

#include <cstdint>

namespace Pelm {

namespace {

const char* const readMethod = "readFromStream";

int signed16(unsigned char high, unsigned char low)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((high << 8) | low));
}

int signed8(unsigned char byte) { return static_cast<std::int8_t>(byte); }

} // namespace

FileDescriptor::FileDescriptor() : BasePacket(FileDescriptorTag, 6), body{} {}

bool FileDescriptor::readFromStream(PacketStream& stream)
{
    if (!stream.good())
        return false;
    unsigned char first = 0;
    stream.get(first);
    if (first != FileDescriptorTag) {
        Logger::WriteLog("FileDescriptor", readMethod,
                         "bad packet tag: 1 expected for file descriptor", Logger::SEVERE);
        return false;
    }
    std::array<unsigned char, 4> read{};
    if (!readBody(stream, read.data(), read.size()))
        return false;
    body[0] = read[0];
    body[1] = read[1];
    if (read[1] != 2) {
        Logger::WriteLog("FileDescriptor", readMethod,
                         "Invalid coordinate format - currently only cooridnates are supported",
                         Logger::SEVERE);
        return false;
    }
    body[2] = read[2];
    body[3] = read[3];
    return true;
}

RawBodyPacket::RawBodyPacket(unsigned char tag_) : BasePacket(tag_, 9), body{} {}

bool RawBodyPacket::readFromStream(PacketStream& stream)
{
    return readBody(stream, body.data(), body.size());
}

PhysicalParams::PhysicalParams() : RawBodyPacket(PhysicalParamsTag) {}

FileDateTime::FileDateTime() : RawBodyPacket(FileDateTimeTag) {}

CoordinatePoint::CoordinatePoint() : BasePacket(CoordinateTag, 6), x(0.0), y(0.0) {}

bool CoordinatePoint::readFromStream(PacketStream& stream)
{
    unsigned char b[4];
    if (!readBody(stream, b, sizeof b))
        return false;
    x.Set((signed16(b[0], b[1]) + 5.0) / 10.0);
    y.Set((signed16(b[2], b[3]) + 2.5) / 5.0);
    return true;
}

PressureData::PressureData() : BasePacket(PressureTag, 6), pressure(0) {}

// The raw value of type 6 is kept whole (0..65535): cut to a signed 16-bit
// number, the upper half would turn into pressures near 2^32 once stored in
// a point's unsigned field.
bool PressureData::readFromStream(PacketStream& stream)
{
    unsigned char b[4];
    if (!readBody(stream, b, sizeof b))
        return false;
    const int raw = (b[2] << 8) | b[3];
    switch (b[0]) {
    case 1:
    case 5:
        pressure.Set(raw / 4);
        return true;
    case 6:
        pressure.Set(raw);
        return true;
    default:
        Logger::WriteLog("PressureData", readMethod, "invalid pressure algorithm type",
                         Logger::WARNING);
        return false;
    }
}

TiltData::TiltData() : BasePacket(TiltTag, 6), tiltX(0), tiltY(0) {}

bool TiltData::readFromStream(PacketStream& stream)
{
    unsigned char b[4];
    if (!readBody(stream, b, sizeof b))
        return false;
    tiltX.Set(signed8(b[0]));
    tiltY.Set(signed8(b[1]));
    return true;
}

void TiltData::reset()
{
    tiltX.Set(0);
    tiltY.Set(0);
}

TimestampData::TimestampData() : BasePacket(TimestampTag, 6), timestamp(0ul) {}

bool TimestampData::readFromStream(PacketStream& stream)
{
    timestamp.Set(0ul);
    unsigned char b[4];
    if (!readBody(stream, b, sizeof b))
        return false;
    if (b[0] == 0x11)
        timestamp.Set((static_cast<unsigned long>(b[1]) << 16) | (b[2] << 8) | b[3]);
    return true;
}

Status::Status() : BasePacket(StatusTag, 3), flags(0) {}

bool Status::readFromStream(PacketStream& stream)
{
    unsigned char b = 0;
    if (!readBody(stream, &b, 1))
        return false;
    flags.Set(b);
    return true;
}

} // namespace Pelm
