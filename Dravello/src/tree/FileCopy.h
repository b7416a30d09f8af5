#ifndef DRAVELLO_TREE_FILECOPY_H
#define DRAVELLO_TREE_FILECOPY_H

#include <QString>
#include <QStringList>

class QWidget;

// Copies `source` to `destination` and reads both back to check that they
// hold the same bytes. An existing destination is replaced in one rename,
// only once the copy is complete, so a failed copy leaves it as it was.
bool copyFileChecked(const QString& source, const QString& destination);

// True when both names lead to one file (same spelling, links, "..", ...).
bool isSameFile(const QString& first, const QString& second);

// Warns that the files could not be copied: one line per file.
void warnCopyFailed(QWidget* parent, const QStringList& sources);

#endif
