#ifndef PLACEPLUG_LOGSINK_H
#define PLACEPLUG_LOGSINK_H

#include <string>

namespace Placeplug {

// Where the tool's log lines go; priorities are syslog's (LOG_INFO, LOG_ERR).
class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void write(int priority, const std::string& line) = 0;
};

// The system log. The line is passed as an argument, never as the format.
class SyslogSink : public LogSink {
public:
    void write(int priority, const std::string& line) override;
};

} // namespace Placeplug

#endif
