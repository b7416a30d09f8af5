#ifndef HLV_APPCONTEXT_H
#define HLV_APPCONTEXT_H

#include "HostTypes.h"

// The host's application context, pushed for the plug-in for the scope.
class AppContext {
public:
    explicit AppContext(SPPluginRef plugin);
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;
    ~AppContext();

private:
    AIAppContextHandle fContext = nullptr;
};

#endif
