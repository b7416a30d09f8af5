#include "PluginMain.h"

#include "AIError.h"
#include "Plugin.h"
#include "SuitePointers.h"

#include <cstdio>
#include <cstring>

namespace {

bool isMessage(const char* caller, const char* selector, const char* wantedCaller, const char* wantedSelector)
{
    return std::strcmp(caller, wantedCaller) == 0 && std::strcmp(selector, wantedSelector) == 0;
}

void discardPlugin(SPMessageData* data, Plugin*& plugin)
{
    delete plugin;
    plugin = nullptr;
    data->globals = nullptr;
}

// A start-up that fails, by code or by exception, gives back what it took.
AIErr startPlugin(SPMessageData* data, Plugin*& plugin)
{
    plugin = AllocatePlugin(data->self);
    if (!plugin)
        return kOutOfMemoryErr;
    data->globals = plugin;
    AIErr error = kNoErr;
    try {
        error = plugin->StartupPlugin(reinterpret_cast<SPInterfaceMessage*>(data));
    } catch (...) {
        error = currentExceptionCode();
    }
    if (error != kNoErr) {
        plugin->ReleaseHostReferences();
        discardPlugin(data, plugin);
    }
    return error;
}

AIErr deliver(Plugin& plugin, const char* caller, const char* selector, void* message)
{
    if (Plugin::IsReloadMsg(caller, selector)) {
        FixupReload(&plugin);
        return plugin.ReloadPlugin(static_cast<SPAccessMessage*>(message));
    }
    return plugin.SuitesAcquired() ? plugin.Message(caller, selector, message) : kNoErr;
}

AIErr handle(const char* caller, const char* selector, SPMessageData* data, Plugin*& plugin)
{
    AIErr error = kNoErr;
    if (isMessage(caller, selector, hostmsg::kSPInterfaceCaller, hostmsg::kStartupSelector))
        error = startPlugin(data, plugin);
    else if (plugin && isMessage(caller, selector, hostmsg::kSPInterfaceCaller, hostmsg::kShutdownSelector)) {
        error = plugin->ShutdownPlugin(reinterpret_cast<SPInterfaceMessage*>(data));
        discardPlugin(data, plugin);
    }
    if (plugin)
        error = deliver(*plugin, caller, selector, data);
    return error;
}

} // namespace

extern "C" AIErr PluginMain(const char* caller, const char* selector, void* message)
{
    // A message without its names or record cannot be dispatched.
    if (!caller || !selector || !message)
        return kUnhandledMsgErr;
    auto* data = static_cast<SPMessageData*>(message);
    sSPBasic = data->basic;
    auto* plugin = static_cast<Plugin*>(data->globals);

    AIErr error = kNoErr;
    try {
        error = handle(caller, selector, data, plugin);
    } catch (...) {
        error = currentExceptionCode();
    }
    if (error == kUnhandledMsgErr) {
        std::fprintf(stderr, "Warning: Unhandled plugin message: caller \"%s\" selector \"%s\"\n", caller, selector);
        error = kNoErr;
    }
    if (error != kNoErr) {
        if (plugin)
            plugin->ReportError(error, caller, selector, message);
        else
            Plugin::DefaultError(data->self, error);
    }
    return error;
}
