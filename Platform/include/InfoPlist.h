#ifndef PLATFORM_INFOPLIST_H
#define PLATFORM_INFOPLIST_H

// Reader of a bundle's Info.plist in the XML property-list form.

#include <map>
#include <optional>
#include <string>

namespace Platform {

// The string values of the top-level dictionary, by key. Values of other
// kinds (numbers, arrays, nested dictionaries) are left out.
using InfoDictionary = std::map<std::string, std::string>;

// Largest Info.plist that is read; bundles have a few kilobytes.
constexpr std::size_t maxInfoPlistSize = 1024 * 1024;

// Parses the text of a property list; nothing when it is not well-formed XML
// in UTF-8, nests deeper than a property list plausibly does, or holds no
// top-level dictionary below a "plist" element.
std::optional<InfoDictionary> parseInfoPlist(const std::string& xml);

// Reads and parses the file; nothing when it is missing, no regular file
// (a FIFO is refused without waiting for it), larger than maxInfoPlistSize
// or not a property list.
std::optional<InfoDictionary> readInfoPlist(const std::string& path);

} // namespace Platform

#endif
