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
    // Pieces are short: a plain loop beats the library's searches.
    const std::string_view::size_type size = text.size();
    while (position < size && text[position] == delimiter)
        ++position;
    if (position == size)
        return false;
    const std::string_view::size_type start = position;
    while (position < size && text[position] != delimiter)
        ++position;
    piece = text.substr(start, position - start);
    return true;
}

namespace {

bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view withoutLeadingSpace(std::string_view text)
{
    std::string_view::size_type i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    return text.substr(i);
}

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

// The leading number of text when it is plain: an optional minus, digits
// with at most one decimal point, no exponent, at most 15 digits. Such a
// number is a quotient of two doubles that hold their integers exactly, so
// one division rounds it correctly, as from_chars would. False for any other
// text.
bool leadingPlainDecimal(std::string_view text, double& value)
{
    static const double powers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                    1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = !text.empty() && text[0] == '-';
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    std::string_view::size_type i = negative ? 1 : 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 15)
                return false;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 || (i < text.size() && (text[i] == 'e' || text[i] == 'E')))
        return false;
    const double magnitude = static_cast<double>(mantissa) / powers[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

// The longest leading decimal number of the piece, as strtod reads it in the
// C locale; 0 when there is none, when it is not finite or out of range.
double leadingDecimal(std::string_view piece)
{
    piece = withoutLeadingSpace(piece);
    if (piece.size() > 1 && piece[0] == '+' && piece[1] != '-' && piece[1] != '+')
        piece.remove_prefix(1);
    double value = 0.0;
    if (leadingPlainDecimal(piece, value))
        return value;
    const std::from_chars_result r =
        std::from_chars(piece.data(), piece.data() + piece.size(), value);
    return r.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

// Str2Int64 of the piece on its own. The piece is followed by a delimiter
// or the end of its string, either of which ends the digits too; only
// white space of its own must be passed over here, or Str2Int64 would go on
// across the delimiter into the next piece.
std::int64_t leadingInteger(std::string_view piece)
{
    piece = withoutLeadingSpace(piece);
    if (piece.empty())
        return 0;
    // Up to 18 digits cannot overflow, so they are read here; longer runs go
    // to Str2Int64 for its saturation.
    const bool negative = piece[0] == '-';
    std::string_view::size_type i = negative || piece[0] == '+' ? 1 : 0;
    const std::string_view::size_type first = i;
    std::int64_t value = 0;
    for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i) {
        if (i - first == 18)
            return Str2Int64(piece.data());
        value = value * 10 + (piece[i] - '0');
    }
    return negative ? -value : value;
}
// Str2Int of the piece: the same saturation at the limits of int.
int leadingInt(std::string_view piece)
{
    return static_cast<int>(std::clamp<std::int64_t>(leadingInteger(piece), INT_MIN, INT_MAX));
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

// Field i of the point text: x, y, z, pressure, tiltX, tiltY, timestamp.
void readField(Point& point, int i, std::string_view field)
{
    switch (i) {
    case 0: point.x.Set(leadingDecimal(field)); break;
    case 1: point.y.Set(leadingDecimal(field)); break;
    case 2: point.z.Set(leadingDecimal(field)); break;
    // Pressure is unsigned 32-bit: the 64-bit read keeps values above INT_MAX.
    case 3: point.pressure.Set(static_cast<unsigned int>(leadingInteger(field))); break;
    case 4: point.tiltX.Set(leadingInt(field)); break;
    case 5: point.tiltY.Set(leadingInt(field)); break;
    default: point.timestamp.Set(static_cast<unsigned long>(leadingInteger(field))); break;
    }
}

} // namespace

bool readPointText(std::string_view text, Point& point)
{
    Pieces fields(text, ' ');
    std::string_view field;
    int count = 0;
    for (; count < 7 && fields.next(field); ++count)
        readField(point, count, field);
    return count > 0;
}

} // namespace Pelm
