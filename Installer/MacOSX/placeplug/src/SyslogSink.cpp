#include "LogSink.h"

#include <syslog.h>

namespace Placeplug {

void SyslogSink::write(int priority, const std::string& line)
{
    ::syslog(priority, "%s", line.c_str());
}

} // namespace Placeplug
