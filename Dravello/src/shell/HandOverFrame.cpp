#include "HandOverFrame.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace HandOver {

std::string frame(const std::string& message)
{
    if (message.size() > std::numeric_limits<std::uint32_t>::max())
        return std::string();
    const auto size = static_cast<std::uint32_t>(message.size());
    std::string bytes;
    bytes.reserve(4 + message.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<char>((size >> shift) & 0xFF));
    bytes += message;
    return bytes;
}

namespace {

const char kStartupIdName[] = "DESKTOP_STARTUP_ID";
const char kActivationTokenName[] = "XDG_ACTIVATION_TOKEN";
constexpr std::size_t kMaxActivationValue = 255;

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isActivationValue(const std::string& value)
{
    return !value.empty() && value.size() <= kMaxActivationValue
        && std::all_of(value.begin(), value.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

void appendField(std::string& text, const char* name, const std::string& value)
{
    if (isActivationValue(value))
        text.append(1, '\0').append(name).append(1, '=').append(value);
}

} // namespace

Activation activationFromEnvironment()
{
    return {environmentValue(kStartupIdName), environmentValue(kActivationTokenName)};
}

std::string withActivation(const std::string& message, const Activation& activation)
{
    std::string text = message;
    appendField(text, kStartupIdName, activation.startupId);
    appendField(text, kActivationTokenName, activation.activationToken);
    return text;
}

Activation activationOf(const std::string& text)
{
    Activation activation;
    std::size_t at = text.find('\0');
    while (at != std::string::npos) {
        const std::size_t begin = at + 1;
        at = text.find('\0', begin);
        const std::string field = text.substr(begin, at == std::string::npos ? std::string::npos : at - begin);
        const std::size_t equals = field.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = field.substr(0, equals);
        const std::string value = field.substr(equals + 1);
        if (!isActivationValue(value))
            continue;
        if (name == kStartupIdName)
            activation.startupId = value;
        else if (name == kActivationTokenName)
            activation.activationToken = value;
    }
    return activation;
}

FrameReader::FrameReader(std::uint32_t maxMessageBytes) : m_maxMessageBytes(maxMessageBytes) {}

std::size_t FrameReader::feed(const char* data, std::size_t size)
{
    std::size_t used = 0;
    if (m_state == State::NeedLength)
        used += feedLength(data, size);
    if (m_state == State::NeedBody)
        used += feedBody(data + used, size - used);
    return used;
}

std::size_t FrameReader::missing() const
{
    switch (m_state) {
    case State::NeedLength:
        return sizeof m_length - m_lengthBytes;
    case State::NeedBody:
        return m_announced - m_body.size();
    default:
        return 0;
    }
}

std::string FrameReader::message() const { return m_body.substr(0, m_body.find('\0')); }

std::size_t FrameReader::feedLength(const char* data, std::size_t size)
{
    const std::size_t used = std::min(size, missing());
    std::copy(data, data + used, m_length + m_lengthBytes);
    m_lengthBytes += used;
    if (m_lengthBytes < sizeof m_length)
        return used;

    m_announced = 0;
    for (unsigned char byte : m_length)
        m_announced = (m_announced << 8) | byte;
    if (m_announced > m_maxMessageBytes) {
        m_state = State::TooLong;
    } else {
        m_body.reserve(m_announced);
        m_state = m_announced == 0 ? State::Complete : State::NeedBody;
    }
    return used;
}

std::size_t FrameReader::feedBody(const char* data, std::size_t size)
{
    const std::size_t used = std::min(size, missing());
    m_body.append(data, used);
    if (m_body.size() == m_announced)
        m_state = State::Complete;
    return used;
}

} // namespace HandOver
