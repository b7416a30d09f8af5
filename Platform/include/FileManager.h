#ifndef PLATFORM_FILEMANAGER_H
#define PLATFORM_FILEMANAGER_H

// Showing a folder to the user in the desktop's file manager.

#include "ProcessRunner.h"

#include <string>

namespace Platform {

// Opens the folder in the file manager ("xdg-open" with the folder as its
// only argument) without waiting; true when the program was started.
bool showFolder(ProcessRunner& runner, const std::string& folder);

} // namespace Platform

#endif
