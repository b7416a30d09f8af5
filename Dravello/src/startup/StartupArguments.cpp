#include "StartupArguments.h"

#include <QFileInfo>

namespace {

const QLatin1String kHandOverMessage("Get the instance");
const QLatin1String kTrayArgument("tray");

} // namespace

StartupArguments readStartupArguments(const QStringList& arguments)
{
    StartupArguments result;
    result.message = kHandOverMessage;
    if (arguments.size() < 2)
        return result;
    result.noArguments = false;
    const QString& first = arguments.at(1);
    if (first == kTrayArgument) {
        result.trayStart = true;
        return result;
    }
    // The running copy works in another folder: a relative path is made
    // absolute here, against this start's working folder.
    const QString file = first.isEmpty() ? first : QFileInfo(first).absoluteFilePath();
    result.message += QLatin1Char('_') + file;
    result.strFileArg = file;
    result.loadFile = QFileInfo(file).isFile();
    return result;
}

StartWindowState startWindowState(const StartupArguments& arguments, bool receiverVolumePresent)
{
    return arguments.trayStart && !receiverVolumePresent ? StartWindowState::InTray
                                                          : StartWindowState::Maximised;
}
