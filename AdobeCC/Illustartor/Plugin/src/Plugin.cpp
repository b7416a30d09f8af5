#include "Plugin.h"

#include "AppContext.h"
#include "SuitePointers.h"
#include "Suites.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

void copyName(char (&target)[256], const char* name)
{
    std::strncpy(target, name, sizeof target - 1);
    target[sizeof target - 1] = '\0';
}

bool same(const char* left, const char* right) { return std::strcmp(left, right) == 0; }

} // namespace

Plugin::Plugin(SPPluginRef pluginRef)
    : fPluginRef(pluginRef), fPluginName(), fSuites(nullptr), fLockCount(0), fPluginAccess(nullptr),
      fLastError(kNoErr), fErrorTimeout(5), fSupressDuplicateErrors(1), fLastErrorTime(0)
{
    copyName(fPluginName, "Plugin");
}

Plugin::~Plugin() = default;

AIErr Plugin::createSuites()
{
    fSuites = new (std::nothrow) Suites;
    if (!fSuites)
        return kOutOfMemoryErr;
    const AIErr error = fSuites->Error();
    Suites::InitializeRefCount();
    if (error != kNoErr)
        deleteSuites();
    return error;
}

void Plugin::deleteSuites()
{
    delete fSuites;
    fSuites = nullptr;
}

AIErr Plugin::StartupPlugin(SPInterfaceMessage* message)
{
    SetGlobal(this);
    AIErr error = createSuites();
    if (error == kNoErr)
        error = sSPPlugins->SetPluginName(message->d.self, fPluginName);
    if (error == kNoErr) {
        char notifierName[sizeof fPluginName + 32];
        std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", fPluginName);
        AINotifierHandle notifier = nullptr;
        error = sAINotifier->AddNotifier(message->d.self, notifierName, hostmsg::kApplicationStartedNotifier,
                                         &notifier);
    }
    if (error == kNoErr)
        error = AllocateSuiteTables();
    if (error == kNoErr) {
        FillSuiteTables();
        error = LockPlugin(true);
    }
    return error;
}

AIErr Plugin::LockPlugin(bool lock)
{
    if (lock) {
        if (++fLockCount == 1)
            sSPAccess->AcquirePlugin(fPluginRef, &fPluginAccess);
    } else if (--fLockCount == 0) {
        sSPAccess->ReleasePlugin(fPluginAccess);
        fPluginAccess = nullptr;
    } else if (fLockCount < 0) {
        fLockCount = 0;
    }
    return kNoErr;
}

void Plugin::ReleaseHostReferences()
{
    if (fPluginAccess && sSPAccess)
        sSPAccess->ReleasePlugin(fPluginAccess);
    fPluginAccess = nullptr;
    fLockCount = 0;
    deleteSuites();
    SetGlobal(nullptr);
}

AIErr Plugin::PostStartupPlugin() { return kNoErr; }

AIErr Plugin::ShutdownPlugin(SPInterfaceMessage*)
{
    deleteSuites();
    SetGlobal(nullptr);
    return kNoErr;
}

AIErr Plugin::UnloadPlugin(SPAccessMessage*)
{
    EmptySuiteTables();
    SetGlobal(nullptr);
    deleteSuites();
    return kNoErr;
}

AIErr Plugin::ReloadPlugin(SPAccessMessage*)
{
    SetGlobal(this);
    if (!fSuites)
        if (const AIErr error = createSuites())
            return error;
    FillSuiteTables();
    return kNoErr;
}

std::size_t Plugin::GetPluginName(char* buffer, std::size_t length) const
{
    const std::size_t nameLength = std::strlen(fPluginName);
    if (nameLength > length) {
        std::memcpy(buffer, fPluginName, length);
        buffer[length] = '\0';
        return length;
    }
    std::memcpy(buffer, fPluginName, nameLength + 1);
    return nameLength;
}

bool Plugin::IsReloadMsg(const char* caller, const char* selector)
{
    return same(caller, hostmsg::kSPAccessCaller) && same(selector, hostmsg::kReloadSelector);
}

