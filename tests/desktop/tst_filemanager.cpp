// Showing a sketch in the file manager: the freedesktop ShowItems call on a
// private bus, and the folder opened instead when no file manager answers.

#include "FileManager.h"
#include "ScratchDir.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <QtTest>

namespace {

const char* const kService = "org.freedesktop.FileManager1";

// A file manager on the bus that records what it was asked to show.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QStringList> shown;
    QStringList startupIds;

public slots:
    Q_SCRIPTABLE void ShowItems(const QStringList& uris, const QString& startupId)
    {
        shown << uris;
        startupIds << startupId;
    }
};

// The folders the desktop was asked to open.
class OpenedFolders : public QObject {
    Q_OBJECT

public:
    OpenedFolders() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedFolders() override { QDesktopServices::unsetUrlHandler("file"); }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class tst_FileManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void theFileManagerShowsTheFileSelected();
    void withoutAFileManagerTheFolderOpens();
    void withoutABusTheFolderOpens();

private:
    QDBusConnection bus(const QString& name) const { return QDBusConnection::connectToBus(m_address, name); }

    testsupport::ScratchDir m_scratch;
    QProcess m_daemon;
    QString m_address;
    FakeFileManager m_fake;
    std::unique_ptr<OpenedFolders> m_opened;
};

// A bus of the test's own, with no services to start on demand.
void tst_FileManager::initTestCase()
{
    const QString config = QString::fromStdString(m_scratch.file("bus.conf"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig><type>session</type><listen>unix:dir=" + QByteArray(m_scratch.path().c_str())
               + "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                 "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>\n");
    file.close();
    m_daemon.start("dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address=1"});
    QVERIFY2(m_daemon.waitForStarted(), "dbus-daemon (package dbus) is needed");
    QVERIFY(m_daemon.waitForReadyRead(10000));
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QVERIFY(bus("client").isConnected());
}

void tst_FileManager::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus("client");
    QDBusConnection::disconnectFromBus("file manager");
    m_daemon.terminate();
    m_daemon.waitForFinished();
}

void tst_FileManager::init()
{
    m_opened = std::make_unique<OpenedFolders>();
    m_fake.shown.clear();
    m_fake.startupIds.clear();
}

void tst_FileManager::cleanup() { m_opened.reset(); }

void tst_FileManager::theFileManagerShowsTheFileSelected()
{
    QDBusConnection service = bus("file manager");
    QVERIFY(service.registerObject("/org/freedesktop/FileManager1", &m_fake, QDBusConnection::ExportScriptableSlots));
    QVERIFY(service.registerService(kService));

    DBusFileManager manager([this] { return bus("client"); });
    QVERIFY(manager.showItem("/sketches/harbour at dusk/Zoë.wpi"));
    QTRY_COMPARE(m_fake.shown, QList<QStringList>{{"file:///sketches/harbour%20at%20dusk/Zo%C3%AB.wpi"}});
    QCOMPARE(m_fake.startupIds, QStringList{QString()});
    QTest::qWait(200);
    QVERIFY(m_opened->urls.isEmpty());

    QVERIFY(service.unregisterService(kService));
    service.unregisterObject("/org/freedesktop/FileManager1");
}

void tst_FileManager::withoutAFileManagerTheFolderOpens()
{
    QVERIFY(!bus("client").interface()->isServiceRegistered(kService));
    DBusFileManager manager([this] { return bus("client"); });
    QVERIFY(manager.showItem("/sketches/harbour/a.wpi"));
    QTRY_COMPARE(m_opened->urls, QList<QUrl>{QUrl::fromLocalFile("/sketches/harbour")});
}

void tst_FileManager::withoutABusTheFolderOpens()
{
    DBusFileManager manager([] { return QDBusConnection(QStringLiteral("no such connection")); });
    QVERIFY(manager.showItem("/sketches/harbour/a.wpi"));
    QCOMPARE(m_opened->urls, QList<QUrl>{QUrl::fromLocalFile("/sketches/harbour")});
}

QTEST_MAIN(tst_FileManager)
#include "tst_filemanager.moc"
