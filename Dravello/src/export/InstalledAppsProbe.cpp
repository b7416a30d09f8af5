#include "InstalledAppsProbe.h"

#include "AdobeScripts.h"
#include "ApplicationRegistry.h"
#include "FileCopy.h"
#include "FixedPaths.h"
#include "Logger.h"
#include "PluginBundle.h"
#include "ProcessRunner.h"
#include "UserPrompt.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The probe's only message to the user.
void showCriticalMessage(const QString& text)
{
    askUser(PromptRequest::message(QMessageBox::Critical, text));
}

QString fromPlatform(const std::string& text) { return QString::fromStdString(text); }

ApplicationDescriptor describe(const Platform::ApplicationInfo& application,
                               const QString& fallbackName = QString())
{
    ApplicationDescriptor descriptor;
    descriptor.bundleName = fromPlatform(application.name);
    if (descriptor.bundleName.isEmpty())
        descriptor.bundleName = fallbackName;
    descriptor.version = fromPlatform(application.version);
    descriptor.bundlePath = fromPlatform(application.bundlePath);
    return descriptor;
}

// "<folder holding the bundle>/Plug-ins.localized", or empty when that folder
// cannot be resolved (the plug-in must then go nowhere, least of all to "/").
QString pluginsFolderOf(const QString& bundlePath)
{
    QDir folder(bundlePath);
    if (!folder.cdUp())
        return QString();
    const QString canonical = folder.canonicalPath();
    if (canonical.isEmpty())
        return QString();
    return QDir::toNativeSeparators(canonical + "/" + Platform::pluginsFolderName);
}

// Names the plug-in's new copy in the user's installation record; a record
// that cannot be written is logged.
void recordPluginCopy(const QString& target)
{
    const std::string record = Platform::userCopiedFilesRecord();
    if (Platform::writeCopiedFilesRecord(record, target.toStdString()))
        return;
    const std::string line = "The plug-in was copied to " + target.toStdString()
        + ", but its record could not be written to "
        + (record.empty() ? std::string("the user's folder (there is none)") : record);
    Pelm::Logger::WriteLog("InstalledAppsProbe", "AIPluginSetupMac", line.c_str(), Pelm::Logger::SEVERE);
    qWarning("%s", line.c_str());
}

} // namespace

InstalledAppsProbe::InstalledAppsProbe(QObject* parent) : QObject(parent)
{
    const Platform::ApplicationRegistry registry;
    probe({registry, Platform::systemProcessRunner(), showCriticalMessage});
}

InstalledAppsProbe::InstalledAppsProbe(const Services& services, QObject* parent)
    : QObject(parent)
{
    probe(services);
}

QList<ApplicationDescriptor> InstalledAppsProbe::getExportingAppsList() const
{
    return m_applications;
}

void InstalledAppsProbe::probe(const Services& services)
{
    ScanAdobeApps(services);
    ScanAutodeskApps(services);
}

void InstalledAppsProbe::ScanAdobeApps(const Services& services)
{
    const auto photoshop = services.registry.findByIdentifier("com.adobe.Photoshop");
    if (photoshop)
        m_applications.append(describe(*photoshop));

    if (const auto illustrator = services.registry.findByIdentifier("com.adobe.illustrator")) {
        ApplicationDescriptor descriptor = describe(*illustrator);
        descriptor.pluginsFolder = pluginsFolderOf(descriptor.bundlePath);
        m_applications.append(descriptor);
        const int major = Platform::majorVersion(illustrator->version);
        qDebug() << "AI version in bundle" << major;
        AIPluginSetupMac(services.runner, descriptor.pluginsFolder, major);
    }

    if (photoshop)
        PrepareCurrentUserAdobeScripts(services);
}

void InstalledAppsProbe::ScanAutodeskApps(const Services& services)
{
    auto pro = services.registry.findByIdentifier("com.autodesk.SketchBookPro");
    if (!pro)
        pro = services.registry.findByName("SketchBookPro6.app");
    if (pro)
        m_applications.append(describe(*pro, QStringLiteral("SketchBookPro")));

    if (const auto designer = services.registry.findByIdentifier("com.autodesk.SketchBookDesigner"))
        m_applications.append(describe(*designer, QStringLiteral("SketchBookDesigner")));
}

int InstalledAppsProbe::AIPluginSetupMac(Platform::ProcessRunner& runner,
                                         const QString& pluginsFolder, int majorVersion)
{
    if (pluginsFolder.isEmpty())
        return 0;
    const QString target = pluginsFolder + "/" + Platform::pluginBundleName;
    if (QFileInfo(target).isDir())
        return 0;
    const std::string source = Platform::pluginBuildFor(majorVersion);
    qDebug() << "will pull aip from" << fromPlatform(source);
    qDebug() << "AIPluginSetupMac Plufing folder =" << target;
    if (Platform::installBundle(runner, source, target.toStdString()))
        recordPluginCopy(target);
    return 0;
}

bool InstalledAppsProbe::PrepareCurrentUserAdobeScripts(const Services& services)
{
    const QString folder = adobeScriptsFolder();
    if (!QFileInfo(folder).isDir())
        QDir().mkdir(folder);
    if (!QFileInfo(folder).isDir())
        services.showError(tr("Fialed to create Adobe Scripts folder"));

    const QString script = photoshopLoaderScript();
    if (!QFileInfo::exists(script))
        copyFileChecked(fromPlatform(Platform::photoshopScriptSource()), script);
    return true;
}
