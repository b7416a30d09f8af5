#ifndef DRAVELLO_STARTUP_STARTUPARGUMENTS_H
#define DRAVELLO_STARTUP_STARTUPARGUMENTS_H

// What a start of the program was asked for on its command line: the message
// handed to a copy that is already running, and the file to open.

#include <QString>
#include <QStringList>

struct StartupArguments {
    // "Get the instance", or "Get the instance_<file>".
    QString message;
    // The first argument unless it is "tray", made absolute against the
    // working folder; empty otherwise.
    QString strFileArg;
    // strFileArg names an existing file.
    bool loadFile = false;
    // Started with no argument at all.
    bool noArguments = true;
    // The first argument is exactly "tray": the program starts in its tray icon.
    bool trayStart = false;
};

// `arguments` as QCoreApplication::arguments() gives them (program first).
StartupArguments readStartupArguments(const QStringList& arguments);

// How the window is first shown.
enum class StartWindowState { Maximised, InTray };

// A start in the tray stays there unless the receiver's volume is already present.
StartWindowState startWindowState(const StartupArguments& arguments, bool receiverVolumePresent);

#endif
