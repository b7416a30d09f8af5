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

// The variable's value when it is an absolute path, else empty.
std::string absoluteEnvironment(const char* name)
{
    std::string value = environment(name);
    if (value.empty() || value.front() != '/')
        return std::string();
    while (value.size() > 1 && value.back() == '/')
        value.pop_back();
    return value;
}

// folder + tail (tail starts with "/"), or empty without a folder.
std::string below(const std::string& folder, const char* tail)
{
    if (folder.empty())
        return folder;
    return (folder == "/" ? std::string() : folder) + tail;
}

// The base directory named by `variable`, else HOME + `homeDefault`; empty without either.
std::string baseDirectory(const char* variable, const char* homeDefault)
{
    const std::string set = absoluteEnvironment(variable);
    if (!set.empty())
        return set;
    return below(homeFolder(), homeDefault);
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

std::string homeFolder() { return absoluteEnvironment("HOME"); }

std::string programFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

std::string programDataFolder()
{
    if (!systemRoot().empty())
        return systemPath("/usr/share/dravello"); // where the Debian package puts it
    const std::string folder = programFolder();
    if (folder.empty())
        return folder;
    return (std::filesystem::path(folder) / DRAVELLO_DATADIR_FROM_PROGRAMDIR).lexically_normal().string();
}

std::string systemSupportFolder() { return programDataFolder(); }

std::string applicationsFolder() { return systemPath("/Applications"); }

std::string volumesFolder() { return systemPath("/Volumes/"); }

std::string userDataHome() { return baseDirectory("XDG_DATA_HOME", "/.local/share"); }

std::string userSupportFolder() { return below(userDataHome(), "/Scrivet/"); }

std::string userAutostartFolder() { return below(baseDirectory("XDG_CONFIG_HOME", "/.config"), "/autostart"); }

std::string logFolder() { return below(baseDirectory("XDG_STATE_HOME", "/.local/state"), "/Scrivet"); }

std::string logFile() { return below(logFolder(), "/pelm.log"); }

bool makeFolders(const std::string& path)
{
    if (path.empty())
        return false;
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

std::string temporaryFolder()
{
    const std::string set = absoluteEnvironment("TMPDIR");
    return set.empty() ? std::string("/tmp") : set;
}

std::string systemCopiedFilesRecord() { return systemPath("/var/lib/dravello/copied_files.txt"); }

std::string userCopiedFilesRecord()
{
    const std::string folder = userSupportFolder();
    return folder.empty() ? folder : folder + "copied_files.txt";
}

std::string photoshopPicturesRecord() { return below(homeFolder(), "/temppics.adob"); }

std::string photoshopScriptSource() { return systemSupportFolder() + "/pngloader.jsx"; }

std::string handOverFolder()
{
    const std::string runtime = absoluteEnvironment("XDG_RUNTIME_DIR");
    if (!runtime.empty())
        return runtime + "/Scrivet";
    const std::string support = userSupportFolder();
    return support.empty() ? support : support.substr(0, support.size() - 1);
}

std::string handOverSocketPath() { return below(handOverFolder(), "/qtsasock"); }

std::string singleInstanceLockFile() { return below(handOverFolder(), "/qtsingleapplock"); }

} // namespace Platform
