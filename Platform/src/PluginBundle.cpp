#include "PluginBundle.h"

#include "AtomicFile.h"
#include "FixedPaths.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace Platform {

namespace {

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

int majorVersion(const std::string& versionText)
{
    const char* begin = versionText.data();
    const char* end = begin + versionText.size();
    while (begin != end && (*begin == ' ' || *begin == '\t'))
        ++begin;
    const bool negative = begin != end && *begin == '-';
    if (begin != end && *begin == '+')
        ++begin;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error == std::errc::result_out_of_range)
        return negative ? INT_MIN : INT_MAX;
    return error == std::errc() ? value : 0;
}

std::string pluginBuildFor(int majorVersion)
{
    const std::string support = systemSupportFolder();
    if (majorVersion >= 17)
        return support + "/AICCPlugin/" + pluginBundleName;
    if (majorVersion == 16)
        return support + "/AICS6Plugin/" + pluginBundleName;
    return support + "/" + pluginBundleName;
}

Command copyContentsCommand(const std::string& source, const std::string& target)
{
    return {"cp", {"-p", "-L", "-R", "--", withoutTrailingSlashes(source) + "/.", target}};
}

bool installBundle(ProcessRunner& runner, const std::string& source, const std::string& target)
{
    const fs::path finalPath(withoutTrailingSlashes(target));
    std::string staging = (finalPath.parent_path()
                           / ("." + finalPath.filename().string() + ".partial-XXXXXX"))
                              .string();
    if (!::mkdtemp(staging.data()))
        return false;
    std::error_code error;
    if (runner.run(copyContentsCommand(source, staging)).succeeded()) {
        fs::rename(staging, finalPath, error);
        if (!error)
            return true;
    }
    fs::remove_all(staging, error);
    return false;
}

bool writeCopiedFilesRecord(const std::string& record, const std::string& target)
{
    return !record.empty() && makeFolders(fs::path(record).parent_path().string())
        && writeFileAtomically(record, target);
}

} // namespace Platform
