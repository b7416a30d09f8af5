#include "Logger.h"

#include "DateTime.h"

#include <cstdio>
#include <fstream>
#include <initializer_list>

namespace Pelm {

const char* const logFileName = "pelm.log";

ThreadMutex& sLogFileTruncationMutex()
{
    static ThreadMutex mutex;
    return mutex;
}

std::atomic<int> Logger::_level{Logger::WARNING};
std::atomic<std::size_t> Logger::_maxFileSize{10485760};
bool Logger::_truncate = false;

Logger::eLevel Logger::GetLevel() { return static_cast<eLevel>(_level.load()); }

void Logger::SetLevel(eLevel level) { _level.store(level); }

std::size_t Logger::GetMaxFileSize() { return _maxFileSize.load(); }

void Logger::SetMaxFileSize(std::size_t bytes) { _maxFileSize.store(bytes); }

std::string Logger::LevelToString(eLevel level)
{
    switch (level) {
    case SEVERE: return "SEVERE";
    case WARNING: return "WARNING";
    case INFO: return "INFO";
    case FINE: return "FINE";
    case FINER: return "FINER";
    case FINEST: return "FINEST";
    }
    return std::string();
}

Logger::eLevel Logger::StringToLevel(const std::string& name)
{
    for (eLevel level : {SEVERE, WARNING, INFO, FINE, FINER, FINEST})
        if (LevelToString(level) == name)
            return level;
    return INFO;
}

namespace {

std::string threadIdText()
{
    char text[32];
    std::snprintf(text, sizeof text, "%p", reinterpret_cast<void*>(pthread_self()));
    return text;
}

const char* orEmpty(const char* text) { return text ? text : ""; }

} // namespace

void Logger::WriteLog(const char* className, const char* method, const char* message,
                      eLevel level)
{
    if (static_cast<int>(level) > _level.load())
        return;

    std::string line = DateTime().ToString("[%Y.%m.%d %H:%M:%S]");
    line += " [" + threadIdText() + "] ";
    line += LevelToString(level) + " " + orEmpty(message);
    line += std::string("\t") + orEmpty(className) + "::" + orEmpty(method) + "()\n";

    MutexGuard guard(sLogFileTruncationMutex());
    const std::ios::openmode mode = std::ios::out | (_truncate ? std::ios::trunc : std::ios::app);
    _truncate = false;
    std::ofstream file(logFileName, mode);
    if (!file.is_open())
        return;
    file << line << std::flush;
    const std::streamoff position = file.tellp();
    if (position >= 0 && static_cast<std::size_t>(position) >= _maxFileSize.load())
        _truncate = true;
}

} // namespace Pelm
