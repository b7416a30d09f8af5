#ifndef HLV_PLUGIN_H
#define HLV_PLUGIN_H

// The plug-in framework: the plug-in object's life and the mapping of the
// host's messages onto its operations. A concrete plug-in derives from it.

#include "HostMessages.h"

#include <cstddef>
#include <ctime>

class Suites;

class Plugin {
public:
    explicit Plugin(SPPluginRef pluginRef);
    virtual ~Plugin();

    virtual void ReportError(AIErr error, const char* caller, const char* selector, void* message);
    virtual AIErr LockPlugin(bool lock);
    virtual AIErr StartupPlugin(SPInterfaceMessage* message);
    virtual AIErr PostStartupPlugin();
    virtual AIErr ShutdownPlugin(SPInterfaceMessage* message);
    virtual AIErr UnloadPlugin(SPAccessMessage* message);
    virtual AIErr ReloadPlugin(SPAccessMessage* message);
    virtual AIErr AcquireProperty(void* message);
    virtual AIErr ReleaseProperty(void* message);
    virtual std::size_t GetPluginName(char* buffer, std::size_t length) const;
    virtual bool Purge();
    virtual AIErr Message(const char* caller, const char* selector, void* message);
    virtual void SetGlobal(Plugin* plugin);
    virtual AIErr AllocateSuiteTables();
    virtual AIErr FillSuiteTables();
    virtual AIErr EmptySuiteTables();
    virtual AIErr AcquireOptionalSuites();
    virtual AIErr Notify(AINotifierMessage* message);
    virtual AIErr GoAction(void* message);
    virtual AIErr GoMenuItem(void* message);
    virtual AIErr UpdateMenuItem(void* message);
    virtual AIErr GetFilterParameters(void* message);
    virtual AIErr GoFilter(void* message);
    virtual AIErr PluginGroupNotify(void* message);
    virtual AIErr PluginGroupUpdate(void* message);
    virtual AIErr GetFileFormatParameters(AIFileFormatMessage* message);
    virtual AIErr GoFileFormat(AIFileFormatMessage* message);
    virtual AIErr CheckFileFormat(AIFileFormatMessage* message);
    virtual AIErr FileFormatUpdate(AIFileFormatMessage* message);
    virtual AIErr SetFileFormatParameters(void* message);
    virtual AIErr EditTool(void* message);
    virtual AIErr TrackToolCursor(void* message);
    virtual AIErr ToolMouseDown(void* message);
    virtual AIErr ToolMouseDrag(void* message);
    virtual AIErr ToolMouseUp(void* message);
    virtual AIErr SelectTool(void* message);
    virtual AIErr DeselectTool(void* message);
    virtual AIErr ReselectTool(void* message);
    virtual AIErr DecreaseDiameter(void* message);
    virtual AIErr IncreaseDiameter(void* message);
    virtual AIErr EditLiveEffectParameters(void* message);
    virtual AIErr GoLiveEffect(void* message);
    virtual AIErr LiveEffectInterpolate(void* message);
    virtual AIErr LiveEffectGetInputType(void* message);
    virtual AIErr LiveEffectConvertColorSpace(void* message);
    virtual AIErr LiveEffectScaleParameters(void* message);
    virtual AIErr LiveEffectAdjustColors(void* message);
    virtual AIErr LiveEffectHandleMerge(void* message);
    virtual AIErr GoTimer(void* message);
    virtual AIErr GoClipboard(void* message);
    virtual AIErr CanCopyClipboard(void* message);
    virtual AIErr CloneClipboard(void* message);
    virtual AIErr DisposeClipboard(void* message);
    virtual AIErr WorkspaceWrite(void* message);
    virtual AIErr WorkspaceRestore(void* message);
    virtual AIErr WorkspaceDefault(void* message);

    static bool IsReloadMsg(const char* caller, const char* selector);
    bool SuitesAcquired() const { return fSuites != nullptr; }
    SPPluginRef GetPluginRef() const { return fPluginRef; }

    // Undoes a start-up that failed after the suites were taken: the access
    // reference and the suites are given back.
    void ReleaseHostReferences();

    static bool FilterError(AIErr error);
    static void DefaultError(SPPluginRef pluginRef, AIErr error);
    static const char* FindMsg(SPPluginRef pluginRef, AIErr error, char* buffer, std::size_t length);

protected:
    Plugin(const Plugin&) = default;
    Plugin& operator=(const Plugin&) = delete;

    // Creates the suites object; gives its acquisition result and keeps it
    // only on success.
    AIErr createSuites();
    void deleteSuites();

    SPPluginRef fPluginRef;
    char fPluginName[256];
    Suites* fSuites;
    std::int32_t fLockCount;
    SPAccessRef fPluginAccess;
    AIErr fLastError;
    std::time_t fErrorTimeout;
    char fSupressDuplicateErrors;
    std::time_t fLastErrorTime;
};

#endif
