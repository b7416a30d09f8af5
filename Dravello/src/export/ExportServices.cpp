#include "ExportServices.h"

#include "ApplSettings.h"
#include "ProcessRunner.h"

#include <QFileDialog>

ExportServices ExportServices::system()
{
    return {Platform::systemProcessRunner(),
            [] { return ApplSettings::instance()->getExportingAppsList(); },
            [] { return QDateTime::currentDateTime(); },
            [](QWidget* parent, const QString& caption, const QString& proposed,
               const QString& filter) {
                return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
            }};
}
