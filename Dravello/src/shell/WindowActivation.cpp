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
    showKeepingState(window);
    window.raise();
    if (X11Launch::activateForLaunch(window, activation.startupId))
        return;
    if (!activation.activationToken.empty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(activation.activationToken));
    window.activateWindow();
}
