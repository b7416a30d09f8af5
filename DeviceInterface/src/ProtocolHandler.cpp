#include "ProtocolHandler.h"

#include "Device.h"
#include "Packet.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <iterator>

namespace {

enum Command : std::uint8_t {
    FirmwareVersion = 0x01,
    OnlineMode = 0x02,
    ReportMode = 0x03,
    RealTimeClock = 0x08,
    Get = 0x0A,
    LastEvent = 0x0B,
    BatteryVoltage = 0x0C,
    ChargerStateCommand = 0x0E,
    FactorySettings = 0x10,
    PressureThreshold = 0x13,
};

constexpr std::size_t PayloadOffset = 4;
constexpr std::uint8_t OnlineModeOn = 0x01;

Packet setRequest(std::uint8_t command, std::initializer_list<std::uint8_t> payload)
{
    Packet request;
    request[1] = 0x01;
    request[2] = command;
    request[3] = 0x01;
    const std::size_t room = Packet::Size - PayloadOffset;
    std::copy_n(payload.begin(), std::min(payload.size(), room), request.data() + PayloadOffset);
    return request;
}

Packet getRequest(std::uint8_t command) { return setRequest(Get, {0x01, command, 0x01}); }

std::uint16_t littleEndian16(const Packet& reply, std::size_t at)
{
    return static_cast<std::uint16_t>(reply[at] | (reply[at + 1] << 8));
}

// Upper-case hexadecimal digits of value, at least minDigits of them.
void appendHex(std::string& text, unsigned value, int minDigits)
{
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
    text.append(std::max(0, minDigits - static_cast<int>(end - digits)), '0');
    std::transform(digits, end, std::back_inserter(text), [](char digit) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
    });
}

// Bytes 4..8 as "%X%X%X.%X%X%X.%X%02X" of b8, the nibbles of b7, b6 and b5
// (high first), and b4.
std::string firmwareText(const Packet& reply)
{
    const unsigned b4 = reply[4], b5 = reply[5], b6 = reply[6], b7 = reply[7], b8 = reply[8];
    std::string text;
    appendHex(text, b8, 1);
    appendHex(text, b7 >> 4, 1);
    appendHex(text, b7 & 0x0F, 1);
    text += '.';
    appendHex(text, b6 >> 4, 1);
    appendHex(text, b6 & 0x0F, 1);
    appendHex(text, b5 >> 4, 1);
    text += '.';
    appendHex(text, b5 & 0x0F, 1);
    appendHex(text, b4, 2);
    return text;
}

} // namespace

ProtocolHandler::ProtocolHandler(Device* device) : m_device(device) {}

bool ProtocolHandler::setReportMode(OSInputCaps mode)
{
    return sendSet(ReportMode, {static_cast<std::uint8_t>(mode & 0xFF)});
}

bool ProtocolHandler::getReportMode(OSInputCaps& mode) const
{
    return readValue(ReportMode, mode,
                     [](const Packet& reply) { return static_cast<OSInputCaps>(reply[4]); });
}

bool ProtocolHandler::unlockOnlineMode() const
{
    Packet request = setRequest(OnlineMode, {OnlineModeOn});
    Packet reply;
    return write(request) && requestGet(OnlineMode, reply) && reply == request;
}

bool ProtocolHandler::setDateTime(const DateTime& dateTime)
{
    const auto year = static_cast<std::uint8_t>((dateTime.year - 2000) & 0xFF);
    return sendSet(RealTimeClock, {year, dateTime.month, dateTime.day, dateTime.second,
                                   dateTime.minute, dateTime.hour});
}

bool ProtocolHandler::setPressureThreshold(unsigned short threshold)
{
    return sendSet(PressureThreshold, {static_cast<std::uint8_t>(threshold & 0xFF),
                                       static_cast<std::uint8_t>((threshold >> 8) & 0xFF)});
}

bool ProtocolHandler::getPressureThreshold(unsigned short& threshold)
{
    return readValue(PressureThreshold, threshold,
                     [](const Packet& reply) { return littleEndian16(reply, 4); });
}

bool ProtocolHandler::getFirmwareVersion(std::string& version)
{
    return readValue(FirmwareVersion, version, firmwareText);
}

bool ProtocolHandler::getBatteryState(ChargerState& state)
{
    return readValue(ChargerStateCommand, state,
                     [](const Packet& reply) { return static_cast<ChargerState>(reply[4]); });
}

bool ProtocolHandler::getBatteryVoltage(int& voltage)
{
    return readValue(BatteryVoltage, voltage,
                     [](const Packet& reply) { return int(littleEndian16(reply, 4)); });
}

bool ProtocolHandler::getLastError(ePELM_EVENTS_ENUM& event)
{
    return readValue(LastEvent, event, [](const Packet& reply) {
        return static_cast<ePELM_EVENTS_ENUM>(reply[4]);
    });
}

bool ProtocolHandler::resetLastError() { return sendSet(LastEvent, {0x00}); }

bool ProtocolHandler::Restore2FactorySettigns() { return sendSet(FactorySettings); }

bool ProtocolHandler::sendSet(std::uint8_t command,
                              std::initializer_list<std::uint8_t> payload) const
{
    Packet request = setRequest(command, payload);
    return write(request);
}

template <class Value, class Decode>
bool ProtocolHandler::readValue(std::uint8_t command, Value& value, Decode decode) const
{
    Packet reply;
    if (!requestGet(command, reply))
        return false;
    value = decode(reply);
    return true;
}

bool ProtocolHandler::requestGet(std::uint8_t command, Packet& reply) const
{
    Packet request = getRequest(command);
    return write(request) && read(reply);
}

bool ProtocolHandler::write(Packet& request) const
{
    return m_device && m_device->writePacket(request);
}

bool ProtocolHandler::read(Packet& reply) const { return m_device && m_device->readPacket(reply); }
