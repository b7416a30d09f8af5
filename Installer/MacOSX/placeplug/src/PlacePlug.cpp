#include "PlacePlug.h"

#include "FixedPaths.h"
#include "PluginBundle.h"

#include <syslog.h>

namespace Placeplug {

namespace {

// Owner may write, everyone may read, folders and programs may be run by everyone.
const char* const sharedAccess = "u=rwX,go=rX";

// Runs the command; false, with the failure logged, when it could not be started.
bool runLogged(Platform::ProcessRunner& runner, const Platform::Command& command, LogSink& log)
{
    const Platform::ProcessResult result = runner.run(command);
    if (result.started)
        return true;
    log.write(LOG_ERR, "placeplug: system(" + command.text() + ") command failed, retval is "
                           + std::to_string(result.exitStatus) + ", errno is: "
                           + std::to_string(result.error) + " ");
    return false;
}

} // namespace

int installPlugin(const Platform::ApplicationRegistry& registry, Platform::ProcessRunner& runner,
                  LogSink& log)
{
    log.write(LOG_INFO, "running placeplug utility...");
    const auto illustrator = registry.findByIdentifier("com.adobe.illustrator");
    if (!illustrator) {
        log.write(LOG_ERR, "placeplug: com.adobe.illustrator not found");
        return 0;
    }
    const std::string& application = illustrator->bundlePath;
    const std::size_t lastSlash = application.rfind('/');
    if (lastSlash == std::string::npos)
        return -1;
    const std::string target = application.substr(0, lastSlash) + "/"
        + Platform::pluginsFolderName + "/" + Platform::pluginBundleName + "/";
    const std::string source = Platform::pluginBuildFor(Platform::majorVersion(illustrator->version));

    if (!runLogged(runner, Platform::copyContentsCommand(source, target), log))
        return 0;
    if (!Platform::writeCopiedFilesRecord(Platform::systemCopiedFilesRecord(), target))
        log.write(LOG_ERR, "placeplug: failed to open file ");
    runLogged(runner, {"chmod", {"-R", sharedAccess, "--", target}}, log);
    return 0;
}

} // namespace Placeplug
