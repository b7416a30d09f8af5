// The sketch file types as the toolkit sees them once the MIME package is in
// the database (built by the test fixture into the scratch folder named by
// XDG_DATA_HOME), and the types that the desktop entry and the AppStream
// description name.

#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kDesktopFolder = QStringLiteral(DRAVELLO_DESKTOP_DIR);

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of a key of a desktop entry in the desktop folder; empty when absent.
QString entryValue(const QString& entry, const QString& key)
{
    for (const QString& line : readText(kDesktopFolder + "/" + entry).split('\n')) {
        if (line.startsWith(key + "="))
            return line.mid(key.size() + 1);
    }
    return {};
}

// The values of the desktop entry's MimeType key ("MimeType=a;b;").
QStringList desktopEntryMimeTypes()
{
    return entryValue("Dravello.desktop", "MimeType").split(';', Qt::SkipEmptyParts);
}

QStringList metainfoMediaTypes()
{
    QXmlStreamReader xml(readText(kDesktopFolder + "/com.scrivet.Dravello.metainfo.xml"));
    QStringList types;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("mediatype"))
            types << xml.readElementText();
    }
    return types;
}

// The types the package defines, as the database built from it lists them.
QStringList definedTypes()
{
    return readText(qEnvironmentVariable("XDG_DATA_HOME") + "/mime/types").split('\n', Qt::SkipEmptyParts);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class DesktopFilesTest : public QObject {
    Q_OBJECT

private slots:
    // The types the entry offers to open and the description announces are
    // the ones the package defines.
    void entryAndDescriptionNameTheDefinedTypes()
    {
        const QStringList defined = sorted(definedTypes());
        QVERIFY(!defined.isEmpty());
        QCOMPARE(sorted(desktopEntryMimeTypes()), defined);
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

    // The tray start that the first start copies into the user's autostart
    // folder outlives a removal of the package: the session skips it once
    // the program it starts is gone.
    void theTrayStartNeedsItsProgram()
    {
        const QString command = entryValue("scrivet-dravello-tray.desktop", "Exec").section(' ', 0, 0);
        QCOMPARE(command, QString("dravello"));
        QCOMPARE(entryValue("scrivet-dravello-tray.desktop", "TryExec"), command);
    }

    // Programs that take any XML are offered InkML sketches too.
    void inkmlIsXml()
    {
        QVERIFY(QMimeDatabase().mimeTypeForName("application/inkml+xml").inherits("application/xml"));
    }
};

QTEST_GUILESS_MAIN(DesktopFilesTest)
#include "tst_desktopfiles.moc"
