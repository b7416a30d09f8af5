#include "WindowActivation.h"

#include "X11Launch.h"

#include <QGuiApplication>
#include <QWidget>

void showKeepingState(QWidget& window)
{
    const Qt::WindowStates state = window.windowState();
    if (state & Qt::WindowMinimized)
        window.setWindowState(state & ~Qt::WindowMinimized);
    if (window.isHidden())
        window.show();
}

void bringToFront(QWidget& window, const HandOver::Activation& activation)
{
    // A window the manager does not know yet (hidden in the tray) is left to
    // the toolkit, which asks for its activation once it is mapped.
    const bool managed = window.isVisible();
    showKeepingState(window);
    window.raise();
    X11Launch::endLaunch(window, activation.startupId);
    if (managed && X11Launch::activateAtLaunchTime(window, activation.startupId))
        return;
    if (!activation.activationToken.empty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(activation.activationToken));
    window.activateWindow();
}
