#ifndef PELM_DATETIME_H
#define PELM_DATETIME_H

#include <ctime>
#include <string>

namespace Pelm {

// Wall-clock seconds since the epoch.
class DateTime {
public:
    DateTime();
    explicit DateTime(long seconds);

    bool operator==(const DateTime& other) const { return seconds == other.seconds; }
    bool operator!=(const DateTime& other) const { return seconds != other.seconds; }

    // Local time formatted with strftime.
    std::string ToString(const char* format) const;

private:
    time_t seconds;
};

} // namespace Pelm

#endif
