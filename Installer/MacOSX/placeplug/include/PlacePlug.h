#ifndef PLACEPLUG_PLACEPLUG_H
#define PLACEPLUG_PLACEPLUG_H

#include "ApplicationRegistry.h"
#include "LogSink.h"
#include "ProcessRunner.h"

namespace Placeplug {

// Copies the plug-in build that suits the installed Illustrator into its
// plug-ins folder, over any earlier copy, records the target in
// "copied_files.txt" and lets every user read and run the copy. Returns the
// exit status: 0, or -1 when Illustrator's path holds no "/".
int installPlugin(const Platform::ApplicationRegistry& registry, Platform::ProcessRunner& runner,
                  LogSink& log);

} // namespace Placeplug

#endif
