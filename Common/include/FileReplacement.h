#ifndef PELM_FILEREPLACEMENT_H
#define PELM_FILEREPLACEMENT_H

#include <string>
#include <sys/types.h>

namespace Pelm {

// Replaces the file at path by content, so that the target holds either its
// old content or the whole new one, even when the process is killed. A link
// is followed to the file it names, also when that file does not exist yet.
// For a regular file (or a new one) the content goes to a temporary file in
// the same folder, is synced and then renamed over the target, which keeps
// its permission bits. The temporary file has no name while it is written
// where the file system allows (O_TMPFILE), so a killed save leaves nothing
// behind; elsewhere it is named after the target and locked while its writer
// lives, and a later save of the same target removes those left by writers
// that are gone. On any failure the temporary file is removed, the target is
// left as it was and the result is false. An existing target that is not a
// regular file is written in place.
bool replaceFile(const std::string& path, const std::string& content);

// The same; a target that did not exist gets exactly newFileMode rather than
// the permissions the process gives new files.
bool replaceFile(const std::string& path, const std::string& content, mode_t newFileMode);

} // namespace Pelm

#endif
