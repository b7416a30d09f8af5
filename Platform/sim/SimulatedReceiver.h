#ifndef PLATFORM_SIM_SIMULATEDRECEIVER_H
#define PLATFORM_SIM_SIMULATEDRECEIVER_H

// A receiver that answers the 33-byte command reports the way the real one
// does: a set request stores its payload, a get request chooses what the
// next read answers. Every transfer is logged byte for byte, and faults can
// be switched on: failing writes or reads, silence, short or scripted replies,
// and a hook that runs inside the next transfer (to unplug mid-command).
// Thread-safe.

#include "HidBackend.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace PlatformSim {

// The USB link of one plugged-in device.
class SimulatedLink {
public:
    bool connected() const;
    // Cuts the link; transfers waiting on it give up at once.
    void disconnect();
    // Waits until the link is cut or the time-out passes.
    void waitForDisconnect(std::chrono::milliseconds timeout);

private:
    mutable std::mutex mutex;
    std::condition_variable cut;
    bool isConnected = true;
};

struct WireReport {
    enum class Direction { ToReceiver, FromReceiver };
    Direction direction;
    Platform::HidReportType type;
    std::uint8_t reportId;
    std::chrono::milliseconds timeout;
    std::vector<std::uint8_t> bytes; // as sent, or as delivered
    bool completed;                  // false: failed or timed out
};

class SimulatedReceiver {
public:
    static constexpr std::size_t ReportSize = 33;
    static constexpr std::size_t ValueOffset = 4; // values start at byte 4
    static constexpr std::size_t ValueSize = ReportSize - ValueOffset;
    using Value = std::array<std::uint8_t, ValueSize>;

    static constexpr std::uint8_t GetCommand = 0x0A; // a get names the command it reads

    // The value a command holds (bytes 4..32 of its report), as set by a
    // set request or by the test.
    Value value(std::uint8_t command) const;
    void setValue(std::uint8_t command, const std::vector<std::uint8_t>& bytes);

    // Set requests received for the command (the factory reset has no value).
    int setCount(std::uint8_t command) const;

    // Faults.
    void setWritesFail(bool fail);
    void setReadsFail(bool fail);
    void setSilent(bool silent);                                     // every transfer times out
    void setReplyLength(std::size_t length);                         // deliver only this many bytes
    void answerWith(std::optional<std::vector<std::uint8_t>> reply); // instead of the proper reply
    void setTransferHook(std::function<void()> hook); // runs once, inside the next transfer

    std::vector<WireReport> wireLog() const;
    void clearWireLog();

    // The transfers of a device handle on the given link.
    bool write(SimulatedLink& link, Platform::HidReportType type, std::uint8_t reportId,
               const std::uint8_t* data, std::size_t length, std::chrono::milliseconds timeout);
    bool read(SimulatedLink& link, Platform::HidReportType type, std::uint8_t reportId,
              std::uint8_t* buffer, std::size_t& length, std::chrono::milliseconds timeout);

private:
    // True when the transfer may go ahead; otherwise it has been logged as
    // failed (failFlag: the fault switch of this direction).
    bool transferPossible(SimulatedLink& link, const WireReport& attempt,
                          bool SimulatedReceiver::*failFlag);
    void runTransferHook();
    void applyRequest(const std::vector<std::uint8_t>& request);
    std::vector<std::uint8_t> replyBytes() const;
    void log(WireReport report);

    mutable std::mutex mutex;
    std::map<std::uint8_t, Value> values;
    std::map<std::uint8_t, int> setCounts;
    std::uint8_t pendingGet = 0;
    bool writesFail = false;
    bool readsFail = false;
    bool silent = false;
    std::size_t replyLength = ReportSize;
    std::optional<std::vector<std::uint8_t>> scriptedReply;
    std::function<void()> transferHook;
    std::vector<WireReport> wire;
};

// Expected wire bytes for tests.
using Bytes = std::vector<std::uint8_t>;

// A 33-byte report that begins with head, the rest 0.
Bytes report(std::initializer_list<std::uint8_t> head);
// The get request that reads the command.
Bytes getRequest(std::uint8_t command);
// The bytes of the logged transfers in the direction, the failed ones too if asked.
std::vector<Bytes> wireReports(const SimulatedReceiver& receiver, WireReport::Direction direction,
                               bool withFailed = false);

} // namespace PlatformSim

#endif
