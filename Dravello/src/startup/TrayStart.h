#ifndef DRAVELLO_STARTUP_TRAYSTART_H
#define DRAVELLO_STARTUP_TRAYSTART_H

// A start in the tray (at login): the window is minimised and hidden, and the
// program lives in its tray icon. On a desktop without a system tray that
// would leave it unseen: unless a tray has turned up (the login may start
// the panel after the program) by the time kTrayWaitMs have passed, the
// window is shown maximised instead.

class MainWindow;

constexpr int kTrayWaitMs = 5000;

void keepInTray(MainWindow& window);

#endif
