#include "DiskIdentity.h"

#include "StringConverter.h"

#include <climits>
#include <string_view>

namespace {

// Mac Roman 0x80..0xFF as Unicode code points.
constexpr char32_t MacRomanHigh[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, // 0x80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8, // 0x88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, // 0x90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, // 0x98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF, // 0xA0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, // 0xA8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, // 0xB0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, // 0xB8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, // 0xC0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, // 0xC8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, // 0xD0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, // 0xD8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, // 0xE0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, // 0xE8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC, // 0xF0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7, // 0xF8
};

std::u32string fromMacRoman(const std::string& bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (const unsigned char byte : bytes)
        text.push_back(byte < 0x80 ? char32_t(byte) : MacRomanHigh[byte - 0x80]);
    return text;
}

// Lower case for the letters Mac Roman can hold (Basic Latin, Latin-1,
// and the few others of its repertoire that have a case pair).
char32_t foldCase(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7))
        return c + 0x20;
    switch (c) {
    case 0x0152: return 0x0153; // OE
    case 0x0178: return 0x00FF; // Y with diaeresis
    case 0x03A9: return 0x03C9; // Omega
    default: return c;
    }
}

bool equalIgnoringCase(const std::u32string& a, const std::u32string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i]))
            return false;
    }
    return true;
}

bool matchesConfigured(const std::optional<std::string>& value, const std::string& configured)
{
    return !configured.empty() && value && compareMacStr2StdStr(*value, configured);
}

} // namespace

bool compareMacStr2StdStr(const std::string& systemText, const std::string& configured)
{
    if (systemText.find('\0') != std::string::npos)
        return false;
    Pelm::StringConverter converter(systemText.c_str());
    const wchar_t* wide = converter.GetWideChar();
    if (!wide)
        return false;
    const std::wstring_view units(wide);
    return equalIgnoringCase(std::u32string(units.begin(), units.end()), fromMacRoman(configured));
}

bool isNivokDisk(const Platform::VolumeDescription& description, const std::string& vendorName,
                 const std::string& modelName)
{
    return matchesConfigured(description.deviceVendor, vendorName) &&
           matchesConfigured(description.deviceModel, modelName);
}

bool isUsableVolumePath(const std::string& path)
{
    return !path.empty() && path.find('\0') == std::string::npos && path.size() < PATH_MAX;
}
