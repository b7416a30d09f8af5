#include "QtLocalPeer.h"

#include "FixedPaths.h"
#include "HandOverFrame.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <functional>
#include <unistd.h>

const char* QtLocalPeer::ack = "ack";

namespace {

constexpr int kConnectionTries = 3;

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString fromNativePath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// "qtsingleapp-" + up to six letters of the id's last section + the id's
// CRC-16 + the user id, both in hexadecimal.
QString socketNameFor(const QString& id)
{
    QString prefix = id.section(QLatin1Char('/'), -1);
    prefix.remove(QRegularExpression(QStringLiteral("[^a-zA-Z]")));
    prefix.truncate(6);
    const quint16 checksum = qChecksum(id.toUtf8(), Qt::ChecksumIso3309);
    return QStringLiteral("qtsingleapp-") + prefix + QLatin1Char('-') + QString::number(checksum, 16)
        + QLatin1Char('-') + QString::number(::getuid(), 16);
}

void warnReceptionFailed(const QLocalSocket& socket)
{
    qWarning().noquote().nospace() << "QtLocalPeer: Message reception failed " << quoted(socket.errorString());
}

// The one message of a connection, read as its bytes arrive. A message that
// is not complete within its time, that announces more than a message may
// hold, or whose connection ends or fails first, is dropped with the
// connection. A complete one is answered with "ack" and then handed to
// `deliver`; the connection closes once the answer is out (or its time is
// up). Whatever `deliver` runs (a modal dialog, say) cannot delete the
// connection under it: that waits until `deliver` has returned.
class IncomingMessage : public QObject {
public:
    using Delivery = std::function<void(const QString&, const HandOver::Activation&)>;

    IncomingMessage(QLocalSocket* socket, const QtLocalPeer::Timings& timings, Delivery deliver, QObject* parent)
        : QObject(parent), m_socket(socket), m_ackWrite(timings.ackWrite), m_deliver(std::move(deliver))
    {
        m_socket->setParent(this);
        connect(m_socket, &QLocalSocket::readyRead, this, &IncomingMessage::readArrived);
        connect(m_socket, &QLocalSocket::disconnected, this, &IncomingMessage::connectionEnded);
        connect(m_socket, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError error) {
            if (m_finished || error == QLocalSocket::PeerClosedError)
                return;
            warnReceptionFailed(*m_socket);
            drop();
        });
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this, timings] {
            qWarning("QtLocalPeer: Message incomplete after %d ms, dropped", timings.messageWait);
            drop();
        });
        m_deadline.start(timings.messageWait);
        readArrived();
    }

private:
    void readArrived()
    {
        using State = HandOver::FrameReader::State;
        while (!m_finished && m_socket->bytesAvailable() > 0
               && (m_reader.state() == State::NeedLength || m_reader.state() == State::NeedBody)) {
            char buffer[4096];
            const qint64 got = m_socket->read(buffer, qMin<qint64>(sizeof buffer, qint64(m_reader.missing())));
            if (got < 0) {
                warnReceptionFailed(*m_socket);
                drop();
                return;
            }
            m_reader.feed(buffer, std::size_t(got));
        }
        if (m_finished)
            return;
        if (m_reader.state() == State::TooLong) {
            qWarning("QtLocalPeer: Message refused, its length %u exceeds %u bytes", m_reader.announcedLength(),
                     HandOver::kMaxMessageBytes);
            drop();
        } else if (m_reader.state() == State::Complete) {
            acknowledge();
        }
    }

    void connectionEnded()
    {
        if (!m_finished)
            readArrived();
        if (!m_finished)
            drop();
        if (!m_delivering)
            deleteLater();
    }

    void acknowledge()
    {
        m_finished = true;
        m_deadline.stop();
        m_socket->write(QtLocalPeer::ack, qint64(qstrlen(QtLocalPeer::ack)));
        m_socket->flush();
        QTimer::singleShot(m_ackWrite, this, [this] { m_socket->abort(); });
        m_delivering = true;
        m_deliver(QString::fromStdString(m_reader.message()), m_reader.activation());
        m_delivering = false;
        if (m_socket->state() == QLocalSocket::UnconnectedState)
            deleteLater();
        else
            m_socket->disconnectFromServer();
    }

    void drop()
    {
        m_finished = true;
        m_deadline.stop();
        m_socket->abort();
        deleteLater();
    }

    QLocalSocket* m_socket; // a child
    HandOver::FrameReader m_reader;
    QTimer m_deadline;
    const int m_ackWrite;
    Delivery m_deliver;
    bool m_finished = false;
    bool m_delivering = false;
};

} // namespace

