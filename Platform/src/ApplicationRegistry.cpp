#include "ApplicationRegistry.h"

#include "InfoPlist.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace Platform {

namespace {

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

bool isBundle(const fs::path& path)
{
    std::error_code error;
    return path.extension() == ".app" && fs::is_directory(path, error);
}

// The folders directly inside folder, sorted by path; empty when it cannot be listed.
std::vector<fs::path> sortedFolders(const fs::path& folder)
{
    std::vector<fs::path> folders;
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::error_code kindError;
        if (entry->is_directory(kindError))
            folders.push_back(entry->path());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

std::optional<ApplicationInfo> readBundle(const fs::path& bundle)
{
    const auto info = readInfoPlist((bundle / "Contents" / "Info.plist").string());
    if (!info)
        return std::nullopt;
    auto value = [&](const char* key) {
        const auto found = info->find(key);
        return found == info->end() ? std::string() : found->second;
    };
    return ApplicationInfo{bundle.string(), value("CFBundleIdentifier"), value("CFBundleName"),
                           value("CFBundleVersion"), value("CFBundleShortVersionString"),
                           value("CFBundleExecutable")};
}

} // namespace

ApplicationRegistry::ApplicationRegistry(const std::string& applicationsFolder)
{
    auto add = [this](const fs::path& bundle) {
        if (auto application = readBundle(bundle))
            applications.push_back(std::move(*application));
    };
    for (const fs::path& folder : sortedFolders(applicationsFolder)) {
        if (isBundle(folder)) {
            add(folder);
            continue;
        }
        for (const fs::path& inner : sortedFolders(folder))
            if (isBundle(inner))
                add(inner);
    }
}

std::optional<ApplicationInfo> ApplicationRegistry::findByIdentifier(const std::string& identifier) const
{
    for (const ApplicationInfo& application : applications)
        if (!identifier.empty() && equalIgnoringCase(application.identifier, identifier))
            return application;
    return std::nullopt;
}

std::optional<ApplicationInfo> ApplicationRegistry::findByName(const std::string& bundleFileName) const
{
    for (const ApplicationInfo& application : applications)
        if (equalIgnoringCase(fs::path(application.bundlePath).filename().string(), bundleFileName))
            return application;
    return std::nullopt;
}

std::string bundleProgram(const std::string& bundlePath)
{
    const auto application = isBundle(bundlePath) ? readBundle(bundlePath) : std::nullopt;
    if (!application)
        return std::string();
    const std::string& name = application->executable;
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
        return std::string();
    return (fs::path(bundlePath) / "Contents" / "MacOS" / name).string();
}

} // namespace Platform
