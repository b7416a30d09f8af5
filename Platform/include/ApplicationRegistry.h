#ifndef PLATFORM_APPLICATIONREGISTRY_H
#define PLATFORM_APPLICATIONREGISTRY_H

// Installed applications, found the way the system's launch services would:
// every "*.app" bundle directly in the applications folder or in one of its
// direct subfolders, described by its Contents/Info.plist.

#include "FixedPaths.h"

#include <optional>
#include <string>
#include <vector>

namespace Platform {

struct ApplicationInfo {
    std::string bundlePath;   // the ".app" folder
    std::string identifier;   // CFBundleIdentifier
    std::string name;         // CFBundleName; empty when the bundle has none
    std::string version;      // CFBundleVersion
    std::string shortVersion; // CFBundleShortVersionString
    std::string executable;   // CFBundleExecutable
};

class ApplicationRegistry {
public:
    // Reads the bundles once; a bundle without a readable Info.plist is left out.
    explicit ApplicationRegistry(const std::string& applicationsFolder = Platform::applicationsFolder());

    // The first bundle, in path order, with this identifier (compared
    // without regard to ASCII case, as bundle identifiers are).
    std::optional<ApplicationInfo> findByIdentifier(const std::string& identifier) const;

    // The first bundle, in path order, whose folder has this name, extension
    // included ("SketchBookPro6.app"), compared without regard to ASCII case.
    std::optional<ApplicationInfo> findByName(const std::string& bundleFileName) const;

private:
    std::vector<ApplicationInfo> applications;
};

// The program inside a bundle, bundlePath + "/Contents/MacOS/" + the
// CFBundleExecutable of its Info.plist: what starts when the bundle is opened.
// Empty when the Info.plist cannot be read or names no plain file name.
std::string bundleProgram(const std::string& bundlePath);

} // namespace Platform

#endif
