#ifndef PLATFORM_PLUGINBUNDLE_H
#define PLATFORM_PLUGINBUNDLE_H

// Installing the Illustrator import plug-in: which build suits which
// Illustrator, and how the bundle is copied and the copy recorded. The
// desktop program and the installer tool share these steps.

#include "ProcessRunner.h"

#include <string>

namespace Platform {

// The plug-in bundle's folder name, and the folder beside the Illustrator
// application that takes it.
inline constexpr const char* pluginBundleName = "hlvexportfile.aip";
inline constexpr const char* pluginsFolderName = "Plug-ins.localized";

// The leading integer of a bundle version text ("17.1.0" gives 17), after
// optional blanks and a sign; 0 when the text starts with no number.
// Saturates at the limits of int.
int majorVersion(const std::string& versionText);

// The plug-in build in the system support folder for an Illustrator of this
// major version: 17 or more the "AICCPlugin" build, 16 the "AICS6Plugin"
// build, anything lower the build in the support folder itself.
std::string pluginBuildFor(int majorVersion);

// "cp" copying the contents of folder source into folder target (made when
// missing) over whatever is there already, keeping modes and times and
// following symbolic links. Copying the contents (source "/.") behaves the
// same with every cp, where copying the folder itself nests it inside an
// existing target with some.
Command copyContentsCommand(const std::string& source, const std::string& target);

// Copies the bundle at source to target, which must not exist yet: into a
// fresh hidden folder beside target first, renamed to target only once the
// copy has completed. On failure nothing is left behind. True when target
// now holds the complete copy.
bool installBundle(ProcessRunner& runner, const std::string& source, const std::string& target);

// Replaces the installation record "copied_files.txt" at `record` (one of
// the two in FixedPaths.h, whichever its writer may write) with the text of
// target (no line end), making its folder when missing. False when it cannot
// be written; the old record then stays as it was.
bool writeCopiedFilesRecord(const std::string& record, const std::string& target);

} // namespace Platform

#endif
