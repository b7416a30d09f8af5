#include "WireFixture.h"

#include "Packet.h"

using namespace std::chrono_literals;

class MacDeviceTest : public WireFixture {};

TEST_F(MacDeviceTest, OpeningSendsReportModeTwo)
{
    const auto id = backend.plug(receiver, Vendor, Product);
    MacDevice device(*backend.service(id));
    EXPECT_TRUE(device.isValid());
    EXPECT_EQ(sent(), std::vector<Bytes>{report({0x80, 0x01, 0x03, 0x01, 0x02})});
    EXPECT_EQ(pauses.recorded(), std::vector<std::chrono::microseconds>{100ms});
}

TEST_F(MacDeviceTest, ADeviceThatCannotBeOpenedSendsNothing)
{
    const auto id = backend.plug(receiver, Vendor, Product, {true, false});
    MacDevice device(*backend.service(id));
    EXPECT_FALSE(device.isValid());
    Packet packet;
    EXPECT_FALSE(device.writePacket(packet));
    EXPECT_FALSE(device.readPacket(packet));
    EXPECT_TRUE(receiver->wireLog().empty());
    EXPECT_TRUE(pauses.recorded().empty());
}

TEST_F(MacDeviceTest, TransfersFailOnceTheDeviceIsUnplugged)
{
    const auto id = backend.plug(receiver, Vendor, Product);
    MacDevice device(*backend.service(id));
    backend.unplug(id);
    Packet packet;
    EXPECT_FALSE(device.writePacket(packet));
    EXPECT_FALSE(device.readPacket(packet));
}

TEST_F(MacDeviceTest, AReadHoldsTheReplyAsDelivered)
{
    const auto device = open();
    Bytes reply(33);
    for (std::size_t i = 0; i < reply.size(); ++i)
        reply[i] = static_cast<std::uint8_t>(0xC0 + i);
    receiver->answerWith(reply);
    Packet packet;
    ASSERT_TRUE(device->readPacket(packet));
    EXPECT_EQ(Bytes(packet.data(), packet.data() + Packet::Size), reply);
}
