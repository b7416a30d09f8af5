#ifndef DRAVELLO_EXPORT_HANDOFFFOLDER_H
#define DRAVELLO_EXPORT_HANDOFFFOLDER_H

#include <QDateTime>
#include <QString>

// How long the files handed to another application are kept.
enum class HandOffLifetime {
    // Read while the program runs (pictures a script loads into a new
    // image): removed when the program ends.
    WhileTheProgramRuns,
    // Opened as the receiving application's document, which it may read
    // again, and perhaps only after the program has ended: kept.
    Kept,
};

// Makes a new folder for one hand-off, private to the user (mode 0700),
// named by the time ("ddMMyyyyhhmmsszzz"), a "-" and an unpredictable end:
// in the program's private hand-off folder, or for kept files in the
// temporary-files location. Returns its path in native separators, or an
// empty text when no folder could be made.
QString makeHandOffFolder(const QDateTime& now, HandOffLifetime lifetime);

#endif
