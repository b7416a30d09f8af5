#include "SimulatedReceiver.h"

#include <algorithm>
#include <utility>

namespace PlatformSim {

namespace {

constexpr std::uint8_t ReportId = 0x80;

// A well-formed request: report id in byte 0, 0x01 around the command id.
bool isRequest(const std::vector<std::uint8_t>& bytes)
{
    return bytes.size() == SimulatedReceiver::ReportSize && bytes[0] == ReportId &&
           bytes[1] == 0x01 && bytes[3] == 0x01;
}

bool isGetRequest(const std::vector<std::uint8_t>& bytes)
{
    return bytes[2] == SimulatedReceiver::GetCommand && bytes[4] == 0x01 && bytes[6] == 0x01;
}

} // namespace

bool SimulatedLink::connected() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return isConnected;
}

void SimulatedLink::disconnect()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        isConnected = false;
    }
    cut.notify_all();
}

void SimulatedLink::waitForDisconnect(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(mutex);
    cut.wait_for(lock, timeout, [this] { return !isConnected; });
}

SimulatedReceiver::Value SimulatedReceiver::value(std::uint8_t command) const
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = values.find(command);
    return found == values.end() ? Value{} : found->second;
}

void SimulatedReceiver::setValue(std::uint8_t command, const std::vector<std::uint8_t>& bytes)
{
    Value stored{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), stored.size()), stored.begin());
    std::lock_guard<std::mutex> lock(mutex);
    values[command] = stored;
}

int SimulatedReceiver::setCount(std::uint8_t command) const
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = setCounts.find(command);
    return found == setCounts.end() ? 0 : found->second;
}

void SimulatedReceiver::setWritesFail(bool fail)
{
    std::lock_guard<std::mutex> lock(mutex);
    writesFail = fail;
}

void SimulatedReceiver::setReadsFail(bool fail)
{
    std::lock_guard<std::mutex> lock(mutex);
    readsFail = fail;
}

void SimulatedReceiver::setSilent(bool isSilent)
{
    std::lock_guard<std::mutex> lock(mutex);
    silent = isSilent;
}

void SimulatedReceiver::setReplyLength(std::size_t length)
{
    std::lock_guard<std::mutex> lock(mutex);
    replyLength = length;
}

void SimulatedReceiver::answerWith(std::optional<std::vector<std::uint8_t>> reply)
{
    std::lock_guard<std::mutex> lock(mutex);
    scriptedReply = std::move(reply);
}

void SimulatedReceiver::setTransferHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(mutex);
    transferHook = std::move(hook);
}

std::vector<WireReport> SimulatedReceiver::wireLog() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return wire;
}

void SimulatedReceiver::clearWireLog()
{
    std::lock_guard<std::mutex> lock(mutex);
    wire.clear();
}

bool SimulatedReceiver::write(SimulatedLink& link, Platform::HidReportType type,
                              std::uint8_t reportId, const std::uint8_t* data, std::size_t length,
                              std::chrono::milliseconds timeout)
{
    WireReport report{WireReport::Direction::ToReceiver,
                      type,
                      reportId,
                      timeout,
                      std::vector<std::uint8_t>(data, data + length),
                      false};
    runTransferHook();
    if (!transferPossible(link, report, &SimulatedReceiver::writesFail))
        return false;
    if (type == Platform::HidReportType::Output && reportId == ReportId) {
        std::lock_guard<std::mutex> lock(mutex);
        applyRequest(report.bytes);
    }
    report.completed = true;
    log(std::move(report));
    return true;
}

bool SimulatedReceiver::read(SimulatedLink& link, Platform::HidReportType type,
                             std::uint8_t reportId, std::uint8_t* buffer, std::size_t& length,
                             std::chrono::milliseconds timeout)
{
    WireReport report{WireReport::Direction::FromReceiver, type, reportId, timeout, {}, false};
    runTransferHook();
    if (!transferPossible(link, report, &SimulatedReceiver::readsFail))
        return false;
    std::vector<std::uint8_t> reply;
    {
        std::lock_guard<std::mutex> lock(mutex);
        reply = replyBytes();
    }
    reply.resize(std::min(reply.size(), length));
    std::copy(reply.begin(), reply.end(), buffer);
    length = reply.size();
    report.bytes = std::move(reply);
    report.completed = true;
    log(std::move(report));
    return true;
}

bool SimulatedReceiver::transferPossible(SimulatedLink& link, const WireReport& attempt,
                                         bool SimulatedReceiver::*failFlag)
{
    bool failing = false;
    bool isSilent = false;
    {
        std::lock_guard<std::mutex> lock(mutex);
        failing = this->*failFlag;
        isSilent = silent;
    }
    if (!link.connected() || failing) {
        log(attempt);
        return false;
    }
    if (isSilent) {
        link.waitForDisconnect(attempt.timeout);
        log(attempt);
        return false;
    }
    return true;
}

void SimulatedReceiver::runTransferHook()
{
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(mutex);
        hook = std::exchange(transferHook, nullptr);
    }
    if (hook)
        hook();
}

void SimulatedReceiver::applyRequest(const std::vector<std::uint8_t>& request)
{
    if (!isRequest(request))
        return;
    if (isGetRequest(request)) {
        pendingGet = request[5];
        return;
    }
    const std::uint8_t command = request[2];
    std::copy(request.begin() + ValueOffset, request.end(), values[command].begin());
    ++setCounts[command];
}

std::vector<std::uint8_t> SimulatedReceiver::replyBytes() const
{
    if (scriptedReply)
        return *scriptedReply;
    std::vector<std::uint8_t> reply{ReportId, 0x01, pendingGet, 0x01};
    const auto found = values.find(pendingGet);
    const Value stored = found == values.end() ? Value{} : found->second;
    reply.insert(reply.end(), stored.begin(), stored.end());
    reply.resize(std::min(reply.size(), replyLength));
    return reply;
}

void SimulatedReceiver::log(WireReport report)
{
    std::lock_guard<std::mutex> lock(mutex);
    wire.push_back(std::move(report));
}

Bytes report(std::initializer_list<std::uint8_t> head)
{
    Bytes bytes(head);
    bytes.resize(SimulatedReceiver::ReportSize, 0);
    return bytes;
}

Bytes getRequest(std::uint8_t command)
{
    return report({ReportId, 0x01, SimulatedReceiver::GetCommand, 0x01, 0x01, command, 0x01});
}

std::vector<Bytes> wireReports(const SimulatedReceiver& receiver, WireReport::Direction direction,
                               bool withFailed)
{
    std::vector<Bytes> found;
    for (const WireReport& entry : receiver.wireLog()) {
        if (entry.direction == direction && (entry.completed || withFailed))
            found.push_back(entry.bytes);
    }
    return found;
}

} // namespace PlatformSim
