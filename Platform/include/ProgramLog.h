#ifndef PLATFORM_PROGRAMLOG_H
#define PLATFORM_PROGRAMLOG_H

namespace Platform {

// Points the ink library's log at logFile(), creating its folder with all
// its parents. False, and no log kept, when there is no such folder.
bool keepProgramLog();

} // namespace Platform

#endif