AIErr Plugin::Message(const char* caller, const char* selector, void* message)
{
    AcquireOptionalSuites();

    if (same(caller, hostmsg::kAINotifierCaller)) {
        auto* notifier = static_cast<AINotifierMessage*>(message);
        AppContext context(notifier->d.self);
        AIErr error = kUnhandledMsgErr;
        if (notifier->type && same(notifier->type, hostmsg::kApplicationStartedNotifier))
            error = PostStartupPlugin();
        if ((error == kNoErr || error == kUnhandledMsgErr) && same(selector, hostmsg::kNotifySelector))
            error = Notify(notifier);
        return error;
    }

    using Operation = AIErr (*)(Plugin&, void*);
    struct Route {
        const char* caller;
        const char* selector;
        Operation run;
    };
    static const Route routes[] = {
        {"SP Access", "Unload", [](Plugin& p, void* m) { return p.UnloadPlugin(static_cast<SPAccessMessage*>(m)); }},
        {"SP Access", "Reload", [](Plugin& p, void* m) { return p.ReloadPlugin(static_cast<SPAccessMessage*>(m)); }},
        {"SP Interface", "About", [](Plugin&, void*) { return kNoErr; }},
        {"SP Interface", "Startup", [](Plugin&, void*) { return kNoErr; }},
        {"SP Cache", "Plug-in Purge", [](Plugin& p, void*) { return p.Purge() ? kCachesFlushedResponse : kNoErr; }},
        {"SP Properties", "Acquire", [](Plugin& p, void* m) { return p.AcquireProperty(m); }},
        {"SP Properties", "Release", [](Plugin& p, void* m) { return p.ReleaseProperty(m); }},
        {"Action Manager", "Do Action", [](Plugin& p, void* m) { return p.GoAction(m); }},
        {"AI Menu", "AI Go", [](Plugin& p, void* m) { return p.GoMenuItem(m); }},
        {"AI Menu", "AI Update", [](Plugin& p, void* m) { return p.UpdateMenuItem(m); }},
        {"AI Filter", "AI Get Parameters", [](Plugin& p, void* m) { return p.GetFilterParameters(m); }},
        {"AI Filter", "AI Go", [](Plugin& p, void* m) { return p.GoFilter(m); }},
        {"AI Plugin Group", "AI Notify Edits", [](Plugin& p, void* m) { return p.PluginGroupNotify(m); }},
        {"AI Plugin Group", "AI Update", [](Plugin& p, void* m) { return p.PluginGroupUpdate(m); }},
        {"AI File Format", "AI Get Parameters",
         [](Plugin& p, void* m) { return p.GetFileFormatParameters(static_cast<AIFileFormatMessage*>(m)); }},
        {"AI File Format", "AI Go",
         [](Plugin& p, void* m) { return p.GoFileFormat(static_cast<AIFileFormatMessage*>(m)); }},
        {"AI File Format", "AI Check",
         [](Plugin& p, void* m) { return p.CheckFileFormat(static_cast<AIFileFormatMessage*>(m)); }},
        {"AI File Format", "AI Update AI140",
         [](Plugin& p, void* m) { return p.FileFormatUpdate(static_cast<AIFileFormatMessage*>(m)); }},
        {"AI File Format", "Do Action", [](Plugin& p, void* m) { return p.SetFileFormatParameters(m); }},
        {"AI Tool", "AI Edit Options", [](Plugin& p, void* m) { return p.EditTool(m); }},
        {"AI Tool", "AI Track Cursor", [](Plugin& p, void* m) { return p.TrackToolCursor(m); }},
        {"AI Tool", "AI Mouse Down", [](Plugin& p, void* m) { return p.ToolMouseDown(m); }},
        {"AI Tool", "AI Mouse Drag", [](Plugin& p, void* m) { return p.ToolMouseDrag(m); }},
        {"AI Tool", "AI Mouse Up", [](Plugin& p, void* m) { return p.ToolMouseUp(m); }},
        {"AI Tool", "AI Select", [](Plugin& p, void* m) { return p.SelectTool(m); }},
        {"AI Tool", "AI Deselect", [](Plugin& p, void* m) { return p.DeselectTool(m); }},
        {"AI Tool", "AI Reselect", [](Plugin& p, void* m) { return p.ReselectTool(m); }},
        {"AI Tool", "AI Decrease Diameter", [](Plugin& p, void* m) { return p.DecreaseDiameter(m); }},
        {"AI Tool", "AI Increase Diameter", [](Plugin& p, void* m) { return p.IncreaseDiameter(m); }},
        {"AI Live Effect", "AI Live Effect Edit Parameters",
         [](Plugin& p, void* m) { return p.EditLiveEffectParameters(m); }},
        {"AI Live Effect", "AI Live Effect Go Live", [](Plugin& p, void* m) { return p.GoLiveEffect(m); }},
        {"AI Live Effect", "AI Live Effect Interpolate Parameters",
         [](Plugin& p, void* m) { return p.LiveEffectInterpolate(m); }},
        {"AI Live Effect", "AI Live Effect Input Type",
         [](Plugin& p, void* m) { return p.LiveEffectGetInputType(m); }},
        {"AI Live Effect", "AI Live Effect Scale Parameters",
         [](Plugin& p, void* m) { return p.LiveEffectScaleParameters(m); }},
        {"AI Live Effect", "AI Live Effect Convert Color Space",
         [](Plugin& p, void* m) { return p.LiveEffectConvertColorSpace(m); }},
        {"AI Live Effect", "AI Live Effect Adjust Colors",
         [](Plugin& p, void* m) { return p.LiveEffectAdjustColors(m); }},
        {"AI Live Effect", "AI Live Effect Handle Merge",
         [](Plugin& p, void* m) { return p.LiveEffectHandleMerge(m); }},
        {"AI Timer", "AI Go", [](Plugin& p, void* m) { return p.GoTimer(m); }},
        {"AI Clipboard", "AI Go", [](Plugin& p, void* m) { return p.GoClipboard(m); }},
        {"AI Clipboard", "AI Can Copy", [](Plugin& p, void* m) { return p.CanCopyClipboard(m); }},
        {"AI Clipboard", "AI Clone", [](Plugin& p, void* m) { return p.CloneClipboard(m); }},
        {"AI Clipboard", "AI Dispose", [](Plugin& p, void* m) { return p.DisposeClipboard(m); }},
        {"Workspace Manager", "Write Workspace", [](Plugin& p, void* m) { return p.WorkspaceWrite(m); }},
        {"Workspace Manager", "Restore Workspace", [](Plugin& p, void* m) { return p.WorkspaceRestore(m); }},
        {"Workspace Manager", "Default Workspace", [](Plugin& p, void* m) { return p.WorkspaceDefault(m); }},
    };
    for (const Route& route : routes)
        if (same(caller, route.caller) && same(selector, route.selector))
            return route.run(*this, message);
    return kUnhandledMsgErr;
}

