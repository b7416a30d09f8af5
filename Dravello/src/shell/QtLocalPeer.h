#ifndef DRAVELLO_SHELL_QTLOCALPEER_H
#define DRAVELLO_SHELL_QTLOCALPEER_H

// Elects the one running copy of the program per user and carries messages
// from later starts to it. The running copy holds a write lock on the
// per-user lock file and listens on the per-user local socket; a later start
// finds the lock taken, connects, sends one framed message and waits for
// "ack".

#include "HandOverFrame.h"
#include "QtLockedFile.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class QtLocalPeer : public QObject {
    Q_OBJECT

public:
    // How long the peer waits and pauses, in milliseconds.
    struct Timings {
        int messageWait = 30000;  // receiver: time for one whole message to arrive
        int ackWrite = 1000;      // receiver: time for "ack" to be written
        int retryPause = 30000;   // sender: pause after a failed connection
    };

    static const char* ack;

    // An empty appId stands for the path of the program's executable.
    explicit QtLocalPeer(QObject* parent = nullptr, const QString& appId = QString());

    // True when another copy runs. When none does, this copy takes the lock
    // for the rest of its life and starts listening.
    bool isClient();
    // Hands `message`, and what the desktop gave this start for bringing a
    // window to the front, to the running copy; true once it answered "ack".
    bool sendMessage(const QString& message, int timeout, const HandOver::Activation& activation = {});
    // What the start whose message came last passed on with it.
    const HandOver::Activation& lastActivation() const { return m_lastActivation; }

    QString applicationId() const { return m_id; }
    void setTimings(const Timings& timings) { m_timings = timings; }

public Q_SLOTS:
    // Starts reading every waiting connection. The messages are read as
    // their bytes arrive, so the thread never waits on a sender.
    void receiveConnection();

Q_SIGNALS:
    void messageReceived(const QString& message);

private:
    void listen();
    bool deliver(QLocalSocket& socket, const QString& message, int timeout, const HandOver::Activation& activation);

    QString m_id;
    QString m_socketName;
    QLocalServer* m_server;
    QtLockedFile m_lockFile;
    Timings m_timings;
    HandOver::Activation m_lastActivation;
};

#endif
