#include "QtLocalPeer.h"

#include "FixedPaths.h"
#include "HandOverFrame.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>

#include <memory>
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

enum class ReadStep { Progress, Ended, Failed };

// Moves the bytes that are there, or that arrive within `wait`, into the reader.
ReadStep readMore(QLocalSocket& socket, HandOver::FrameReader& reader, int wait)
{
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(wait))
        return ReadStep::Ended;
    char buffer[4096];
    const qint64 got = socket.read(buffer, qMin<qint64>(sizeof buffer, qint64(reader.missing())));
    if (got < 0)
        return ReadStep::Failed;
    reader.feed(buffer, std::size_t(got));
    return ReadStep::Progress;
}

void warnReceptionFailed(const QLocalSocket& socket)
{
    qWarning().noquote().nospace() << "QtLocalPeer: Message reception failed " << quoted(socket.errorString());
}

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
    Platform::makeFolders(Platform::userSupportFolder());
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

bool QtLocalPeer::sendMessage(const QString& message, int timeout)
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
            return deliver(socket, message, timeout);
        }
        QThread::msleep(m_timings.retryPause);
    }
    qDebug("QtLocalPeer::sendMessage NOT CONNECTED return false\n");
    return false;
}

bool QtLocalPeer::deliver(QLocalSocket& socket, const QString& message, int timeout)
{
    const std::string bytes = HandOver::frame(message.toStdString());
    socket.write(bytes.data(), qint64(bytes.size()));
    const bool written = socket.waitForBytesWritten(timeout);
    const bool answered = socket.waitForReadyRead(timeout);
    return written && answered && socket.read(3) == ack;
}

void QtLocalPeer::receiveConnection()
{
    qDebug("QtLocalPeer::receiveConnection() 0");
    std::unique_ptr<QLocalSocket> socket(m_server->nextPendingConnection());
    if (!socket)
        return;

    QString message;
    const bool received = readMessage(*socket, message);
    if (received) {
        socket->write(ack, qint64(qstrlen(ack)));
        socket->waitForBytesWritten(m_timings.ackWrite);
    }
    socket->close();
    socket.reset();
    if (!received)
        return;

    qDebug().noquote().nospace() << " QtLocalPeer::receiveConnection() message arrived : " << quoted(message);
    emit messageReceived(message);
}

// A connection that closes or stays silent before its length is complete,
// or announces more than a message may hold, is dropped. A message that
// stops short of its length is taken as far as it arrived.
bool QtLocalPeer::readMessage(QLocalSocket& socket, QString& message)
{
    HandOver::FrameReader reader;
    while (reader.state() == HandOver::FrameReader::State::NeedLength) {
        const ReadStep step = readMore(socket, reader, m_timings.lengthWait);
        if (step == ReadStep::Failed)
            warnReceptionFailed(socket);
        if (step != ReadStep::Progress)
            return false;
    }
    if (reader.state() == HandOver::FrameReader::State::TooLong) {
        qWarning("QtLocalPeer: Message refused, its length %u exceeds %u bytes", reader.announcedLength(),
                 HandOver::kMaxMessageBytes);
        return false;
    }
    while (reader.state() == HandOver::FrameReader::State::NeedBody) {
        const ReadStep step = readMore(socket, reader, m_timings.bodyWait);
        if (step == ReadStep::Failed) {
            warnReceptionFailed(socket);
            return false;
        }
        if (step == ReadStep::Ended)
            break;
    }
    message = QString::fromStdString(reader.message());
    return true;
}
