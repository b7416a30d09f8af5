#include "QtSingleApplication.h"

#include "QtLocalPeer.h"
#include "WindowActivation.h"

#include <QDebug>
#include <QFileOpenEvent>
#include <QWidget>

namespace {

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// Qt 6 reports activation as a change of the application state; the older
// event is still sent on some platforms. Either counts.
bool isActivation(const QEvent* e)
{
    if (e->type() == QEvent::ApplicationActivate)
        return true;
    return e->type() == QEvent::ApplicationStateChange
        && static_cast<const QApplicationStateChangeEvent*>(e)->applicationState() == Qt::ApplicationActive;
}

} // namespace

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool /*GUIenabled*/) : QApplication(argc, argv)
{
    sysInit(QString());
    noteTrayStart();
}

QtSingleApplication::QtSingleApplication(const QString& id, int& argc, char** argv) : QApplication(argc, argv)
{
    sysInit(id);
    noteTrayStart();
}

void QtSingleApplication::sysInit(const QString& appId)
{
    m_peer = new QtLocalPeer(this, appId);
    connect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::messageReceived);
}

void QtSingleApplication::noteTrayStart()
{
    const QStringList args = arguments();
    m_trayStart = args.size() > 1 && args.at(1) == QLatin1String("tray");
}

bool QtSingleApplication::isRunning() { return m_peer->isClient(); }

QString QtSingleApplication::id() const { return m_peer->applicationId(); }

QWidget* QtSingleApplication::activationWindow() const { return m_activationWindow; }

void QtSingleApplication::setActivationWindow(QWidget* window, bool activateOnMessage)
{
    m_activationWindow = window;
    const bool done = activateOnMessage
        ? bool(connect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::activateWindow,
                       Qt::UniqueConnection))
        : disconnect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::activateWindow);
    if (!done)
        qDebug(" failed to connect in QtSingleApplication::setActivationWindow");
}

void QtSingleApplication::activateWindow(const QString& payload)
{
    qDebug().noquote().nospace() << "QtSingleApplication::activateWindow payload = " << quoted(payload);
    if (m_activationWindow)
        bringToFront(*m_activationWindow, m_peer->lastActivation());
}

bool QtSingleApplication::sendMessage(const QString& message, int timeout)
{
    return sendMessage(message, timeout, HandOver::Activation());
}

bool QtSingleApplication::sendMessage(const QString& message, int timeout, const HandOver::Activation& activation)
{
    qDebug().noquote().nospace() << "QtSingleApplication::sendMessage sending  " << quoted(message) << " time out "
                                 << timeout;
    const bool result = m_peer->sendMessage(message, timeout, activation);
    qDebug().nospace() << "QtSingleApplication::sendMessage  returns " << result;
    return result;
}

bool QtSingleApplication::event(QEvent* e)
{
    if (e->type() == QEvent::FileOpen) {
        m_openedFile = static_cast<QFileOpenEvent*>(e)->file();
        emit fileClickedInFinderSignal(m_openedFile);
        return true;
    }
    if (isActivation(e) && m_trayStart) {
        m_trayStart = false;
        emit trayIconClicked();
    }
    return QApplication::event(e);
}
