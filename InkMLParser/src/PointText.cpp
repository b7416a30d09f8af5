#include "PointText.h"

#include "StringUtils.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace Pelm {

Pieces::Pieces(std::string_view text_, char delimiter_)
    : text(text_), position(0), delimiter(delimiter_)
{
}

bool Pieces::next(std::string_view& piece)
{
    // Pieces (the points of a trace) are a few dozen characters: a plain
    // loop over locals beats the library's searches.
    const char* const data = text.data();
    const std::string_view::size_type size = text.size();
    std::string_view::size_type at = position;
    while (at < size && data[at] == delimiter)
        ++at;
    if (at == size) {
        position = at;
        return false;
    }
    const std::string_view::size_type start = at;
    while (at < size && data[at] != delimiter)
        ++at;
    position = at;
    piece = std::string_view(data + start, at - start);
    return true;
}

namespace {

bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A six-digit integer (100000 to 999999) of significant digits, the first
// of which stands for 10^exponent (-4 to 5), in fixed notation without
// trailing zeros.
char* writeFixed(char* out, bool negative, long digits, int exponent)
{
    char d[6];
    for (int i = 5; i >= 0; --i, digits /= 10)
        d[i] = static_cast<char>('0' + digits % 10);
    int last = 5;
    while (last > 0 && d[last] == '0')
        --last;
    if (negative)
        *out++ = '-';
    if (exponent >= 0) {
        out = std::copy(d, d + exponent + 1, out);
        if (last > exponent) {
            *out++ = '.';
            out = std::copy(d + exponent + 1, d + last + 1, out);
        }
    } else {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::copy(d, d + last + 1, out);
    }
    return out;
}

// Six significant digits in the general form, as "%g" writes them in the C
// locale. to_chars does that slowly; values from 1e-4 to below 1e6, the
// fixed-notation range, are rounded here instead. Scaling by an exact power
// of ten rounds once, and rounding is monotonic, so the scaled value lies on
// the same side of every half-way point as the exact product, or on the
// point itself: only then is to_chars needed to settle the tie.
char* writeDecimal(char* out, char* end, double value)
{
    static const double powers[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5};
    static const double scales[] = {1e9, 1e8, 1e7, 1e6, 1e5, 1e4, 1e3, 1e2, 1e1, 1e0};
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-4 && magnitude < 1e6) {
        int exponent = 5;
        while (magnitude < powers[exponent + 4])
            --exponent;
        const double scaled = magnitude * scales[exponent + 4];
        const double whole = std::floor(scaled);
        if (scaled - whole != 0.5) {
            long digits = static_cast<long>(whole) + (scaled - whole > 0.5 ? 1 : 0);
            if (digits == 1000000) {
                digits = 100000;
                ++exponent;
            }
            if (digits >= 100000 && exponent <= 5)
                return writeFixed(out, value < 0, digits, exponent);
        }
    }
    return std::to_chars(out, end, value, std::chars_format::general, 6).ptr;
}

// A field of the point text starts at p and runs to the next blank or to
// end. The readers below take the leading number of the field, as strtod and
// Str2Int64 would take it from the field on its own, and leave p after it;
// no number reaches over a blank, so they need not know where the field ends.

// White space inside the field (tabs, line feeds) is passed over, as
// strtod does; a blank would already end the field.
const char* afterFieldSpace(const char* p, const char* end)
{
    while (p < end && *p != ' ' && isCSpace(*p))
        ++p;
    return p;
}

// The leading number when it is plain: an optional minus, digits with at
// most one decimal point, no exponent, at most 15 digits. Such a number is a
// quotient of two doubles that hold their integers exactly, so one division
// rounds it correctly, as from_chars would. False for any other text.
bool readPlainDecimal(const char*& p, const char* end, double& value)
{
    static const double powers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                    1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* q = p;
    const bool negative = q < end && *q == '-';
    q += negative ? 1 : 0;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; q < end; ++q) {
        if (*q >= '0' && *q <= '9') {
            if (++digits > 15)
                return false;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*q - '0');
            decimals += point ? 1 : 0;
        } else if (*q == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 || (q < end && (*q == 'e' || *q == 'E')))
        return false;
    const double magnitude = static_cast<double>(mantissa) / powers[decimals];
    value = negative ? -magnitude : magnitude;
    p = q;
    return true;
}

