#include "WireFixture.h"

#include "Packet.h"
#include "ProtocolHandler.h"

#include <functional>
#include <string>

using namespace std::chrono_literals;
using Direction = WireReport::Direction;

namespace {

struct CommandCase {
    const char* name;
    std::function<bool(ProtocolHandler&)> run;
    std::vector<Bytes> requests;
    int reads;
};

ProtocolHandler::DateTime clock(std::uint16_t year)
{
    return ProtocolHandler::DateTime{year, 7, 4, 5, 6, 7};
}

std::vector<CommandCase> everyCommand()
{
    OSInputCaps mode{};
    unsigned short threshold = 0;
    std::string version;
    ProtocolHandler::ChargerState state{};
    int voltage = 0;
    ProtocolHandler::ePELM_EVENTS_ENUM event{};
    // The out-arguments are captured by value: only the requests matter here.
    return {
        {"report mode 2",
         [](ProtocolHandler& p) { return p.setReportMode(OSInputCapsDefault); },
         {report({0x80, 0x01, 0x03, 0x01, 0x02})},
         0},
        {"report mode low byte",
         [](ProtocolHandler& p) { return p.setReportMode(OSInputCaps(0x1FF)); },
         {report({0x80, 0x01, 0x03, 0x01, 0xFF})},
         0},
        {"get report mode",
         [=](ProtocolHandler& p) mutable { return p.getReportMode(mode); },
         {getRequest(0x03)},
         1},
        {"unlock online mode",
         [](ProtocolHandler& p) { return p.unlockOnlineMode(); },
         {report({0x80, 0x01, 0x02, 0x01, 0x01}), getRequest(0x02)},
         1},
        {"clock 2013",
         [](ProtocolHandler& p) { return p.setDateTime(clock(2013)); },
         {report({0x80, 0x01, 0x08, 0x01, 13, 7, 4, 7, 6, 5})},
         0},
        {"clock 2255",
         [](ProtocolHandler& p) { return p.setDateTime(clock(2255)); },
         {report({0x80, 0x01, 0x08, 0x01, 255, 7, 4, 7, 6, 5})},
         0},
        {"clock 2256",
         [](ProtocolHandler& p) { return p.setDateTime(clock(2256)); },
         {report({0x80, 0x01, 0x08, 0x01, 0, 7, 4, 7, 6, 5})},
         0},
        {"clock 1999",
         [](ProtocolHandler& p) { return p.setDateTime(clock(1999)); },
         {report({0x80, 0x01, 0x08, 0x01, 255, 7, 4, 7, 6, 5})},
         0},
        {"set threshold",
         [](ProtocolHandler& p) { return p.setPressureThreshold(0x1234); },
         {report({0x80, 0x01, 0x13, 0x01, 0x34, 0x12})},
         0},
        {"get threshold",
         [=](ProtocolHandler& p) mutable { return p.getPressureThreshold(threshold); },
         {getRequest(0x13)},
         1},
        {"firmware",
         [=](ProtocolHandler& p) mutable { return p.getFirmwareVersion(version); },
         {getRequest(0x01)},
         1},
        {"battery state",
         [=](ProtocolHandler& p) mutable { return p.getBatteryState(state); },
         {getRequest(0x0E)},
         1},
        {"battery voltage",
         [=](ProtocolHandler& p) mutable { return p.getBatteryVoltage(voltage); },
         {getRequest(0x0C)},
         1},
        {"last event",
         [=](ProtocolHandler& p) mutable { return p.getLastError(event); },
         {getRequest(0x0B)},
         1},
        {"reset last event",
         [](ProtocolHandler& p) { return p.resetLastError(); },
         {report({0x80, 0x01, 0x0B, 0x01, 0x00})},
         0},
        {"factory settings",
         [](ProtocolHandler& p) { return p.Restore2FactorySettigns(); },
         {report({0x80, 0x01, 0x10, 0x01})},
         0},
    };
}

// Every get with its out-argument preset to a sentinel; tells which
// succeeded and whether the failed ones left their argument alone.
struct GetOutcome {
    std::string name;
    bool succeeded;
    bool argumentUntouched;
};

std::vector<GetOutcome> runEveryGet(ProtocolHandler& protocol)
{
    std::vector<GetOutcome> outcomes;
    auto note = [&](const char* name, bool succeeded, bool untouched) {
        outcomes.push_back({name, succeeded, untouched});
    };
    OSInputCaps mode = OSInputCaps(77);
    note("report mode", protocol.getReportMode(mode), mode == 77);
    unsigned short threshold = 777;
    note("threshold", protocol.getPressureThreshold(threshold), threshold == 777);
    std::string version = "untouched";
    note("firmware", protocol.getFirmwareVersion(version), version == "untouched");
    auto state = ProtocolHandler::ChargerState(77);
    note("charger", protocol.getBatteryState(state), state == 77);
    int voltage = -1;
    note("voltage", protocol.getBatteryVoltage(voltage), voltage == -1);
    auto event = ProtocolHandler::ePELM_EVENTS_ENUM(77);
    note("last event", protocol.getLastError(event), event == 77);
    note("online mode", protocol.unlockOnlineMode(), true);
    return outcomes;
}

} // namespace

