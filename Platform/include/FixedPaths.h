#ifndef PLATFORM_FIXEDPATHS_H
#define PLATFORM_FIXEDPATHS_H

// Every fixed path of the program, in one place. System paths are the
// platform's own; when DRAVELLO_SYSTEM_ROOT is set they are taken below that
// folder instead (tests point it at a temporary folder). User paths follow
// the freedesktop base directories: XDG_DATA_HOME, XDG_CONFIG_HOME,
// XDG_STATE_HOME and XDG_RUNTIME_DIR when they hold absolute paths, else
// their defaults below HOME. A relative HOME or XDG variable counts as not
// set, so no user path is ever taken relative to the current folder.

#include <string>

namespace Platform {

// The folder set by DRAVELLO_SYSTEM_ROOT, or empty.
std::string systemRoot();

// An absolute system path ("/Applications") as this process must use it.
std::string systemPath(const std::string& absolute);

// HOME, or empty when it is not set or not absolute.
std::string homeFolder();

// "/Library/Application Support/Scrivet": support files installed with the program.
std::string systemSupportFolder();

// "/Applications": where installed applications are found.
std::string applicationsFolder();

// "/Volumes/": mount points of removable volumes (with the trailing slash).
std::string volumesFolder();

// XDG_DATA_HOME, else HOME + "/.local/share": the user's data files. Empty
// when neither gives an absolute path.
std::string userDataHome();

// userDataHome() + "/Scrivet/": the program's user support folder (with the
// trailing slash): settings file, brush library, first-run files. Empty when
// there is no userDataHome().
std::string userSupportFolder();

// XDG_CONFIG_HOME, else HOME + "/.config", + "/autostart": entries the
// desktop starts at login. Empty when neither gives an absolute path.
std::string userAutostartFolder();

// XDG_STATE_HOME, else HOME + "/.local/state", + "/Scrivet": the folder of
// the program's log. Empty when neither gives an absolute path.
std::string logFolder();

// logFolder() + "/pelm.log": the log of the ink library. Empty without a log folder.
std::string logFile();

// Creates the folder with all its parents; true when it exists afterwards.
bool makeFolders(const std::string& path);

// TMPDIR when absolute, else "/tmp": the temporary-files folder.
std::string temporaryFolder();

// Installed support files and the plug-in installation record.

// "/Library/Application Support/Scrivet/copied_files.txt": names the last copy of the plug-in.
std::string copiedFilesRecord();

// "/Library/Application Support/Scrivet/pngloader.jsx": the Photoshop loader script as installed.
std::string photoshopScriptSource();

// HOME + "/temppics.adob": names the folder of the pictures handed to the
// Photoshop loader script. Empty without a home folder.
std::string photoshopPicturesRecord();

// XDG_RUNTIME_DIR + "/Scrivet" when that variable is set, else the user
// support folder (without the trailing slash): the folder of the hand-over
// socket and the single-instance lock. Empty when there is neither.
std::string handOverFolder();

// handOverFolder() + "/qtsasock": the local socket on which the running copy
// takes hand-overs from later starts. Empty without a hand-over folder.
std::string handOverSocketPath();

// handOverFolder() + "/qtsingleapplock": the file whose lock elects the
// running copy. Empty without a hand-over folder.
std::string singleInstanceLockFile();

} // namespace Platform

#endif
