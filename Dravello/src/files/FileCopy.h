#ifndef DRAVELLO_FILES_FILECOPY_H
#define DRAVELLO_FILES_FILECOPY_H

// Writes and copies of the user's files, all through the ink library's one
// file replacement: a file is never removed or truncated before its
// replacement is complete, and only regular files are read or replaced.

#include <QByteArray>
#include <QString>

// Replaces the file at `path` by `content`. The old file stays whole until
// every byte of the new one is written and synced; false on any failure (a
// full disk among them), and for a target that is not a regular file.
bool replaceFileWith(const QString& path, const QByteArray& content);

// Copies `source` to `destination` and reads both back to check that they
// hold the same bytes. An existing destination is replaced in one rename,
// only once the copy is complete, so a failed copy leaves it as it was.
// False, touching nothing, when both name one file, or when either is not a
// regular file (a FIFO or a device is refused without waiting for it).
bool copyFileChecked(const QString& source, const QString& destination);

// True when both names lead to one file: for existing files the same device
// and inode (so also through links), otherwise the same cleaned absolute
// path. Names that differ only in letter case are different files.
bool isSameFile(const QString& first, const QString& second);

#endif
