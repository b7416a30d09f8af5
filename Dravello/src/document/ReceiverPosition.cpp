#include "ReceiverPosition.h"

#include "AngleUnits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// Distance of the receiver's sensor from the paper's edge (17.6 mm).
constexpr double kReceiverInset = 176.0;

// The whole text as a finite number, a leading "+" allowed; 0 for anything else.
float parseAngle(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* begin = bytes.constData();
    const char* const end = begin + bytes.size();
    if (begin != end && *begin == '+' && begin + 1 != end && begin[1] != '-')
        ++begin;
    float value = 0.0f;
    const std::from_chars_result result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return 0.0f;
    return value;
}

// Into [-180, 180].
float normalisedDegrees(float degrees)
{
    float a = std::fmod(degrees, 360.0f);
    if (a > 180.0f)
        a -= 360.0f;
    else if (a < -180.0f)
        a += 360.0f;
    return a;
}

} // namespace

std::optional<ReceiverCorrection> receiverCorrection(const QString& angleText, const QSizeF& paper)
{
    const float angle = normalisedDegrees(parseAngle(angleText));
    if (angle == 0.0f)
        return std::nullopt;
    const float radians = degreesToRadians(angle);
    if (radians == 0.0f)
        return std::nullopt;

    const double w = paper.width();
    const double h = paper.height();
    const double side = angle > 0.0f ? 1.0 : -1.0;
    const int wholeDegrees = std::abs(static_cast<int>(angle));
    if (wholeDegrees < 90)
        return ReceiverCorrection{radians, side * (w * 0.5 - kReceiverInset), kReceiverInset};
    if (wholeDegrees == 90)
        return ReceiverCorrection{radians, side * w * 0.5, h * 0.5};
    if (wholeDegrees < 180)
        return ReceiverCorrection{radians, side * (w * 0.5 - kReceiverInset), h - kReceiverInset};
    return ReceiverCorrection{radians, 0.0, h};
}
