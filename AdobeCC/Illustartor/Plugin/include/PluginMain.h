#ifndef HLV_PLUGINMAIN_H
#define HLV_PLUGINMAIN_H

#include "HostTypes.h"

class Plugin;

// The one entry the host calls, for every message.
extern "C" AIErr PluginMain(const char* caller, const char* selector, void* message);

// Provided by the concrete plug-in: creates it (null when memory is short)
// and repairs it after the host reloaded its code.
Plugin* AllocatePlugin(SPPluginRef pluginRef);
void FixupReload(Plugin* plugin);

#endif