// The longest leading decimal number, as strtod reads it in the C locale;
// 0 when there is none, when it is not finite or out of range.
double readDecimal(const char*& p, const char* end)
{
    p = afterFieldSpace(p, end);
    if (end - p > 1 && *p == '+' && p[1] != '-' && p[1] != '+')
        ++p;
    double value = 0.0;
    if (readPlainDecimal(p, end, value))
        return value;
    const std::from_chars_result r = std::from_chars(p, end, value);
    if (r.ec != std::errc())
        return 0.0;
    p = r.ptr;
    return std::isfinite(value) ? value : 0.0;
}

// The leading integer as Str2Int64 reads it, saturated at the int64 limits.
std::int64_t readInteger(const char*& p, const char* end)
{
    p = afterFieldSpace(p, end);
    const char* const start = p;
    const bool negative = p < end && *p == '-';
    p += p < end && (*p == '-' || *p == '+') ? 1 : 0;
    // Up to 18 digits cannot overflow, so they are read here; longer runs go
    // to Str2Int64 for its saturation (the text goes on with a blank, a
    // comma or a null, none of which it reads as a digit).
    const char* const firstDigit = p;
    std::int64_t value = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p) {
        if (p - firstDigit == 18)
            return Str2Int64(start);
        value = value * 10 + (*p - '0');
    }
    return negative ? -value : value;
}

// Str2Int: the same saturated at the limits of int.
int readInt(const char*& p, const char* end)
{
    return static_cast<int>(std::clamp<std::int64_t>(readInteger(p, end), INT_MIN, INT_MAX));
}

// The number followed by a blank; room for the blank is kept back, so
// even a number that did not fit leaves out inside the buffer.
template <typename Number>
char* writeField(char* out, char* end, Number value)
{
    if constexpr (std::is_floating_point_v<Number>)
        out = writeDecimal(out, end - 1, value);
    else
        out = std::to_chars(out, end - 1, value).ptr;
    *out++ = ' ';
    return out;
}

} // namespace

void appendPointText(std::string& text, const Point& point)
{
    // Seven numbers of at most 24 characters, each with a blank.
    char buffer[7 * 25];
    char* const end = buffer + sizeof buffer;
    char* out = writeField(buffer, end, point.x.Get());
    out = writeField(out, end, point.y.Get());
    out = writeField(out, end, point.z.Get());
    out = writeField(out, end, point.pressure.Get());
    out = writeField(out, end, point.tiltX.Get());
    out = writeField(out, end, point.tiltY.Get());
    out = writeField(out, end, point.timestamp.Get());
    text.append(buffer, out - 1);
}

namespace {

// Reads field i of the point text (x, y, z, pressure, tiltX, tiltY,
// timestamp) from p; returns the end of the field.
const char* readField(Point& point, int i, const char* p, const char* end)
{
    switch (i) {
    case 0: point.x.Set(readDecimal(p, end)); break;
    case 1: point.y.Set(readDecimal(p, end)); break;
    case 2: point.z.Set(readDecimal(p, end)); break;
    // Pressure is unsigned 32-bit: the 64-bit read keeps values above INT_MAX.
    case 3: point.pressure.Set(static_cast<unsigned int>(readInteger(p, end))); break;
    case 4: point.tiltX.Set(readInt(p, end)); break;
    case 5: point.tiltY.Set(readInt(p, end)); break;
    default: point.timestamp.Set(static_cast<unsigned long>(readInteger(p, end))); break;
    }
    while (p < end && *p != ' ')
        ++p;
    return p;
}

} // namespace

bool readPointText(std::string_view text, Point& point)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    int count = 0;
    for (; count < 7; ++count) {
        while (p < end && *p == ' ')
            ++p;
        if (p == end)
            break;
        p = readField(point, count, p, end);
    }
    return count > 0;
}

} // namespace Pelm
