#include "StartupNotification.h"

#include <charconv>

namespace StartupNotification {

namespace {

constexpr std::size_t kPieceBytes = 20;

} // namespace

std::optional<std::uint32_t> launchTime(const std::string& startupId)
{
    const std::string marker = "_TIME";
    const std::size_t at = startupId.rfind(marker);
    if (at == std::string::npos)
        return std::nullopt;
    const char* begin = startupId.data() + at + marker.size();
    const char* end = startupId.data() + startupId.size();
    std::uint32_t time = 0;
    const auto [stop, error] = std::from_chars(begin, end, time);
    if (error != std::errc() || stop != end || begin == end)
        return std::nullopt;
    return time;
}

std::string removeMessage(const std::string& startupId)
{
    if (startupId.find_first_of(" \"\\") == std::string::npos)
        return "remove: ID=" + startupId;
    std::string quoted = "\"";
    for (char c : startupId) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return "remove: ID=" + quoted + "\"";
}

std::vector<std::string> pieces(const std::string& message)
{
    std::string bytes = message;
    bytes += '\0';
    bytes.resize((bytes.size() + kPieceBytes - 1) / kPieceBytes * kPieceBytes, '\0');
    std::vector<std::string> result;
    for (std::size_t at = 0; at < bytes.size(); at += kPieceBytes)
        result.push_back(bytes.substr(at, kPieceBytes));
    return result;
}

} // namespace StartupNotification
