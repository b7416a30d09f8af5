#include "FixedPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace Platform {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// HOME + tail, or empty without HOME.
std::string belowHome(const char* tail)
{
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + tail;
}

} // namespace

std::string systemRoot()
{
    std::string root = environment("DRAVELLO_SYSTEM_ROOT");
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    return root;
}

std::string systemPath(const std::string& absolute) { return systemRoot() + absolute; }

std::string homeFolder() { return environment("HOME"); }

std::string systemSupportFolder() { return systemPath("/Library/Application Support/Scrivet"); }

std::string applicationsFolder() { return systemPath("/Applications"); }

std::string volumesFolder() { return systemPath("/Volumes/"); }

std::string userApplicationSupportFolder() { return belowHome("/Library/Application Support"); }

std::string userSupportFolder() { return belowHome("/Library/Application Support/Scrivet/"); }

std::string userLaunchAgentsFolder() { return belowHome("/Library/LaunchAgents"); }

bool makeFolders(const std::string& path)
{
    if (path.empty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

std::string copiedFilesRecord() { return systemSupportFolder() + "/copied_files.txt"; }

std::string photoshopScriptSource() { return systemSupportFolder() + "/pngloader.jsx"; }

std::string photoshopPicturesRecord() { return belowHome("/temppics.adob"); }

std::string handOverSocketPath() { return belowHome("/qtsasock"); }

std::string singleInstanceLockFile()
{
    const std::string folder = userSupportFolder();
    return folder.empty() ? folder : folder + "qtsingleapplock";
}

} // namespace Platform
