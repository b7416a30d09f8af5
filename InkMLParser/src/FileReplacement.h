#ifndef PELM_FILEREPLACEMENT_H
#define PELM_FILEREPLACEMENT_H

#include <string>

namespace Pelm {

// Replaces the file at path by content. For a regular file (or a new one)
// the content goes to a temporary file in the same folder, is synced and
// then renamed over the target, which keeps its permission bits; a link is
// followed to the file it names. On any failure the temporary file is
// removed, the target is left as it was and the result is false. An
// existing target that is not a regular file is written in place.
bool replaceFile(const std::string& path, const std::string& content);

} // namespace Pelm

#endif