void Plugin::ReportError(AIErr error, const char*, const char*, void*)
{
    if (FilterError(error))
        return;
    const std::time_t now = std::time(nullptr);
    if (error == fLastError && fSupressDuplicateErrors && now < fLastErrorTime + fErrorTimeout)
        return;
    fLastError = error;
    fLastErrorTime = now;
    DefaultError(fPluginRef, error);
}

bool Plugin::FilterError(AIErr error)
{
    static const AIErr filtered[] = {
        fourCharCode("FMT?"), fourCharCode("RFSE"), fourCharCode("AFTR"), fourCharCode("VALD"),
        fourCharCode("MOOT"), fourCharCode("TRSH"), fourCharCode("CHEK"), fourCharCode("CHIT"),
        fourCharCode("TLTK"), fourCharCode("pFls"), fourCharCode("S!Fd"), fourCharCode("!Acq"),
        fourCharCode("dsRP"), fourCharCode("skpE"), fourCharCode("DONE"), fourCharCode("STOP"),
        361,                  0,
    };
    for (const AIErr* code = filtered; *code; ++code)
        if (*code == error)
            return true;
    return false;
}

// The user suite is taken for the alert only while it is needed; no code
// has a message text (FindMsg), so no alert is ever shown.
void Plugin::DefaultError(SPPluginRef pluginRef, AIErr error)
{
    if (FilterError(error))
        return;
    bool acquiredHere = false;
    if (!sAIUser) {
        if (!sSPBasic || sSPBasic->AcquireSuite(kAIUserSuite, kAIUserSuiteVersion, &sAIUser.raw) != kNoErr ||
            !sAIUser) {
            sAIUser.raw = nullptr;
            return;
        }
        acquiredHere = true;
    }
    char text[256];
    FindMsg(pluginRef, error, text, sizeof text);
    if (acquiredHere) {
        sSPBasic->ReleaseSuite(kAIUserSuite, kAIUserSuiteVersion);
        sAIUser.raw = nullptr;
    }
}

const char* Plugin::FindMsg(SPPluginRef, AIErr, char*, std::size_t) { return nullptr; }

