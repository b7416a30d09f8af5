#ifndef DRAVELLO_EXPORT_ADOBESCRIPTS_H
#define DRAVELLO_EXPORT_ADOBESCRIPTS_H

#include <QStandardPaths>
#include <QString>

// The user's "Adobe Scripts" folder in the documents location.
inline QString adobeScriptsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Adobe Scripts";
}

// The Photoshop loader script as placed for the user.
inline QString photoshopLoaderScript() { return adobeScriptsFolder() + "/pngloader.jsx"; }

#endif
