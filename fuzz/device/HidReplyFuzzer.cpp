// Feeds arbitrary bytes as the receiver's reply to every get command, through
// the HID transfer of MacDevice and the decoding of ProtocolHandler.

#include "MacDevice.h"
#include "Packet.h"
#include "Pause.h"
#include "ProtocolHandler.h"
#include "SimulatedHidBackend.h"
#include "SimulatedReceiver.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Receiver {
    Platform::PauseOverride instantPauses{[](std::chrono::microseconds) {}};
    PlatformSim::SimulatedHidBackend backend;
    std::shared_ptr<PlatformSim::SimulatedReceiver> receiver =
        std::make_shared<PlatformSim::SimulatedReceiver>();
    std::unique_ptr<MacDevice> device =
        std::make_unique<MacDevice>(*backend.service(backend.plug(receiver, 1, 1)));
};

// A get succeeds exactly when its reply brought at least one byte.
void check(bool succeeded, std::size_t size)
{
    if (succeeded != (size > 0))
        std::abort();
}

// A reply byte as the decoding sees it: 0 where the reply ended before it.
unsigned replyByte(const std::uint8_t* data, std::size_t size, std::size_t index)
{
    return index < size && index < Packet::Size ? data[index] : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Receiver simulated;
    simulated.receiver->clearWireLog();
    simulated.receiver->answerWith(std::vector<std::uint8_t>(data, data + size));
    ProtocolHandler protocol(simulated.device.get());

    std::string version;
    check(protocol.getFirmwareVersion(version), size);
    if (version.size() > 13)
        std::abort();
    unsigned short threshold = 0;
    check(protocol.getPressureThreshold(threshold), size);
    if (size > 0 && threshold != (replyByte(data, size, 4) | replyByte(data, size, 5) << 8))
        std::abort();
    int voltage = 0;
    check(protocol.getBatteryVoltage(voltage), size);
    if (voltage < 0 || voltage > 0xFFFF)
        std::abort();
    ProtocolHandler::ChargerState state{};
    check(protocol.getBatteryState(state), size);
    ProtocolHandler::ePELM_EVENTS_ENUM event{};
    check(protocol.getLastError(event), size);
    OSInputCaps mode{};
    check(protocol.getReportMode(mode), size);
    if (protocol.unlockOnlineMode() && size == 0)
        std::abort();
    return 0;
}
