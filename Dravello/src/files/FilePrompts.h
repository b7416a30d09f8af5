#ifndef DRAVELLO_FILES_FILEPROMPTS_H
#define DRAVELLO_FILES_FILEPROMPTS_H

// The questions and warnings of the commands on sketch files.

#include <QString>
#include <QStringList>

class QWidget;

// Asks before `file` (as the user should see it) is overwritten; true for OK.
bool userConfirmsOverwrite(QWidget* parent, const QString& file);

// Warns that the files could not be copied: one line per file.
void warnCopyFailed(QWidget* parent, const QStringList& sources);

#endif
