#include "WpiTestSupport.h"

#include <algorithm>
#include <vector>

using Pelm::PacketStream;

namespace {

using Bytes = std::vector<unsigned char>;

// Reads one packet (its tag already taken, as the reader does) from the bytes.
template <typename Packet>
bool readPacket(Packet& packet, const Bytes& bytes, bool* atEnd = nullptr)
{
    PacketStream stream(bytes.data(), bytes.size());
    const bool taken = packet.readFromStream(stream);
    if (atEnd)
        *atEnd = stream.atEnd();
    return taken;
}

// A body after the length code of a 6-byte packet.
Bytes sixBytePacket(const Bytes& body)
{
    Bytes bytes(1 + body.size(), 0x06);
    std::copy(body.begin(), body.end(), bytes.begin() + 1);
    return bytes;
}

class WpiPacketsTest : public ::testing::Test {
protected:
    testsupport::ScratchDir scratch;
    testsupport::ScratchLog log;
};

} // namespace

TEST(WpiLengthCode, LowSixBitsTimesAPowerOfSix)
{
    const struct {
        unsigned char code;
        unsigned long length;
    } cases[] = {{0x06, 6}, {0x41, 6}, {0x46, 36}, {0x03, 3}, {0x09, 9}, {0x3F, 63},
                 {0x81, 36}, {0xC1, 216}, {0xFF, 13608}, {0x40, 0}, {0x80, 0}, {0x01, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(Pelm::BasePacket::calculateLength(c.code), c.length) << int(c.code);
}

TEST(WpiPackets, LengthCodeMustGiveTheKindsLengthBeforeTheBodyIsRead)
{
    for (unsigned char code : {0x06, 0x41}) {
        Pelm::CoordinatePoint point;
        EXPECT_TRUE(readPacket(point, {code, 0, 0, 0, 0})) << int(code);
    }
    Pelm::CoordinatePoint point;
    EXPECT_FALSE(readPacket(point, {0x46, 0x7F, 0xFF, 0x7F, 0xFF}));
    EXPECT_EQ(point.x.Get(), 0.0);

    Pelm::Status status;
    EXPECT_FALSE(readPacket(status, {0x06, 0x01}));
    EXPECT_TRUE(readPacket(status, {0x03, 0x81}));
    EXPECT_EQ(status.flags.Get(), 0x81);
}

TEST(WpiPackets, CoordinatesAreSignedBigEndianScaledPerAxis)
{
    const struct {
        Bytes body;
        double x, y;
    } cases[] = {
        {{0x00, 0x00, 0x00, 0x00}, 0.5, 0.5},
        {{0xFF, 0xFF, 0xFF, 0xFF}, 0.4, 0.3},
        {{0x7F, 0xFF, 0x7F, 0xFF}, 3277.2, 6553.9},
        {{0x80, 0x00, 0x80, 0x00}, -3276.3, -6553.1},
        {{0x01, 0x02, 0x00, 0x03}, 26.3, 1.1},
    };
    for (const auto& c : cases) {
        Pelm::CoordinatePoint point;
        ASSERT_TRUE(readPacket(point, sixBytePacket(c.body)));
        EXPECT_DOUBLE_EQ(point.x.Get(), c.x);
        EXPECT_DOUBLE_EQ(point.y.Get(), c.y);
    }
}

TEST(WpiPackets, PressureByAlgorithmTypeKeepsTheRawValueWhole)
{
    const struct {
        Bytes body;
        int pressure;
    } cases[] = {
        {{0x01, 0x00, 0x03, 0xE8}, 250},   {{0x05, 0x00, 0x03, 0xE8}, 250},
        {{0x06, 0x00, 0x03, 0xE8}, 1000},  {{0x06, 0x7F, 0x00, 0x01}, 1},
        {{0x01, 0x00, 0xFF, 0xFF}, 16383}, {{0x06, 0x00, 0x80, 0x00}, 32768},
        {{0x06, 0x00, 0xFF, 0xFF}, 65535},
    };
    for (const auto& c : cases) {
        Pelm::PressureData pressure;
        ASSERT_TRUE(readPacket(pressure, sixBytePacket(c.body)));
        EXPECT_EQ(pressure.pressure.Get(), c.pressure);
    }
}

TEST_F(WpiPacketsTest, UnknownPressureTypeFailsAndKeepsThePreviousValue)
{
    Pelm::PressureData pressure;
    ASSERT_TRUE(readPacket(pressure, {0x06, 0x06, 0x00, 0x03, 0xE8}));
    EXPECT_FALSE(readPacket(pressure, {0x06, 0x02, 0x00, 0x00, 0x10}));
    EXPECT_EQ(pressure.pressure.Get(), 1000);
    EXPECT_EQ(log.messages(),
              std::vector<std::string>{"WARNING invalid pressure algorithm type\tPressureData::readFromStream()"});
}

TEST(WpiPackets, TimestampOnlyOfKind0x11AndTiltSignExtended)
{
    const struct {
        Bytes body;
        unsigned long timestamp;
    } cases[] = {
        {{0x11, 0x01, 0x02, 0x03}, 66051},
        {{0x11, 0x00, 0x00, 0xFF}, 255},
        {{0x11, 0xFF, 0xFF, 0xFF}, 16777215},
        {{0x12, 0x01, 0x02, 0x03}, 0},
    };
    Pelm::TimestampData timestamp;
    for (const auto& c : cases) {
        ASSERT_TRUE(readPacket(timestamp, sixBytePacket(c.body)));
        EXPECT_EQ(timestamp.timestamp.Get(), c.timestamp);
    }

    Pelm::TiltData tilt;
    ASSERT_TRUE(readPacket(tilt, {0x06, 0xFF, 0x01, 0x55, 0x55}));
    EXPECT_EQ(tilt.tiltX.Get(), -1);
    EXPECT_EQ(tilt.tiltY.Get(), 1);
    ASSERT_TRUE(readPacket(tilt, {0x06, 0x80, 0x7F, 0x00, 0x00}));
    EXPECT_EQ(tilt.tiltX.Get(), -128);
    EXPECT_EQ(tilt.tiltY.Get(), 127);
}

TEST_F(WpiPacketsTest, FileDescriptorChecksTagLengthAndCoordinateFormat)
{
    const std::string badTag =
        "SEVERE bad packet tag: 1 expected for file descriptor\tFileDescriptor::readFromStream()";
    const std::string badFormat = "SEVERE Invalid coordinate format - currently only cooridnates "
                                  "are supported\tFileDescriptor::readFromStream()";
    const struct {
        const char* name;
        Bytes bytes;
        bool taken;
        std::vector<std::string> log;
    } cases[] = {
        {"valid", {0x01, 0x06, 0x10, 0x02, 0x03, 0x04}, true, {}},
        {"blank first", {0x20, 0x01, 0x06, 0x10, 0x02, 0x00, 0x00}, false, {badTag}},
        {"coordinate first", {0x61, 0x06, 0x00, 0x00, 0x00, 0x00}, false, {badTag}},
        {"empty", {}, false, {badTag}},
        {"format 1", {0x01, 0x06, 0x10, 0x01, 0x00, 0x00}, false, {badFormat}},
        {"length 9", {0x01, 0x09, 0x10, 0x02, 0x00, 0x00}, false, {}},
        {"cut short", {0x01, 0x06, 0x10, 0x02}, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        Pelm::FileDescriptor descriptor;
        EXPECT_EQ(readPacket(descriptor, c.bytes), c.taken);
        EXPECT_EQ(log.messages(), c.log);
        if (c.taken) {
            EXPECT_EQ(descriptor.body, (std::array<unsigned char, 4>{0x10, 0x02, 0x03, 0x04}));
        }
    }
}

// The missing bytes of a packet cut short by the end are never decoded.
TEST(WpiPackets, BodyCutShortIsNotTaken)
{
    bool atEnd = false;
    Pelm::CoordinatePoint point;
    EXPECT_FALSE(readPacket(point, {0x06, 0x7F, 0xFF, 0x7F}, &atEnd));
    EXPECT_TRUE(atEnd);
    EXPECT_EQ(point.x.Get(), 0.0);
    EXPECT_EQ(point.y.Get(), 0.0);

    Pelm::PressureData pressure;
    EXPECT_FALSE(readPacket(pressure, {0x06, 0x06, 0x00}, &atEnd));
    EXPECT_TRUE(atEnd);
    EXPECT_EQ(pressure.pressure.Get(), 0);

    Pelm::PhysicalParams params;
    EXPECT_FALSE(readPacket(params, {0x09, 1, 2, 3, 4, 5, 6}, &atEnd));
    EXPECT_TRUE(atEnd);
    EXPECT_EQ(params.body, (std::array<unsigned char, 7>{}));

    Pelm::Status status;
    EXPECT_FALSE(readPacket(status, {}, &atEnd));
    EXPECT_TRUE(atEnd);
}
