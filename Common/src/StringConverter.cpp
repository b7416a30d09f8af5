#include "StringConverter.h"

#include <cstdint>

namespace Pelm {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Number of consecutive 1 bits directly below the top bit of a lead byte.
unsigned followerCount(unsigned char lead)
{
    unsigned k = 0;
    for (int bit = 6; bit >= 0 && (lead >> bit) & 1; --bit)
        ++k;
    return k;
}

} // namespace

StringConverter::StringConverter(const char* text)
    : utf8(text ? text : ""), valid(text != nullptr), hasUtf8(true), hasWide(false)
{
}

StringConverter::StringConverter(const wchar_t* text)
    : wide(text ? text : L""), valid(text != nullptr), hasUtf8(false), hasWide(true)
{
}

const char* StringConverter::GetUtf8()
{
    if (valid && !hasUtf8)
        valid = hasUtf8 = toUtf8();
    return valid ? utf8.c_str() : nullptr;
}

const wchar_t* StringConverter::GetWideChar()
{
    if (valid && !hasWide)
        valid = hasWide = toWide();
    return valid ? wide.c_str() : nullptr;
}

std::wstring StringConverter::GetWideString(bool swap)
{
    if (!GetWideChar())
        return std::wstring();
    return swap ? swapBytes(wide) : wide;
}

// Lead bytes take up to their count of continuation bytes; a byte that is
// not a continuation ends the sequence early and is decoded on its own.
// A non-zero byte sequence that decodes to the unit 0 fails the conversion.
bool StringConverter::toWide()
{
    std::wstring out;
    const std::size_t size = utf8.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i++]);
        if (lead == 0)
            break;
        std::uint32_t value = lead;
        if (lead >= 0x80) {
            const unsigned k = followerCount(lead);
            value = lead & (0x7Fu >> k);
            for (unsigned n = 0; n < k && i < size; ++n) {
                const unsigned char next = static_cast<unsigned char>(utf8[i]);
                if (!isContinuation(next))
                    break;
                value = value * 64u + (next & 0x3Fu);
                ++i;
            }
        }
        if (value == 0)
            return false;
        out.push_back(static_cast<wchar_t>(value));
    }
    wide.swap(out);
    return true;
}

bool StringConverter::toUtf8()
{
    static const unsigned char leadMarks[] = {0x00, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC};
    std::string out;
    for (wchar_t unit : wide) {
        const std::uint32_t u = static_cast<std::uint32_t>(unit);
        if (u == 0)
            break;
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
            continue;
        }
        const unsigned k = u <= 0x7FF ? 1 : u <= 0xFFFF ? 2 : u <= 0x1FFFFF ? 3 : u <= 0x3FFFFFF ? 4 : 5;
        out.push_back(static_cast<char>(((u >> (6 * k)) | leadMarks[k]) & 0xFF));
        for (int j = static_cast<int>(k) - 1; j >= 0; --j)
            out.push_back(static_cast<char>(0x80 | ((u >> (6 * j)) & 0x3F)));
    }
    utf8.swap(out);
    return true;
}

std::wstring swapBytes(const std::wstring& text)
{
    std::wstring out(text);
    for (wchar_t& unit : out) {
        const std::uint32_t u = static_cast<std::uint32_t>(unit);
        unit = static_cast<wchar_t>((u >> 24) | ((u >> 8) & 0xFF00u) | ((u << 8) & 0xFF0000u) |
                                    (u << 24));
    }
    return out;
}

} // namespace Pelm
