#ifndef DRAVELLO_SHELL_X11LAUNCH_H
#define DRAVELLO_SHELL_X11LAUNCH_H

// The end of another start's X11 launch, which the running copy's window
// takes over. Outside an X11 session, or without a startup id, nothing
// happens.

#include <string>

class QWidget;

namespace X11Launch {

// Ends the startup notification of the launch that `startupId` names (the
// launcher shows that start as busy until then), sent from `window`.
void endLaunch(QWidget& window, const std::string& startupId);

// Asks the window manager to activate `window`, which is mapped or
// minimised, at the time of the user's action that started the launch:
// that lets the request pass the manager's focus-stealing prevention. True
// when it was sent; false also when the id carries no time.
bool activateAtLaunchTime(QWidget& window, const std::string& startupId);

} // namespace X11Launch

#endif
