#include "StringUtils.h"

#include <limits>
#include <sstream>

namespace Pelm {

std::string Int2Str(int value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

namespace {

bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

template <typename Int>
Int leadingInteger(const char* text)
{
    if (!text)
        return 0;
    while (isCSpace(*text))
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    // Accumulate towards the sign so the most negative value is reachable.
    Int value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const Int digit = static_cast<Int>(*text - '0');
        if (negative) {
            if (value < (std::numeric_limits<Int>::min() + digit) / 10)
                return std::numeric_limits<Int>::min();
            value = value * 10 - digit;
        } else {
            if (value > (std::numeric_limits<Int>::max() - digit) / 10)
                return std::numeric_limits<Int>::max();
            value = value * 10 + digit;
        }
    }
    return value;
}

} // namespace

int Str2Int(const char* text) { return leadingInteger<int>(text); }

std::int64_t Str2Int64(const char* text) { return leadingInteger<std::int64_t>(text); }

void tokenize(const std::string& text, std::list<std::string>& tokens,
              const std::string& delimiters)
{
    std::string::size_type start = text.find_first_not_of(delimiters);
    while (start != std::string::npos) {
        const std::string::size_type end = text.find_first_of(delimiters, start);
        tokens.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        start = text.find_first_not_of(delimiters, end);
    }
}

std::string operator<<(std::string a, std::string b) { return a + b; }

} // namespace Pelm
