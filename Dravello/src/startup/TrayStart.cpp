#include "TrayStart.h"

#include "MainWindow.h"

#include <QSystemTrayIcon>
#include <QTimer>

void keepInTray(MainWindow& window)
{
    window.showMinimized();
    window.hide();
    QTimer::singleShot(kTrayWaitMs, &window, [&window] {
        if (window.isHidden() && !QSystemTrayIcon::isSystemTrayAvailable())
            window.showMaximizedLocal();
    });
}