class ProtocolHandlerTest : public WireFixture {};

TEST_F(ProtocolHandlerTest, EveryCommandSendsItsRequestBytesExactly)
{
    const auto device = open();
    for (const CommandCase& command : everyCommand()) {
        SCOPED_TRACE(command.name);
        receiver->setValue(0x02, {0x01}); // so that the online-mode check passes
        receiver->clearWireLog();
        pauses.clear();
        ProtocolHandler protocol(device.get());
        EXPECT_TRUE(command.run(protocol));
        EXPECT_EQ(sent(), command.requests);
        EXPECT_EQ(replies().size(), static_cast<std::size_t>(command.reads));
        for (const WireReport& entry : receiver->wireLog()) {
            const bool out = entry.direction == Direction::ToReceiver;
            EXPECT_EQ(entry.type,
                      out ? Platform::HidReportType::Output : Platform::HidReportType::Input);
            EXPECT_EQ(entry.reportId, 0x80);
            EXPECT_EQ(entry.timeout, 100ms);
        }
        // Each transfer is preceded by its 100 ms pause.
        EXPECT_EQ(pauses.recorded(), std::vector<std::chrono::microseconds>(
                                         command.requests.size() + command.reads, 100ms));
    }
}

TEST_F(ProtocolHandlerTest, RepliesAreDecodedFromByteFour)
{
    const auto device = open();
    ProtocolHandler protocol(device.get());

    receiver->setValue(0x01, {0x0A, 0x21, 0x43, 0x65, 0x01});
    std::string version;
    ASSERT_TRUE(protocol.getFirmwareVersion(version));
    EXPECT_EQ(version, "165.432.10A");
    receiver->setValue(0x01, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    ASSERT_TRUE(protocol.getFirmwareVersion(version));
    EXPECT_EQ(version, "FFFF.FFF.FFF");
    receiver->setValue(0x01, {});
    ASSERT_TRUE(protocol.getFirmwareVersion(version));
    EXPECT_EQ(version, "000.000.000");

    receiver->setValue(0x13, {0xFF, 0x01});
    unsigned short threshold = 0;
    ASSERT_TRUE(protocol.getPressureThreshold(threshold));
    EXPECT_EQ(threshold, 511);

    receiver->setValue(0x0C, {0xFF, 0xFF});
    int voltage = 0;
    ASSERT_TRUE(protocol.getBatteryVoltage(voltage));
    EXPECT_EQ(voltage, 65535);

    receiver->setValue(0x03, {0x02});
    OSInputCaps mode{};
    ASSERT_TRUE(protocol.getReportMode(mode));
    EXPECT_EQ(mode, OSInputCapsDefault);

    // Codes beyond the named ones arrive unchanged.
    receiver->setValue(0x0E, {0xF3});
    ProtocolHandler::ChargerState state{};
    ASSERT_TRUE(protocol.getBatteryState(state));
    EXPECT_EQ(static_cast<int>(state), 0xF3);
    receiver->setValue(0x0B, {0xFF});
    ProtocolHandler::ePELM_EVENTS_ENUM event{};
    ASSERT_TRUE(protocol.getLastError(event));
    EXPECT_EQ(static_cast<int>(event), 0xFF);
}

// A reply is decoded as far as it came; the bytes that did not arrive read as 0.
TEST_F(ProtocolHandlerTest, AShortReplyIsDecodedAsFarAsItCame)
{
    const auto device = open();
    ProtocolHandler protocol(device.get());
    struct Case {
        const char* name;
        Bytes reply;
        std::function<std::string(ProtocolHandler&)> read; // the value as text, "failed" else
        std::string value;
    };
    const auto threshold = [](ProtocolHandler& p) {
        unsigned short value = 777;
        return p.getPressureThreshold(value) ? std::to_string(value) : "failed";
    };
    const auto firmware = [](ProtocolHandler& p) {
        std::string version = "untouched";
        return p.getFirmwareVersion(version) ? version : "failed";
    };
    const auto charger = [](ProtocolHandler& p) {
        auto state = ProtocolHandler::ChargerState(77);
        return p.getBatteryState(state) ? std::to_string(int(state)) : "failed";
    };
    const Case cases[] = {
        {"threshold, 5 bytes", {0x80, 0x01, 0x13, 0x01, 0x3C}, threshold, "60"},
        {"threshold, 6 bytes", {0x80, 0x01, 0x13, 0x01, 0xFF, 0x01}, threshold, "511"},
        {"threshold, report id only", {0x80}, threshold, "0"},
        {"firmware, 6 bytes", {0x80, 0x01, 0x01, 0x01, 0x0A, 0x21}, firmware, "000.002.10A"},
        {"charger, 5 bytes", {0x80, 0x01, 0x0E, 0x01, 0x03}, charger, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        receiver->answerWith(c.reply);
        EXPECT_EQ(c.read(protocol), c.value);
    }
    // A short echo of the online mode counts as the whole one.
    receiver->answerWith(Bytes{0x80, 0x01, 0x02, 0x01, 0x01});
    EXPECT_TRUE(protocol.unlockOnlineMode());
}

TEST_F(ProtocolHandlerTest, SetCommandsChangeTheReceiverAsRead)
{
    const auto device = open();
    ProtocolHandler protocol(device.get());
    ASSERT_TRUE(protocol.setPressureThreshold(0x1234));
    unsigned short threshold = 0;
    ASSERT_TRUE(protocol.getPressureThreshold(threshold));
    EXPECT_EQ(threshold, 0x1234);

    receiver->setValue(0x0B, {0x02});
    ASSERT_TRUE(protocol.resetLastError());
    ProtocolHandler::ePELM_EVENTS_ENUM event = ProtocolHandler::MAX_NUMBER_OF_PELM_EVENTS;
    ASSERT_TRUE(protocol.getLastError(event));
    EXPECT_EQ(event, ProtocolHandler::NO_EVENT);
}

TEST_F(ProtocolHandlerTest, OnlineModeUnlocksOnlyOnAnExactEcho)
{
    const auto device = open();
    ProtocolHandler protocol(device.get());
    EXPECT_TRUE(protocol.unlockOnlineMode()); // the receiver keeps what was set

    const Bytes echo = report({0x80, 0x01, 0x02, 0x01, 0x01});
    for (std::size_t byte : {0u, 2u, 4u, 32u}) {
        SCOPED_TRACE(byte);
        Bytes changed = echo;
        changed[byte] ^= 0x40;
        receiver->answerWith(changed);
        EXPECT_FALSE(protocol.unlockOnlineMode());
    }
    receiver->answerWith(echo);
    EXPECT_TRUE(protocol.unlockOnlineMode());
}

TEST_F(ProtocolHandlerTest, FailedTransfersFailEveryGetAndLeaveItsArgumentAlone)
{
    struct Fault {
        const char* name;
        std::function<void(SimulatedReceiver&)> apply;
        bool readsAttempted;
    };
    const std::vector<Fault> faults = {
        {"writes fail", [](SimulatedReceiver& r) { r.setWritesFail(true); }, false},
        {"silent", [](SimulatedReceiver& r) { r.setSilent(true); }, false},
        {"reads fail", [](SimulatedReceiver& r) { r.setReadsFail(true); }, true},
        {"empty reply", [](SimulatedReceiver& r) { r.setReplyLength(0); }, true},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        receiver = std::make_shared<SimulatedReceiver>();
        const auto device = open();
        fault.apply(*receiver);
        ProtocolHandler protocol(device.get());
        for (const GetOutcome& outcome : runEveryGet(protocol)) {
            SCOPED_TRACE(outcome.name);
            EXPECT_FALSE(outcome.succeeded);
            EXPECT_TRUE(outcome.argumentUntouched);
        }
        const auto readAttempts = PlatformSim::wireReports(*receiver, Direction::FromReceiver, true).size();
        EXPECT_EQ(readAttempts > 0, fault.readsAttempted);
        // Every transfer was given its 100 ms time-out.
        for (const WireReport& entry : receiver->wireLog())
            EXPECT_EQ(entry.timeout, 100ms);
    }
}

TEST_F(ProtocolHandlerTest, WithoutAValidDeviceNothingIsSentAndNoPauseSpent)
{
    const auto unopened = open({true, false});
    EXPECT_FALSE(unopened->isValid());
    for (Device* device : {static_cast<Device*>(unopened.get()), static_cast<Device*>(nullptr)}) {
        ProtocolHandler protocol(device);
        for (const GetOutcome& outcome : runEveryGet(protocol)) {
            SCOPED_TRACE(outcome.name);
            EXPECT_FALSE(outcome.succeeded);
            EXPECT_TRUE(outcome.argumentUntouched);
        }
        for (const CommandCase& command : everyCommand())
            EXPECT_FALSE(command.run(protocol)) << command.name;
    }
    EXPECT_TRUE(receiver->wireLog().empty());
    EXPECT_TRUE(pauses.recorded().empty());
}
