#ifndef DRAVELLO_STARTUP_FIRSTRUNFILES_H
#define DRAVELLO_STARTUP_FIRSTRUNFILES_H

// The files a start needs in the user's folders: copied from the system
// support folder where the installer put them, and the user settings file,
// which falls back to the factory file of the program's data folder.

#include <QString>

// The entry that starts the program in its tray at login (an XDG autostart
// entry), in the system support folder and in the user's autostart folder.
extern const char* const kLaunchAgentFileName;
// The brush library that the Illustrator plug-in reads from the user data folder.
extern const char* const kBrushLibraryFileName;
extern const char* const kUserSettingsFileName;

// The user data folder ("Scrivet" in the user's data folder), with a
// trailing separator; empty when the user has no folder (HOME not set).
QString userDataFolder();
// The user data folder + "dravellouser.xml"; empty without a user data folder.
QString userSettingsFilePath();
// The program's data folder + "/support/dravellofactory.xml". The folder is
// found from the running executable, not from how it was started.
QString factorySettingsFilePath();

// Copies what is missing in the user's folders (autostart entry, settings
// file, brush library) from the system support folder. Failures are ignored:
// a missing settings file is then provided from the factory file. Without a
// user folder nothing is copied, and a severe line is logged. Returns true.
bool PrepareUserSettingsFile();

// Makes sure the user settings file exists, copying the factory file when it
// does not; false (after a critical box) when neither works.
bool provideUserSettingsFile(const QString& userPath, const QString& factoryPath);

#endif
