#ifndef PLATFORM_UDEVNAMES_H
#define PLATFORM_UDEVNAMES_H

// Reading what udev hands over as text: its encoded property values and the
// device paths of hidraw nodes. Both come from outside and are checked.

#include <cstdint>
#include <string>

namespace Platform {

// An encoded udev value ("Receiver\x20\x20") as plain bytes: every "\xNN"
// becomes the byte NN; anything else, a malformed escape included, stays.
std::string decodeUdevText(const std::string& encoded);

// The vendor and product ids of a hidraw node from its device path, in which
// the node's HID device, named "BBBB:VVVV:PPPP.NNNN" in hexadecimal, comes
// right before "/hidraw/". False when the path holds no such name.
bool hidIdsFromDevpath(const std::string& devpath, std::int32_t& vendor, std::int32_t& product);

} // namespace Platform

#endif
