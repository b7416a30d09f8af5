#ifndef HLV_HOSTMESSAGES_H
#define HLV_HOSTMESSAGES_H

// The host calls the plug-in's one entry with a caller text, a selector text
// and a message record that starts with the common part.

#include "HostSuites.h"

extern "C" {
using PluginEntry = AIErr (*)(const char* caller, const char* selector, void* message);
}

constexpr std::int32_t kSPValidMessageCheck = fourCharCode("SPCk");

struct SPMessageData {
    std::int32_t check;   // kSPValidMessageCheck
    SPPluginRef self;     // the host's handle of the plug-in
    void* globals;        // kept by the host between calls for the plug-in
    SPBasicSuite* basic;
};

// "SP Interface" (start-up, shut-down, about) and "SP Access" (unload, reload).
struct SPInterfaceMessage {
    SPMessageData d;
};
struct SPAccessMessage {
    SPMessageData d;
};

// "AI Notifier".
struct AINotifierMessage {
    SPMessageData d;
    AINotifierHandle notifier;
    const char* type;
    void* notifyData;
};

// "AI File Format": the format asked, what to do with the file and its path.
struct AIFileFormatMessage {
    SPMessageData d;
    AIFileFormatHandle fileFormat;
    std::int32_t option; // kFileFormatRead, ...
    AIFilePathHandle filePath;
};

namespace hostmsg {
constexpr const char* kSPInterfaceCaller = "SP Interface";
constexpr const char* kSPAccessCaller = "SP Access";
constexpr const char* kSPCacheCaller = "SP Cache";
constexpr const char* kSPPropertiesCaller = "SP Properties";
constexpr const char* kAINotifierCaller = "AI Notifier";
constexpr const char* kActionManagerCaller = "Action Manager";
constexpr const char* kAIMenuCaller = "AI Menu";
constexpr const char* kAIFilterCaller = "AI Filter";
constexpr const char* kAIPluginGroupCaller = "AI Plugin Group";
constexpr const char* kAIFileFormatCaller = "AI File Format";
constexpr const char* kAIToolCaller = "AI Tool";
constexpr const char* kAILiveEffectCaller = "AI Live Effect";
constexpr const char* kAITimerCaller = "AI Timer";
constexpr const char* kAIClipboardCaller = "AI Clipboard";
constexpr const char* kWorkspaceCaller = "Workspace Manager";

constexpr const char* kStartupSelector = "Startup";
constexpr const char* kShutdownSelector = "Shutdown";
constexpr const char* kAboutSelector = "About";
constexpr const char* kUnloadSelector = "Unload";
constexpr const char* kReloadSelector = "Reload";
constexpr const char* kPurgeSelector = "Plug-in Purge";
constexpr const char* kNotifySelector = "AI Notify";
constexpr const char* kGoSelector = "AI Go";
constexpr const char* kCheckSelector = "AI Check";
constexpr const char* kGetParametersSelector = "AI Get Parameters";

constexpr const char* kApplicationStartedNotifier = "AI Application Started Notifier";
} // namespace hostmsg

#endif
