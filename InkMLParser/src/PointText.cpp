#include "PointText.h"

#include "StringUtils.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace Pelm {

Pieces::Pieces(std::string_view text_, char delimiter_)
    : text(text_), position(0), delimiter(delimiter_)
{
}

bool Pieces::next(std::string_view& piece)
{
    position = text.find_first_not_of(delimiter, position);
    if (position == std::string_view::npos)
        return false;
    const std::string_view::size_type end = text.find(delimiter, position);
    piece = text.substr(position, end == std::string_view::npos ? end : end - position);
    position = end;
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

void appendDecimal(std::string& text, double value)
{
    char buffer[32];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    text.append(buffer, r.ptr);
}

template <typename Int>
void appendInteger(std::string& text, Int value)
{
    char buffer[24];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, r.ptr);
}

// The longest leading decimal number of the piece, as strtod reads it in the
// C locale; 0 when there is none, when it is not finite or out of range.
double leadingDecimal(std::string_view piece)
{
    piece = withoutLeadingSpace(piece);
    if (piece.size() > 1 && piece[0] == '+' && piece[1] != '-' && piece[1] != '+')
        piece.remove_prefix(1);
    double value = 0.0;
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
    return piece.empty() ? 0 : Str2Int64(piece.data());
}

// Str2Int of the piece: the same saturation at the limits of int.
int leadingInt(std::string_view piece)
{
    return static_cast<int>(std::clamp<std::int64_t>(leadingInteger(piece), INT_MIN, INT_MAX));
}

} // namespace

void appendPointText(std::string& text, const Point& point)
{
    appendDecimal(text, point.x.Get());
    text.push_back(' ');
    appendDecimal(text, point.y.Get());
    text.push_back(' ');
    appendDecimal(text, point.z.Get());
    text.push_back(' ');
    appendInteger(text, point.pressure.Get());
    text.push_back(' ');
    appendInteger(text, point.tiltX.Get());
    text.push_back(' ');
    appendInteger(text, point.tiltY.Get());
    text.push_back(' ');
    appendInteger(text, point.timestamp.Get());
}

bool readPointText(std::string_view text, Point& point)
{
    Pieces fields(text, ' ');
    std::string_view field;
    if (!fields.next(field))
        return false;
    point.x.Set(leadingDecimal(field));
    if (!fields.next(field))
        return true;
    point.y.Set(leadingDecimal(field));
    if (!fields.next(field))
        return true;
    point.z.Set(leadingDecimal(field));
    if (!fields.next(field))
        return true;
    // Pressure is unsigned 32-bit: the 64-bit read keeps values above INT_MAX.
    point.pressure.Set(static_cast<unsigned int>(leadingInteger(field)));
    if (!fields.next(field))
        return true;
    point.tiltX.Set(leadingInt(field));
    if (!fields.next(field))
        return true;
    point.tiltY.Set(leadingInt(field));
    if (!fields.next(field))
        return true;
    point.timestamp.Set(static_cast<unsigned long>(leadingInteger(field)));
    return true;
}

} // namespace Pelm
