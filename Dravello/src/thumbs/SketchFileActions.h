#ifndef DRAVELLO_THUMBS_SKETCHFILEACTIONS_H
#define DRAVELLO_THUMBS_SKETCHFILEACTIONS_H

// The renames and merge names behind the thumbnails' commands.

#include <QString>

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
