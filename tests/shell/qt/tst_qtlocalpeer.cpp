#include "PeerTestSupport.h"
#include "GuiGapLimit.h"
#include "QtLockedFile.h"
#include "QtLocalPeer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using shelltest::TemporaryHome;

namespace {

// Set in the environment of a child process that plays the running copy.
const char* const kServingCopy = "DRAVELLO_TEST_SERVING_COPY";
// Set, to the socket's path, in the environment of a child process that
// sends a message one byte at a time.
const char* const kTricklingSender = "DRAVELLO_TEST_TRICKLING_SENDER";
const QByteArray kTrickledMessage = "Get the instance_/tmp/trickled.hlv";
constexpr int kTrickleGapMs = 40;

QByteArray lengthPrefix(quint32 length)
{
    QByteArray prefix(4, '\0');
    for (int i = 0; i < 4; ++i)
        prefix[i] = char((length >> (24 - 8 * i)) & 0xFF);
    return prefix;
}

// Writes raw bytes to the socket as a hand-over sender would, optionally
// closes, and returns what came back before the receiver closed.
QByteArray exchange(const QString& socketPath, const QByteArray& bytes, bool closeAfterWriting = false)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(1000))
        return "not connected";
    socket.write(bytes);
    socket.waitForBytesWritten(1000);
    if (closeAfterWriting)
        socket.disconnectFromServer();
    QByteArray reply;
    (void)QTest::qWaitFor(
        [&] {
            reply += socket.readAll();
            return socket.state() == QLocalSocket::UnconnectedState;
        },
        3000);
    return reply + socket.readAll();
}

QByteArray framed(const QByteArray& message) { return lengthPrefix(quint32(message.size())) + message; }

// Leaves a socket file behind, as a copy killed while listening does.
void leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
}

// The child process: a running copy that prints "serving" and then every
// message it receives, one a line.
int serveAsRunningCopy()
{
    QtLocalPeer peer(nullptr, QStringLiteral("Dravello"));
    if (peer.isClient())
        return 2;
    QObject::connect(&peer, &QtLocalPeer::messageReceived, [](const QString& message) {
        std::printf("%s\n", message.toUtf8().constData());
        std::fflush(stdout);
    });
    std::printf("serving\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// The child process: sends the message framed, one byte every
// kTrickleGapMs, and prints the answer it gets.
int trickleToRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(qEnvironmentVariable(kTricklingSender));
    if (!socket.waitForConnected(5000))
        return 2;
    for (char byte : framed(kTrickledMessage)) {
        socket.write(&byte, 1);
        socket.waitForBytesWritten(1000);
        QThread::msleep(kTrickleGapMs);
    }
    QByteArray reply;
    while (reply.size() < 3 && socket.waitForReadyRead(5000))
        reply += socket.readAll();
    std::printf("%s\n", reply.constData());
    return 0;
}

} // namespace

class QtLocalPeerTest : public QObject {
    Q_OBJECT

private slots:
    // The very first start, with no user data folder yet, becomes the
    // running copy; its socket and lock live in the runtime folder when the
    // session has one.
    void firstStartInEmptyHomeServes_data()
    {
        QTest::addColumn<bool>("runtimeFolder");
        QTest::newRow("user support folder") << false;
        QTest::newRow("XDG_RUNTIME_DIR") << true;
    }

    void firstStartInEmptyHomeServes()
    {
        QFETCH(bool, runtimeFolder);
        TemporaryHome home;
        testsupport::ScratchDir runtime;
        testsupport::EnvironmentOverride runtimeDir("XDG_RUNTIME_DIR", runtimeFolder ? runtime.path().c_str() : nullptr);
        const QString folder =
            runtimeFolder ? QString::fromStdString(runtime.file("Scrivet")) : home.handOverFolder();
        QtLocalPeer first(nullptr, QStringLiteral("Dravello"));

        QVERIFY(!first.sendMessage(QStringLiteral("Get the instance"), 1000));
        QVERIFY(QFileInfo(folder + "/qtsingleapplock").isFile());
        QVERIFY(QFileInfo::exists(folder + "/qtsasock"));
        QVERIFY(!first.isClient());
        QCOMPARE(exchange(folder + "/qtsasock", framed("Get the instance")), QByteArray("ack"));
    }

