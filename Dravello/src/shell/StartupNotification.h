#ifndef DRAVELLO_SHELL_STARTUPNOTIFICATION_H
#define DRAVELLO_SHELL_STARTUPNOTIFICATION_H

// The freedesktop.org startup notification messages of an X11 launch, free
// of Qt and of the X connection: a launcher marks a start as busy under its
// startup id until the started program sends "remove" for that id.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace StartupNotification {

// The X server time of the user's action that a startup id carries at its
// end ("..._TIME<time>"); none when it carries no such time.
std::optional<std::uint32_t> launchTime(const std::string& startupId);

// "remove: ID=<id>", the id quoted where it holds blanks, quotes or
// backslashes.
std::string removeMessage(const std::string& startupId);

// The message with its terminating zero byte in the 20-byte pieces of the
// client messages that carry it (the last one padded with zero bytes).
std::vector<std::string> pieces(const std::string& message);

} // namespace StartupNotification

#endif
