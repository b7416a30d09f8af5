#ifndef PLATFORM_FIXEDPATHS_H
#define PLATFORM_FIXEDPATHS_H

// Every fixed path of the program, in one place. Nothing is taken or placed
// at the top level of the filesystem: files installed with the programs for
// reading only lie in <prefix>/share/dravello, found from the running
// program's own folder (<prefix>/libexec/dravello, or the build tree's
// copy of that layout); records are written where their writer may write.
// Other system paths are the platform's own. When DRAVELLO_SYSTEM_ROOT is
// set, system paths are taken below that folder instead (tests point it at a
// temporary folder), the installed files at <root>/usr/share/dravello. User
// paths follow the freedesktop base directories: XDG_DATA_HOME,
// XDG_CONFIG_HOME, XDG_STATE_HOME and XDG_RUNTIME_DIR when they hold
// absolute paths, else their defaults below HOME. A relative HOME or XDG
// variable counts as not set, so no user path is ever taken relative to the
// current folder.

#include <string>

namespace Platform {

// The folder set by DRAVELLO_SYSTEM_ROOT, or empty.
std::string systemRoot();

// An absolute system path ("/Applications") as this process must use it.
std::string systemPath(const std::string& absolute);

// HOME, or empty when it is not set or not absolute.
std::string homeFolder();

// The folder of the running program; empty when the system does not say.
std::string programFolder();

// <prefix>/share/dravello: what the programs read and never write (the
// factory settings in "support", translations, licence pages, user guides,
// the product information). Below the system root when one is set.
std::string programDataFolder();

// The system support folder: the templates that a first start copies into
// the user's folders, the plug-in builds and the Photoshop loader script.
// The same folder as programDataFolder().
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

// Installed support files and the plug-in installation records.

// "copied_files.txt", which names the last copy of the plug-in, as the
// installer tool writes it (run by the system's administrator):
// "/var/lib/dravello/copied_files.txt".
std::string systemCopiedFilesRecord();

// The same record as the program writes it for its user: in the user
// support folder. Empty without one.
std::string userCopiedFilesRecord();

// The system support folder's "pngloader.jsx": the Photoshop loader script as installed.
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
