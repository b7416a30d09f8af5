#ifndef DRAVELLO_TREE_SKETCHMOVER_H
#define DRAVELLO_TREE_SKETCHMOVER_H

// Moves the sketch files of the receiver's folder into a new time-stamped
// backup folder on the computer. A source file is removed only after its
// copy was read back and found equal.

#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>

class QWidget;

// destination + "/sketch_backup_" + the time as "ddMMyyyyhhmmsszzz", in
// native separators.
QString backupFolderPath(const QString& destination, const QDateTime& when);

// Copies each file into `folder` under its own name and removes the source
// once its copy is checked. Returns the files whose copy failed (they stay).
QStringList moveFilesInto(const QStringList& files, const QString& folder);

// Moves the sketch files of `receiverFolder` into a new backup folder below
// `destination` (the folder the user chose; empty when the dialog was
// cancelled), after the user agreed. Nothing happens for an empty
// destination or the receiver folder itself. A backup folder that cannot
// be created and failed copies are reported. True once the move ran,
// so that the shown folder is to be read again.
bool moveSketchesOffReceiver(QWidget* parent, const QDir& receiverFolder,
                             const QString& destination,
                             const QDateTime& now = QDateTime::currentDateTime());

#endif
