#ifndef DRAVELLO_EXPORT_HANDOFFFOLDER_H
#define DRAVELLO_EXPORT_HANDOFFFOLDER_H

#include <QDateTime>
#include <QString>

// Makes a new folder in the temporary-files location named by the time
// ("ddMMyyyyhhmmsszzz"); when that name is taken, by the time and "-1",
// "-2", ... so that every call gets a folder of its own. Returns its path
// in native separators, or an empty text when no folder could be made.
QString makeHandOffFolder(const QDateTime& now);

#endif