QtLocalPeer::QtLocalPeer(QObject* parent, const QString& appId)
    : QObject(parent), m_id(appId.isEmpty() ? QCoreApplication::applicationFilePath() : appId),
      m_socketName(socketNameFor(m_id)), m_server(new QLocalServer(this))
{
    const std::string socketPath = Platform::handOverSocketPath();
    if (socketPath.empty()) {
        qWarning("failed to get HOME environment var. Bailing out");
        return;
    }
    m_socketName = fromNativePath(socketPath);
    // At the very first start the lock file's folder does not exist yet.
    Platform::makeFolders(Platform::handOverFolder());
    m_lockFile.setFileName(fromNativePath(Platform::singleInstanceLockFile()));
    m_lockFile.open(QIODevice::ReadWrite);
}

bool QtLocalPeer::isClient()
{
    if (m_lockFile.isLocked())
        return false;
    if (!m_lockFile.lock(QtLockedFile::WriteLock, false))
        return true;
    listen();
    connect(m_server, &QLocalServer::newConnection, this, &QtLocalPeer::receiveConnection);
    return false;
}

// A socket file left by a copy that crashed blocks the name: it is removed,
// which is safe because this copy holds the lock.
void QtLocalPeer::listen()
{
    bool listening = m_server->listen(m_socketName);
    if (!listening && m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_socketName);
        listening = m_server->listen(m_socketName);
    }
    if (!listening)
        qWarning("QtSingleCoreApplication: listen on local socket failed, %s", qPrintable(m_server->errorString()));
}

bool QtLocalPeer::sendMessage(const QString& message, int timeout, const HandOver::Activation& activation)
{
    if (!isClient()) {
        qDebug("QtLocalPeer::sendMessage no active clients return false");
        return false;
    }
    for (int i = 0; i < kConnectionTries; ++i) {
        qDebug().nospace() << "QtLocalPeer::sendMessage try to connect i = " << i;
        QLocalSocket socket;
        socket.connectToServer(m_socketName, QIODevice::ReadWrite);
        if (socket.waitForConnected(timeout)) {
            qDebug().nospace() << "breaking at conn Ok || i = " << i;
            return deliver(socket, message, timeout, activation);
        }
        QThread::msleep(m_timings.retryPause);
    }
    qDebug("QtLocalPeer::sendMessage NOT CONNECTED return false\n");
    return false;
}

bool QtLocalPeer::deliver(QLocalSocket& socket, const QString& message, int timeout,
                          const HandOver::Activation& activation)
{
    const std::string bytes = HandOver::frame(HandOver::withActivation(message.toStdString(), activation));
    socket.write(bytes.data(), qint64(bytes.size()));
    const bool written = socket.waitForBytesWritten(timeout);
    const bool answered = socket.waitForReadyRead(timeout);
    return written && answered && socket.read(3) == ack;
}

void QtLocalPeer::receiveConnection()
{
    qDebug("QtLocalPeer::receiveConnection() 0");
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        new IncomingMessage(socket, m_timings, [this](const QString& message, const HandOver::Activation& activation) {
            qDebug().noquote().nospace() << " QtLocalPeer::receiveConnection() message arrived : " << quoted(message);
            m_lastActivation = activation;
            emit messageReceived(message);
        }, this);
    }
}
