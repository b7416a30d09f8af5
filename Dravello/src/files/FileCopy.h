#ifndef DRAVELLO_FILES_FILECOPY_H
#define DRAVELLO_FILES_FILECOPY_H

// Copies of the user's sketch files. A file is never removed or truncated
// before its replacement is complete.

#include <QString>

// Copies `source` to `destination` and reads both back to check that they
// hold the same bytes. An existing destination is replaced in one rename,
// only once the copy is complete, so a failed copy leaves it as it was.
// False, touching nothing, when both name one file.
bool copyFileChecked(const QString& source, const QString& destination);

// True when both names lead to one file: for existing files the same device
// and inode (so also through links), otherwise the same cleaned absolute
// path. Names that differ only in letter case are different files.
bool isSameFile(const QString& first, const QString& second);

#endif
