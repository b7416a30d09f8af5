#ifndef PLATFORM_ATOMICFILE_H
#define PLATFORM_ATOMICFILE_H

#include <string>

namespace Platform {

// Replaces the file's content: writes a temporary file in the same folder,
// checks every write, flushes it to disk and renames it over the file, so
// the old content stays whole until the new one is complete. False (and the
// file untouched) when any step fails.
bool writeFileAtomically(const std::string& path, const std::string& content);

} // namespace Platform

#endif
