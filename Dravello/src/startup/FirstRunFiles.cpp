#include "FirstRunFiles.h"

#include "FixedPaths.h"
#include "UserPrompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QObject>

const char* const kLaunchAgentFileName = "com.scrivet.dravello.agent.plist";
const char* const kBrushLibraryFileName = "brush_pressure.ai";
const char* const kUserSettingsFileName = "dravellouser.xml";

namespace {

QString fromPlatform(const std::string& path) { return QDir::toNativeSeparators(QString::fromStdString(path)); }

QString systemSupportFile(const char* name)
{
    return fromPlatform(Platform::systemSupportFolder() + '/' + name);
}

// Copies the system support folder's file of that name into `folder` unless
// `folder` has it already. QFile::copy writes a temporary file and renames it,
// so a copy that fails leaves nothing behind.
void copyIfMissing(const char* name, const QString& folder)
{
    const QString target = QDir::toNativeSeparators(folder + QLatin1Char('/') + QLatin1String(name));
    if (!QFile::exists(target))
        QFile::copy(systemSupportFile(name), target);
}

} // namespace

QString userDataFolder() { return fromPlatform(Platform::userSupportFolder()); }

QString userSettingsFilePath() { return QDir::toNativeSeparators(userDataFolder() + QLatin1String(kUserSettingsFileName)); }

QString factorySettingsFilePath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()
                                    + QLatin1String("/support/dravellofactory.xml"));
}

bool PrepareUserSettingsFile()
{
    const QString launchAgents = fromPlatform(Platform::userLaunchAgentsFolder());
    if (QFile::exists(systemSupportFile(kLaunchAgentFileName))) {
        Platform::makeFolders(launchAgents.toStdString());
        copyIfMissing(kLaunchAgentFileName, launchAgents);
    }

    const QString dataFolder = userDataFolder();
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
    else if (!QFile::copy(factoryPath, userPath))
        problem = QObject::tr("Problem to copy the factory settings %1 to  %2").arg(factoryPath, userPath);
    if (problem.isEmpty())
        return true;
    askUser(PromptRequest::message(QMessageBox::Critical, problem));
    return false;
}
