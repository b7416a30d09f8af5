#include "AppContext.h"

#include "SuitePointers.h"

AppContext::AppContext(SPPluginRef plugin)
{
    if (sAIAppContext && sAIAppContext->PushAppContext(plugin, &fContext) != kNoErr)
        fContext = nullptr;
}

// Only a context that was pushed is popped.
AppContext::~AppContext()
{
    if (sAIAppContext && fContext)
        sAIAppContext->PopAppContext(fContext);
}
