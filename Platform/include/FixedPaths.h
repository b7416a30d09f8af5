#ifndef PLATFORM_FIXEDPATHS_H
#define PLATFORM_FIXEDPATHS_H

// Every fixed path of the program, in one place. System paths are the
// platform's own; when DRAVELLO_SYSTEM_ROOT is set they are taken below that
// folder instead (tests point it at a temporary folder). User paths follow
// HOME.

#include <string>

namespace Platform {

// The folder set by DRAVELLO_SYSTEM_ROOT, or empty.
std::string systemRoot();

// An absolute system path ("/Applications") as this process must use it.
std::string systemPath(const std::string& absolute);

// HOME, or empty when it is not set.
std::string homeFolder();

// "/Library/Application Support/Scrivet": support files installed with the program.
std::string systemSupportFolder();

// "/Applications": where installed applications are found.
std::string applicationsFolder();

// "/Volumes/": mount points of removable volumes (with the trailing slash).
std::string volumesFolder();

// HOME + "/Library/Application Support": the user's Application Support folder.
// Empty when HOME is not set.
std::string userApplicationSupportFolder();

// HOME + "/Library/Application Support/Scrivet/": the program's user data folder
// (with the trailing slash). Empty when HOME is not set.
std::string userSupportFolder();

// HOME + "/Library/LaunchAgents": the user's launch agents. Empty when HOME is not set.
std::string userLaunchAgentsFolder();

// Creates the folder with all its parents; true when it exists afterwards.
bool makeFolders(const std::string& path);

// Installed support files and the plug-in installation record.

// "/Library/Application Support/Scrivet/copied_files.txt": names the last copy of the plug-in.
std::string copiedFilesRecord();

// "/Library/Application Support/Scrivet/pngloader.jsx": the Photoshop loader script as installed.
std::string photoshopScriptSource();

// HOME + "/temppics.adob": names the folder of the pictures handed to the
// Photoshop loader script. Empty when HOME is not set.
std::string photoshopPicturesRecord();

// HOME + "/qtsasock": the local socket on which the running copy takes
// hand-overs from later starts. Empty when HOME is not set.
std::string handOverSocketPath();

// HOME + "/Library/Application Support/Scrivet/qtsingleapplock": the file whose
// lock elects the running copy. Empty when HOME is not set.
std::string singleInstanceLockFile();

} // namespace Platform

#endif
