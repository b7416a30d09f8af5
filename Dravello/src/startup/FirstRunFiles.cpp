#include "FirstRunFiles.h"

#include "FileCopy.h"
#include "FixedPaths.h"
#include "Logger.h"
#include "UserPrompt.h"

#include <QDir>
#include <QFile>
#include <QObject>

const char* const kLaunchAgentFileName = "scrivet-dravello-tray.desktop";
const char* const kBrushLibraryFileName = "brush_pressure.ai";
const char* const kUserSettingsFileName = "dravellouser.xml";

namespace {

QString fromPlatform(const std::string& path) { return QDir::toNativeSeparators(QString::fromStdString(path)); }

QString systemSupportFile(const char* name)
{
    return fromPlatform(Platform::systemSupportFolder() + '/' + name);
}

// Copies the system support folder's file of that name into `folder` unless
// `folder` has it already. A copy that fails leaves nothing behind.
void copyIfMissing(const char* name, const QString& folder)
{
    const QString target = QDir::toNativeSeparators(folder + QLatin1Char('/') + QLatin1String(name));
    if (!QFile::exists(target))
        copyFileChecked(systemSupportFile(name), target);
}

// Without the user's folder the copies would land relative to the
// filesystem root; they are left out, and the start goes on without them.
void refuseFirstRunCopies(const char* what)
{
    const std::string line =
        std::string("No user folder (HOME is not an absolute path and no XDG base directory names one); not copied: ")
        + what;
    Pelm::Logger::WriteLog("FirstRunFiles", "PrepareUserSettingsFile", line.c_str(), Pelm::Logger::SEVERE);
    qCritical("%s", line.c_str());
}

} // namespace

QString userDataFolder() { return fromPlatform(Platform::userSupportFolder()); }

QString userSettingsFilePath()
{
    const QString folder = userDataFolder();
    return folder.isEmpty() ? folder : QDir::toNativeSeparators(folder + QLatin1String(kUserSettingsFileName));
}

QString factorySettingsFilePath()
{
    return fromPlatform(Platform::programDataFolder() + "/support/dravellofactory.xml");
}

bool PrepareUserSettingsFile()
{
    const QString autostart = fromPlatform(Platform::userAutostartFolder());
    if (QFile::exists(systemSupportFile(kLaunchAgentFileName))) {
        if (autostart.isEmpty())
            refuseFirstRunCopies("the autostart entry");
        else if (Platform::makeFolders(autostart.toStdString()))
            copyIfMissing(kLaunchAgentFileName, autostart);
    }

    const QString dataFolder = userDataFolder();
    if (dataFolder.isEmpty()) {
        refuseFirstRunCopies("the settings file and the brush library");
        return true;
    }
    Platform::makeFolders(dataFolder.toStdString());
    copyIfMissing(kUserSettingsFileName, dataFolder);
    copyIfMissing(kBrushLibraryFileName, dataFolder);
    return true;
}

bool provideUserSettingsFile(const QString& userPath, const QString& factoryPath)
{
    if (QFile::exists(userPath))
        return true;
    QString problem;
    if (!QFile::exists(factoryPath))
        problem = QObject::tr("The factory settings file does not exists %1").arg(factoryPath);
    else if (!copyFileChecked(factoryPath, userPath))
        problem = QObject::tr("Problem to copy the factory settings %1 to  %2").arg(factoryPath, userPath);
    if (problem.isEmpty())
        return true;
    askUser(PromptRequest::message(QMessageBox::Critical, problem));
    return false;
}