void Plugin::SetGlobal(Plugin*) {}
AIErr Plugin::AcquireProperty(void*) { return kUnhandledMsgErr; }
AIErr Plugin::ReleaseProperty(void*) { return kUnhandledMsgErr; }
bool Plugin::Purge() { return false; }
AIErr Plugin::AllocateSuiteTables() { return kNoErr; }
AIErr Plugin::FillSuiteTables() { return kNoErr; }
AIErr Plugin::EmptySuiteTables() { return kNoErr; }

AIErr Plugin::AcquireOptionalSuites()
{
    if (fSuites)
        fSuites->acquire_Optional_Suites();
    return kNoErr;
}

AIErr Plugin::Notify(AINotifierMessage*) { return kNoErr; }
AIErr Plugin::GoAction(void*) { return kNoErr; }
AIErr Plugin::GoMenuItem(void*) { return kUnhandledMsgErr; }
AIErr Plugin::UpdateMenuItem(void*) { return kUnhandledMsgErr; }
AIErr Plugin::GetFilterParameters(void*) { return kUnhandledMsgErr; }
AIErr Plugin::GoFilter(void*) { return kUnhandledMsgErr; }
AIErr Plugin::PluginGroupNotify(void*) { return kUnhandledMsgErr; }
AIErr Plugin::PluginGroupUpdate(void*) { return kUnhandledMsgErr; }
AIErr Plugin::GetFileFormatParameters(AIFileFormatMessage*) { return kUnhandledMsgErr; }
AIErr Plugin::GoFileFormat(AIFileFormatMessage*) { return kUnhandledMsgErr; }
AIErr Plugin::CheckFileFormat(AIFileFormatMessage*) { return kUnhandledMsgErr; }
AIErr Plugin::FileFormatUpdate(AIFileFormatMessage*) { return kUnhandledMsgErr; }
AIErr Plugin::SetFileFormatParameters(void*) { return kUnhandledMsgErr; }
AIErr Plugin::EditTool(void*) { return kUnhandledMsgErr; }
AIErr Plugin::TrackToolCursor(void*) { return kUnhandledMsgErr; }
AIErr Plugin::ToolMouseDown(void*) { return kUnhandledMsgErr; }
AIErr Plugin::ToolMouseDrag(void*) { return kUnhandledMsgErr; }
AIErr Plugin::ToolMouseUp(void*) { return kUnhandledMsgErr; }
AIErr Plugin::SelectTool(void*) { return kUnhandledMsgErr; }
AIErr Plugin::DeselectTool(void*) { return kUnhandledMsgErr; }
AIErr Plugin::ReselectTool(void*) { return kNoErr; }
AIErr Plugin::DecreaseDiameter(void*) { return kNoErr; }
AIErr Plugin::IncreaseDiameter(void*) { return kNoErr; }
AIErr Plugin::EditLiveEffectParameters(void*) { return kUnhandledMsgErr; }
AIErr Plugin::GoLiveEffect(void*) { return kUnhandledMsgErr; }
AIErr Plugin::LiveEffectInterpolate(void*) { return kUnhandledMsgErr; }
AIErr Plugin::LiveEffectGetInputType(void*) { return kUnhandledMsgErr; }
AIErr Plugin::LiveEffectConvertColorSpace(void*) { return kUnhandledMsgErr; }
AIErr Plugin::LiveEffectScaleParameters(void*) { return kUnhandledMsgErr; }
AIErr Plugin::LiveEffectAdjustColors(void*) { return kUnhandledMsgErr; }
AIErr Plugin::LiveEffectHandleMerge(void*) { return kUnhandledMsgErr; }
AIErr Plugin::GoTimer(void*) { return kUnhandledMsgErr; }
AIErr Plugin::GoClipboard(void*) { return kUnhandledMsgErr; }
AIErr Plugin::CanCopyClipboard(void*) { return kUnhandledMsgErr; }
AIErr Plugin::CloneClipboard(void*) { return kUnhandledMsgErr; }
AIErr Plugin::DisposeClipboard(void*) { return kUnhandledMsgErr; }
AIErr Plugin::WorkspaceWrite(void*) { return kUnhandledMsgErr; }
AIErr Plugin::WorkspaceRestore(void*) { return kUnhandledMsgErr; }
AIErr Plugin::WorkspaceDefault(void*) { return kUnhandledMsgErr; }
