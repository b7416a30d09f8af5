#include "UdevNames.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace Platform {

namespace {

// Exactly digits hexadecimal digits, the whole of text.
bool parseHex(std::string_view text, std::size_t digits, std::uint32_t& value)
{
    if (text.size() != digits)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::string decodeUdevText(const std::string& encoded)
{
    std::string plain;
    plain.reserve(encoded.size());
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        std::uint32_t byte = 0;
        if (encoded.compare(i, 2, "\\x") == 0 &&
            parseHex(std::string_view(encoded).substr(i + 2, 2), 2, byte)) {
            plain.push_back(static_cast<char>(byte));
            i += 3;
        } else {
            plain.push_back(encoded[i]);
        }
    }
    return plain;
}

bool hidIdsFromDevpath(const std::string& devpath, std::int32_t& vendor, std::int32_t& product)
{
    const std::string_view path(devpath);
    const std::size_t hidraw = path.rfind("/hidraw/");
    if (hidraw == std::string_view::npos)
        return false;
    const std::size_t start = path.rfind('/', hidraw == 0 ? 0 : hidraw - 1);
    if (start == std::string_view::npos || start >= hidraw)
        return false;
    // "BBBB:VVVV:PPPP.NNNN"; the instance number may grow past four digits.
    const std::string_view name = path.substr(start + 1, hidraw - start - 1);
    std::uint32_t bus = 0, vendorId = 0, productId = 0, instance = 0;
    const std::string_view number = name.size() > 15 ? name.substr(15) : std::string_view();
    if (name.size() < 19 || name[4] != ':' || name[9] != ':' || name[14] != '.' ||
        !parseHex(name.substr(0, 4), 4, bus) || !parseHex(name.substr(5, 4), 4, vendorId) ||
        !parseHex(name.substr(10, 4), 4, productId) ||
        !parseHex(number, std::min<std::size_t>(number.size(), 8), instance))
        return false;
    vendor = static_cast<std::int32_t>(vendorId);
    product = static_cast<std::int32_t>(productId);
    return true;
}

} // namespace Platform
