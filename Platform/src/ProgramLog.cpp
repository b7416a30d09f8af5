#include "ProgramLog.h"

#include "FixedPaths.h"
#include "Logger.h"

namespace Platform {

bool keepProgramLog()
{
    const bool folderMade = makeFolders(logFolder());
    Pelm::Logger::SetFilePath(folderMade ? logFile() : std::string());
    return folderMade;
}

} // namespace Platform
