#ifndef DRAVELLO_SHELL_X11LAUNCH_H
#define DRAVELLO_SHELL_X11LAUNCH_H

// The end of another start's X11 launch, which the running copy's window
// takes over.

#include <string>

class QWidget;

namespace X11Launch {

// In an X11 session: ends the startup notification of the launch that
// `startupId` names and asks the window manager to activate `window` at
// the time of that launch's user action, which lets it pass the manager's
// focus-stealing prevention. True when that request was sent; false outside
// X11, without an id or when the id carries no time.
bool activateForLaunch(QWidget& window, const std::string& startupId);

} // namespace X11Launch

#endif
