#ifndef DRAVELLO_THUMBS_SKETCHFILEACTIONS_H
#define DRAVELLO_THUMBS_SKETCHFILEACTIONS_H

// The file operations behind the thumbnails' commands. A user's file is
// never removed or truncated before its replacement is complete.

#include <QString>

// True when both paths name one file: equal text ignoring case, or one
// file reached through links.
bool sameFile(const QString& first, const QString& second);

// Writes a complete copy of `source` over `destination` (a temporary file
// in the destination's folder renamed into place); the destination stays
// as it was unless the whole copy was written. False when the source
// cannot be read whole, the copy cannot be written, or both are one file.
bool copyFileReplacing(const QString& source, const QString& destination);

// A name that stays inside its folder: not empty, no separator, not "." or "..".
bool isPlainFileName(const QString& name);

// The path `path` takes when its base name (up to the first dot) becomes
// `baseName`; the complete suffix stays. Empty when `baseName` is not a
// plain file name.
QString renamedPath(const QString& path, const QString& baseName);

// Renames the file unless another file already has the new path.
bool renameFile(const QString& from, const QString& to);

// The merge of `first` and `second`: in first's folder, first's base name,
// "_", second's base name and ".hlv".
QString mergedSketchPath(const QString& first, const QString& second);

#endif
