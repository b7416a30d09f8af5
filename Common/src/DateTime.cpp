#include "DateTime.h"

namespace Pelm {

DateTime::DateTime() : seconds(std::time(nullptr)) {}

DateTime::DateTime(long seconds_) : seconds(static_cast<time_t>(seconds_)) {}

std::string DateTime::ToString(const char* format) const
{
    struct tm local;
    if (!format || !localtime_r(&seconds, &local))
        return std::string();
    char buffer[254];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, length);
}

} // namespace Pelm
