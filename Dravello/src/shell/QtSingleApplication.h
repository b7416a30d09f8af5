#ifndef DRAVELLO_SHELL_QTSINGLEAPPLICATION_H
#define DRAVELLO_SHELL_QTSINGLEAPPLICATION_H

// The program's application object. It makes sure one copy runs per user
// (see QtLocalPeer), hands a later start's message to that copy, and turns
// the platform's file-open events and the first activation after a start in
// the tray into signals.

#include "HandOverFrame.h"

#include <QApplication>
#include <QPointer>
#include <QString>

class QtLocalPeer;

class QtSingleApplication : public QApplication {
    Q_OBJECT

public:
    // Qt 6 applications are always graphical: GUIenabled is kept for callers.
    QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
    QtSingleApplication(const QString& id, int& argc, char** argv);

    bool isRunning();
    QString id() const;

    void setActivationWindow(QWidget* window, bool activateOnMessage = true);
    QWidget* activationWindow() const;

    // The path of the last file-open event; empty until one arrived.
    QString openedFile() const { return m_openedFile; }

    // sendMessage, passing on what the desktop gave this start for bringing
    // a window to the front (see HandOver::Activation).
    bool sendMessage(const QString& message, int timeout, const HandOver::Activation& activation);

public Q_SLOTS:
    bool sendMessage(const QString& message, int timeout = 10000);
    // Brings the activation window to the front and gives it the focus,
    // keeping its state, as the start whose message came last may.
    void activateWindow(const QString& payload);

Q_SIGNALS:
    void messageReceived(const QString& message);
    void fileClickedInFinderSignal(QString path);
    void trayIconClicked();

protected:
    bool event(QEvent* e) override;

private:
    void sysInit(const QString& appId);
    void noteTrayStart();

    QtLocalPeer* m_peer = nullptr;
    QPointer<QWidget> m_activationWindow;
    bool m_trayStart = false;
    QString m_openedFile;
};

#endif
