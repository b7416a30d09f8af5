#include "Logger.h"

#include "DateTime.h"
#include "Descriptor.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <sys/stat.h>
#include <unistd.h>

namespace Pelm {

ThreadMutex& sLogFileTruncationMutex()
{
    static ThreadMutex mutex;
    return mutex;
}

namespace {

// Guarded by sLogFileTruncationMutex(); function-local like it.
std::string& logFilePath()
{
    static std::string path;
    return path;
}

} // namespace

std::atomic<int> Logger::_level{Logger::WARNING};
std::atomic<std::size_t> Logger::_maxFileSize{10485760};
bool Logger::_truncate = false;

Logger::eLevel Logger::GetLevel() { return static_cast<eLevel>(_level.load()); }

void Logger::SetLevel(eLevel level) { _level.store(level); }

std::size_t Logger::GetMaxFileSize() { return _maxFileSize.load(); }

void Logger::SetMaxFileSize(std::size_t bytes) { _maxFileSize.store(bytes); }

std::string Logger::GetFilePath()
{
    MutexGuard guard(sLogFileTruncationMutex());
    return logFilePath();
}

void Logger::SetFilePath(const std::string& path)
{
    MutexGuard guard(sLogFileTruncationMutex());
    logFilePath() = path;
}

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

// The log file opened for appending, or -1: never through a link, never
// waiting for the peer of a FIFO, and only when it is a regular file.
int openLogFile(const std::string& path)
{
    if (path.empty())
        return -1;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                          0666);
    struct stat status;
    if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

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
    const Descriptor file(openLogFile(logFilePath()));
    if (file.get() < 0)
        return;
    // A log that could not be truncated is tried again at the next line.
    if (_truncate && ::ftruncate(file.get(), 0) == 0)
        _truncate = false;
    struct stat status;
    if (writeAll(file.get(), line.data(), line.size()) && ::fstat(file.get(), &status) == 0 &&
        static_cast<std::size_t>(status.st_size) >= _maxFileSize.load())
        _truncate = true;
}

} // namespace Pelm
