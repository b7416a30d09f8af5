#ifndef PLATFORM_ATOMICFILE_H
#define PLATFORM_ATOMICFILE_H

#include <string>

namespace Platform {

// Replaces the file's content as Pelm::replaceFile does (a temporary file in
// the same folder, every write checked, flushed to disk and renamed over the
// file, links followed), so the old content stays whole until the new one is
// complete and a killed write leaves nothing behind. A new file is made
// readable by all (0644). False (and the file untouched) when any step fails.
bool writeFileAtomically(const std::string& path, const std::string& content);

} // namespace Platform

#endif
