// The desktop files as the desktop's own tools and the toolkit read them: the
// entry and the AppStream description pass their validators, and the MIME
// package builds a database in which the pen's files get their types.

#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kDesktopFolder = QStringLiteral(DRAVELLO_DESKTOP_DIR);
const QString kDesktopEntry = kDesktopFolder + "/Dravello.desktop";
const QString kMetainfo = kDesktopFolder + "/com.scrivet.Dravello.metainfo.xml";
const QString kMimePackage = kDesktopFolder + "/dravello-mime.xml";

struct ToolRun {
    int exitCode = -1;
    QString output; // standard output and error together
};

ToolRun runTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {-1, program + " did not run: " + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The values of one list key ("MimeType=a;b;") of the desktop entry.
QStringList desktopEntryList(const QString& key)
{
    for (const QString& line : readText(kDesktopEntry).split('\n')) {
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1).split(';', Qt::SkipEmptyParts);
    }
    return {};
}

QStringList metainfoMediaTypes()
{
    QFile file(kMetainfo);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QStringList types;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("mediatype"))
            types << xml.readElementText();
    }
    return types;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class DesktopFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dataHome;
    ToolRun mimeUpdate;

private slots:
    // The database is built before the toolkit's first look at MIME types,
    // which then searches the scratch data folder before the system's.
    void initTestCase()
    {
        QVERIFY(dataHome.isValid());
        const QString mime = dataHome.filePath("mime");
        QVERIFY(QDir().mkpath(mime + "/packages"));
        QVERIFY(QFile::copy(kMimePackage, mime + "/packages/dravello.xml"));
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        qputenv("XDG_DATA_DIRS", (dataHome.path() + ":/usr/local/share:/usr/share").toUtf8());
        mimeUpdate = runTool("update-mime-database", {mime});
    }

    void desktopEntryPassesItsValidator()
    {
        const ToolRun run = runTool("desktop-file-validate", {kDesktopEntry});
        QVERIFY2(run.exitCode == 0 && run.output.isEmpty(), qPrintable(run.output));
    }

    void metainfoPassesItsValidator()
    {
        const ToolRun run = runTool("appstreamcli", {"validate", "--no-net", "--strict", kMetainfo});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    }

    // The tool reports a malformed package on its output but still succeeds.
    void mimePackageBuildsWithoutComplaint()
    {
        QVERIFY2(mimeUpdate.exitCode == 0 && mimeUpdate.output.isEmpty(), qPrintable(mimeUpdate.output));
    }

    // The types the entry offers to open and the description announces are
    // the ones the package defines.
    void entryAndDescriptionNameTheDefinedTypes()
    {
        const QStringList defined = sorted(readText(dataHome.filePath("mime/types")).split('\n', Qt::SkipEmptyParts));
        QVERIFY(!defined.isEmpty());
        QCOMPARE(sorted(desktopEntryList("MimeType")), defined);
        QCOMPARE(sorted(metainfoMediaTypes()), defined);
    }

    void penFilesGetTheirTypes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("type");
        const QByteArray inkml = "<?xml version=\"1.0\" ?>\n<ink>\n</ink>\n";
        const QByteArray packets("\x80\x01\x02\x03", 4);
        QTest::newRow("raw pen file") << "sketch.wpi" << packets << "application/x-scrivet-wpi";
        QTest::newRow("raw pen file, other suffix") << "sketch.eli" << packets << "application/x-scrivet-wpi";
        // Receivers' volumes often name files in capitals.
        QTest::newRow("raw pen file in capitals") << "SKETCH01.WPI" << packets << "application/x-scrivet-wpi";
        QTest::newRow("InkML") << "sketch.inkml" << inkml << "application/inkml+xml";
        QTest::newRow("InkML with the pen's suffix") << "sketch.hlv" << inkml << "application/inkml+xml";
    }

    void penFilesGetTheirTypes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, type);
        QTemporaryDir folder;
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        QCOMPARE(QMimeDatabase().mimeTypeForFile(file.fileName()).name(), type);
    }

    // Programs that take any XML are offered InkML sketches too.
    void inkmlIsXml()
    {
        QVERIFY(QMimeDatabase().mimeTypeForName("application/inkml+xml").inherits("application/xml"));
    }
};

QTEST_GUILESS_MAIN(DesktopFilesTest)
#include "tst_desktopfiles.moc"