    // A sender that trickles its bytes does not stall the running copy's
    // thread: the longest gap between ticks of a 10 ms timer there stays
    // under 100 ms while the message arrives, and the message is taken.
    void tricklingSenderLeavesTheThreadResponsive()
    {
        TemporaryHome home;
        QtLocalPeer first(nullptr, QStringLiteral("Dravello"));
        QVERIFY(!first.isClient());
        QSignalSpy received(&first, &QtLocalPeer::messageReceived);

        QProcess sender;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kTricklingSender, home.socketPath());
        sender.setProcessEnvironment(environment);
        sender.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(sender.waitForStarted());

        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, this, [&] {
            longestGap = qMax(longestGap, sinceTick.restart());
        });
        sinceTick.start();
        ticks.start(10);
        QVERIFY(QTest::qWaitFor([&] { return sender.state() == QProcess::NotRunning; }, 20000));
        ticks.stop();

        qInfo("longest gap between ticks while a sender trickled %d bytes: %lld ms",
              int(framed(kTrickledMessage).size()), longestGap);
        QCOMPARE(sender.readAllStandardOutput(), QByteArray("ack\n"));
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), QString::fromUtf8(kTrickledMessage));
        QVERIFY2(longestGap < testsupport::kLongestGuiGapMs, qPrintable(QString::number(longestGap)));
    }

    void secondCopyHandsOverItsMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("file") << QStringLiteral("Get the instance_/Users/x/a.hlv");
        QTest::newRow("outside ASCII") << QStringLiteral("Get the instance_/Users/zoë/Скетч 草图.hlv");
        QTest::newRow("bare") << QStringLiteral("Get the instance");
    }

    void secondCopyHandsOverItsMessage()
    {
        QFETCH(QString, message);
        TemporaryHome home;
        QtLocalPeer first(nullptr, QStringLiteral("Dravello"));
        QVERIFY(!first.isClient());
        QSignalSpy received(&first, &QtLocalPeer::messageReceived);

        std::future<bool> handedOver = shelltest::sendFromSecondCopy(message);

        QVERIFY(shelltest::waitFor(handedOver));
        QVERIFY(handedOver.get());
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), message);
    }

    // What the second copy's launch gave it for bringing a window to the
    // front arrives with its message, and is there while the message is
    // handled.
    void secondCopyPassesOnItsActivation()
    {
        TemporaryHome home;
        QtLocalPeer first(nullptr, QStringLiteral("Dravello"));
        QVERIFY(!first.isClient());
        const HandOver::Activation activation{"gio-4711-host-_TIME1234", "token-5678"};
        HandOver::Activation seen;
        QObject::connect(&first, &QtLocalPeer::messageReceived, &first, [&] { seen = first.lastActivation(); });

        std::future<bool> handedOver =
            shelltest::sendFromSecondCopy(QStringLiteral("Get the instance_/tmp/a.wpi"), 2000, activation);

        QVERIFY(shelltest::waitFor(handedOver));
        QVERIFY(handedOver.get());
        QCOMPARE(seen.startupId, activation.startupId);
        QCOMPARE(seen.activationToken, activation.activationToken);
    }

    // The receiver's side of the wire, written byte by byte; each row ends
    // with a sound hand-over to show the running copy still serves.
    void receiverHandlesEveryFrame_data()
    {
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<bool>("closeAfterWriting");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("warning");

        const QByteArray path = "Get the instance_/tmp/abcd.hlv";
        const QString refused = QStringLiteral("^QtLocalPeer: Message refused");
        const QString incomplete = QStringLiteral("^QtLocalPeer: Message incomplete after 300 ms, dropped");
        QTest::newRow("length 30 big-endian")
            << QByteArray::fromHex("0000001e") + path << false << QByteArray("ack") << QStringList{path} << QString();
        QTest::newRow("hostile length") << QByteArray::fromHex("ffffffff") + "abc" << false << QByteArray()
                                        << QStringList() << refused;
        QTest::newRow("one above the limit") << lengthPrefix(64 * 1024 + 1) + path << false << QByteArray()
                                             << QStringList() << refused;
        QTest::newRow("shorter than announced") << lengthPrefix(40) + "Get the" << false << QByteArray()
                                                << QStringList() << incomplete;
        QTest::newRow("closed inside the text") << lengthPrefix(40) + "Get the" << true << QByteArray()
                                                << QStringList() << QString();
        QTest::newRow("zero byte inside") << framed(QByteArray("abc\0def", 7)) << false << QByteArray("ack")
                                          << QStringList{"abc"} << QString();
        QTest::newRow("closed inside the length") << QByteArray::fromHex("0000") << true << QByteArray()
                                                  << QStringList() << QString();
        QTest::newRow("silent") << QByteArray() << false << QByteArray() << QStringList() << incomplete;
        QTest::newRow("trailing bytes ignored") << framed("Get the instance") + "more" << false << QByteArray("ack")
                                                << QStringList{"Get the instance"} << QString();
    }

    void receiverHandlesEveryFrame()
    {
        QFETCH(QByteArray, wire);
        QFETCH(bool, closeAfterWriting);
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, messages);
        QFETCH(QString, warning);
        TemporaryHome home;
        QtLocalPeer first(nullptr, QStringLiteral("Dravello"));
        first.setTimings(shelltest::shortTimings());
        QVERIFY(!first.isClient());
        QSignalSpy received(&first, &QtLocalPeer::messageReceived);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));

        QCOMPARE(exchange(home.socketPath(), wire, closeAfterWriting), reply);

        QStringList arrived;
        for (const QList<QVariant>& signal : received)
            arrived << signal.at(0).toString();
        QCOMPARE(arrived, messages);
        QCOMPARE(exchange(home.socketPath(), framed("after")), QByteArray("ack"));
    }

    // The receiver of a message may wait in an event loop of its own (a
    // modal dialog) past the connection's end; the connection is kept until
    // it returns, and the next message still arrives.
    void aReceiverThatWaitsKeepsItsConnection()
    {
        TemporaryHome home;
        QtLocalPeer first(nullptr, QStringLiteral("Dravello"));
        first.setTimings(shelltest::shortTimings());
        QVERIFY(!first.isClient());
        QStringList arrived;
        connect(&first, &QtLocalPeer::messageReceived, this, [&](const QString& message) {
            arrived << message;
            if (arrived.size() > 1)
                return;
            QEventLoop dialog;
            QTimer::singleShot(500, &dialog, &QEventLoop::quit);
            dialog.exec();
        });

        QCOMPARE(exchange(home.socketPath(), framed("first")), QByteArray("ack"));
        QTRY_COMPARE(arrived, QStringList{"first"});
        QCOMPARE(exchange(home.socketPath(), framed("second")), QByteArray("ack"));
        QCOMPARE(arrived, (QStringList{"first", "second"}));
    }

    // A sender that finds the lock taken gives up unless the answer is "ack".
    void senderNeedsTheAcknowledgement_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("result");
        QTest::newRow("ack") << true << QByteArray("ack") << true;
        QTest::newRow("other answer") << true << QByteArray("nak") << false;
        QTest::newRow("short answer") << true << QByteArray("ac") << false;
        QTest::newRow("no answer") << true << QByteArray() << false;
        QTest::newRow("nobody listens") << false << QByteArray() << false;
    }

    void senderNeedsTheAcknowledgement()
    {
        QFETCH(bool, listening);
        QFETCH(QByteArray, answer);
        QFETCH(bool, result);
        TemporaryHome home;
        QVERIFY(QDir().mkpath(QFileInfo(home.lockPath()).path()));
        QtLockedFile runningCopysLock(home.lockPath());
        QVERIFY(runningCopysLock.open(QIODevice::ReadWrite));
        QVERIFY(runningCopysLock.lock(QtLockedFile::WriteLock, false));

        QLocalServer fakeCopy;
        QByteArray frameSeen;
        if (listening) {
            QVERIFY(fakeCopy.listen(home.socketPath()));
            connect(&fakeCopy, &QLocalServer::newConnection, &fakeCopy, [&] {
                QLocalSocket* connection = fakeCopy.nextPendingConnection();
                connect(connection, &QLocalSocket::readyRead, connection, [&, connection] {
                    frameSeen += connection->readAll();
                    if (frameSeen.size() == 9)
                        connection->write(answer);
                });
            });
        }

        std::future<bool> handedOver = shelltest::sendFromSecondCopy(QStringLiteral("hello"), 300);
        QVERIFY(shelltest::waitFor(handedOver));
        QCOMPARE(handedOver.get(), result);
        if (listening)
            QCOMPARE(frameSeen, framed("hello"));
    }

    // Without a usable lock file the start counts as a second copy: it gives
    // up after its tries, and nothing breaks.
    void lockFileUnavailable_data()
    {
        QTest::addColumn<bool>("homeSet");
        QTest::newRow("HOME not set") << false;
        QTest::newRow("lock path is a folder") << true;
    }

    void lockFileUnavailable()
    {
        QFETCH(bool, homeSet);
        TemporaryHome home;
        QVERIFY(QDir().mkpath(home.lockPath()));
        testsupport::EnvironmentOverride noHome("HOME", homeSet ? home.path().toUtf8().constData() : nullptr);
        if (!homeSet)
            QTest::ignoreMessage(QtWarningMsg, "failed to get HOME environment var. Bailing out");

        QtLocalPeer peer(nullptr, QStringLiteral("Dravello"));
        peer.setTimings(shelltest::shortTimings());
        QTest::ignoreMessage(QtWarningMsg, "QtLockedFile::lock(): file is not opened");
        QVERIFY(peer.isClient());
        QTest::ignoreMessage(QtWarningMsg, "QtLockedFile::lock(): file is not opened");
        QVERIFY(!peer.sendMessage(QStringLiteral("Get the instance"), 100));
    }

    // A running copy in another process takes the message; once it is
    // killed, its lock file and socket file stay behind and the next copy
    // takes over both.
    void crashedCopyIsTakenOver()
    {
        TemporaryHome home;
        QProcess runningCopy;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kServingCopy, "1");
        runningCopy.setProcessEnvironment(environment);
        runningCopy.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(runningCopy.waitForStarted());
        QVERIFY(runningCopy.waitForReadyRead(5000));
        QCOMPARE(runningCopy.readLine(), QByteArray("serving\n"));

        QtLocalPeer later(nullptr, QStringLiteral("Dravello"));
        later.setTimings(shelltest::shortTimings());
        const QString message = QStringLiteral("Get the instance_/tmp/é.hlv");
        QVERIFY(later.sendMessage(message, 2000));
        QVERIFY(runningCopy.waitForReadyRead(5000));
        QCOMPARE(QString::fromUtf8(runningCopy.readLine()), message + QLatin1Char('\n'));

        runningCopy.kill();
        QVERIFY(runningCopy.waitForFinished());
        QVERIFY(QFileInfo::exists(home.socketPath()));

        QVERIFY(!later.isClient());
        QSignalSpy received(&later, &QtLocalPeer::messageReceived);
        QCOMPARE(exchange(home.socketPath(), framed("Get the instance")), QByteArray("ack"));
        QCOMPARE(received.count(), 1);
    }

    void staleSocketFileIsReplaced()
    {
        TemporaryHome home;
        QVERIFY(QDir().mkpath(home.handOverFolder()));
        leaveStaleSocket(home.socketPath());
        QVERIFY(QFileInfo::exists(home.socketPath()));

        QtLocalPeer first(nullptr, QStringLiteral("Dravello"));
        QVERIFY(!first.isClient());
        QSignalSpy received(&first, &QtLocalPeer::messageReceived);
        QCOMPARE(exchange(home.socketPath(), framed("Get the instance")), QByteArray("ack"));
        QCOMPARE(received.count(), 1);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsSet(kServingCopy))
        return serveAsRunningCopy();
    if (qEnvironmentVariableIsSet(kTricklingSender))
        return trickleToRunningCopy();
    QtLocalPeerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtlocalpeer.moc"
