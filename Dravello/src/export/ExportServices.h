#ifndef DRAVELLO_EXPORT_EXPORTSERVICES_H
#define DRAVELLO_EXPORT_EXPORTSERVICES_H

#include "ApplicationDescriptor.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace Platform {
class ProcessRunner;
}

// What the exports work with besides the sketch; system() gives the real
// ones, tests give their own.
struct ExportServices {
    // Starts the applications that take an ink file.
    Platform::ProcessRunner& runner;
    // The installed applications that can take a sketch.
    std::function<QList<ApplicationDescriptor>()> applications;
    // The time that names a hand-off folder.
    std::function<QDateTime()> now;
    // The save dialog: parent, caption, proposed name, filter; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposed,
                          const QString& filter)>
        saveFileName;

    // The settings' application list, the system clock and the file dialog.
    static ExportServices system();
};

#endif
