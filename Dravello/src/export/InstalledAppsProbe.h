#ifndef DRAVELLO_INSTALLEDAPPSPROBE_H
#define DRAVELLO_INSTALLEDAPPSPROBE_H

#include "ApplicationDescriptor.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace Platform {
class ApplicationRegistry;
class ProcessRunner;
}

// Finds, once, the installed applications that can take a sketch (Photoshop,
// Illustrator, SketchBook Pro, SketchBook Designer, in that order). On the
// way it installs the Illustrator plug-in when it is missing and places the
// Photoshop loader script in the user's "Adobe Scripts" folder.
class InstalledAppsProbe : public QObject {
    Q_OBJECT

public:
    // What the probe works with; the default constructor uses the system's.
    struct Services {
        const Platform::ApplicationRegistry& registry;
        Platform::ProcessRunner& runner;
        std::function<void(const QString& text)> showError; // a critical message to the user
    };

    explicit InstalledAppsProbe(QObject* parent = nullptr);
    explicit InstalledAppsProbe(const Services& services, QObject* parent = nullptr);

    QList<ApplicationDescriptor> getExportingAppsList() const;

private:
    void probe(const Services& services);
    void ScanAdobeApps(const Services& services);
    void ScanAutodeskApps(const Services& services);
    // Installs the plug-in build for this major version into the plug-ins
    // folder unless it is there; records the copy once it is complete.
    int AIPluginSetupMac(Platform::ProcessRunner& runner, const QString& pluginsFolder,
                         int majorVersion);
    bool PrepareCurrentUserAdobeScripts(const Services& services);

    QList<ApplicationDescriptor> m_applications;
};

#endif
