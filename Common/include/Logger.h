#ifndef PELM_LOGGER_H
#define PELM_LOGGER_H

#include "ThreadMutex.h"

#include <atomic>
#include <cstddef>
#include <string>

namespace Pelm {

// Serialises opening, writing and measuring the log file. A function-local
// static, so it is usable during static initialisation.
ThreadMutex& sLogFileTruncationMutex();

// Static file logger: appends one line per message at or above the
// threshold to the file that SetFilePath names; the file starts afresh once
// it has reached _maxFileSize. The file is opened for each line without
// following a link and without waiting (O_NOFOLLOW, O_NONBLOCK), and a line
// is written only into a regular file: a link, a FIFO or a device at the
// path loses the line, as does a file that cannot be opened.
class Logger {
public:
    enum eLevel : int { SEVERE = 0, WARNING = 1, INFO = 2, FINE = 3, FINER = 4, FINEST = 5 };

    static eLevel GetLevel();
    static void SetLevel(eLevel level);
    static std::string LevelToString(eLevel level);
    static eLevel StringToLevel(const std::string& name);

    static void WriteLog(const char* className, const char* method, const char* message,
                         eLevel level);

    // The log file's path; empty (as at the start) keeps no log.
    static std::string GetFilePath();
    static void SetFilePath(const std::string& path);

    // Size at which the file starts afresh; 10485760 bytes unless changed.
    static std::size_t GetMaxFileSize();
    static void SetMaxFileSize(std::size_t bytes);

private:
    static std::atomic<int> _level;
    static std::atomic<std::size_t> _maxFileSize;
    static bool _truncate; // guarded by sLogFileTruncationMutex()
};

} // namespace Pelm

#endif
