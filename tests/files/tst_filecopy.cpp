#include "FifoWatchdog.h"
#include "FileCopy.h"
#include "FileSizeLimit.h"
#include "FolderWithoutUnnamedFiles.h"
#include "ScratchDir.h"
#include "TestFiles.h"

#include <QtTest>

#include <filesystem>
#include <sys/stat.h>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

// Every name in the folder, hidden ones too.
QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray sketchBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    return bytes;
}

} // namespace

class TestFileCopy : public QObject {
    Q_OBJECT

private:
    testsupport::ScratchDir scratch;
    QString path(const char* name) const { return QString::fromStdString(scratch.file(name)); }

private slots:
    void init()
    {
        QDir(path("")).removeRecursively();
        QDir().mkpath(path("folder"));
        writeFile(path("a.wpi"), "new sketch");
        QVERIFY(QFile::link(path("a.wpi"), path("alias.wpi")));
        QCOMPARE(::mkfifo(scratch.file("pipe.wpi").c_str(), 0600), 0);
        QVERIFY(QFile::link(path("pipe.wpi"), path("pipe-link.wpi")));
    }

    void copyMakesAnEqualFileAndKeepsTheSource()
    {
        const QByteArray large = sketchBytes(300 * 1024);
        writeFile(path("large.wpi"), large);
        QVERIFY(copyFileChecked(path("large.wpi"), path("folder/large.wpi")));
        QCOMPARE(readFile(path("folder/large.wpi")), large);
        QCOMPARE(readFile(path("large.wpi")), large);
    }

    void copyReplacesAnExistingFile()
    {
        writeFile(path("folder/a.wpi"), "old sketch, longer than the new one");
        QVERIFY(copyFileChecked(path("a.wpi"), path("folder/a.wpi")));
        QCOMPARE(readFile(path("folder/a.wpi")), QByteArray("new sketch"));
        QCOMPARE(QDir(path("folder")).entryList(QDir::Files), QStringList{"a.wpi"});
    }

    void failedCopyLeavesTheDestinationAsItWas_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("missing source") << path("gone.wpi");
        QTest::newRow("folder as source") << path("folder");
        QTest::newRow("FIFO as source") << path("pipe.wpi");
        QTest::newRow("link to a FIFO as source") << path("pipe-link.wpi");
    }

    // A source that is no regular file is refused at once: the copy never
    // waits for a FIFO's writer.
    void failedCopyLeavesTheDestinationAsItWas()
    {
        QFETCH(QString, source);
        writeFile(path("folder/a.wpi"), "old sketch");
        const testsupport::FifoWatchdog watchdog(scratch.file("pipe.wpi"));
        QVERIFY(!copyFileChecked(source, path("folder/a.wpi")));
        QVERIFY2(!watchdog.fired(), "the copy waited for the FIFO");
        QCOMPARE(readFile(path("folder/a.wpi")), QByteArray("old sketch"));
        QCOMPARE(namesIn(path("folder")), QStringList{"a.wpi"});
    }

    // A full disk (a file size limit here) fails the copy, and the
    // destination keeps its old bytes: it is never left empty. A small file
    // fails only at the last flush.
    void fullDiskLeavesTheDestinationAsItWas_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("room");
        QTest::newRow("small sketch") << 3000 << 1000;
        QTest::newRow("large sketch") << 300 * 1024 << 100 * 1024;
    }

    void fullDiskLeavesTheDestinationAsItWas()
    {
        QFETCH(int, size);
        QFETCH(int, room);
        writeFile(path("b.wpi"), sketchBytes(size));
        writeFile(path("folder/b.wpi"), "old sketch");
        bool copied;
        {
            const testsupport::FileSizeLimit fullDisk(room);
            copied = copyFileChecked(path("b.wpi"), path("folder/b.wpi"));
        }
        QVERIFY(!copied);
        QCOMPARE(readFile(path("folder/b.wpi")), QByteArray("old sketch"));
        QCOMPARE(namesIn(path("folder")), QStringList{"b.wpi"});
    }

    // Copies killed while they write leave the destination as it was; the
    // next copy leaves nothing beside it, also where temporary files need
    // names.
    void killedCopiesLeaveNothingBehind_data()
    {
        QTest::addColumn<bool>("unnamedFiles");
        QTest::newRow("folder with unnamed files") << true;
        QTest::newRow("folder without unnamed files") << false;
    }

    void killedCopiesLeaveNothingBehind()
    {
        QFETCH(bool, unnamedFiles);
        testsupport::FolderWithoutUnnamedFiles plain(scratch.path() / "mount");
        if (!unnamedFiles && !plain.usable())
            QSKIP("no folder without unnamed files here");
        const QString folder = unnamedFiles ? path("folder") : QString::fromStdString(plain.path().string());
        const QByteArray large = sketchBytes(1024 * 1024);
        writeFile(path("large.wpi"), large);
        writeFile(folder + "/large.wpi", "old sketch");

        for (int kill = 0; kill < 3; ++kill)
            QVERIFY2(testsupport::killedMidWrite([&] { copyFileChecked(path("large.wpi"), folder + "/large.wpi"); },
                                                 256 * 1024),
                     "the copy was not cut short");
        QCOMPARE(readFile(folder + "/large.wpi"), QByteArray("old sketch"));
        QVERIFY(copyFileChecked(path("large.wpi"), folder + "/large.wpi"));
        QCOMPARE(namesIn(folder), QStringList{"large.wpi"});
        QCOMPARE(readFile(folder + "/large.wpi"), large);
    }

    void copyIntoMissingFolderFails()
    {
        QVERIFY(!copyFileChecked(path("a.wpi"), path("nowhere/a.wpi")));
    }

    // However it is reached, the source is neither rewritten nor replaced.
    void copyOntoItselfChangesNothing_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::newRow("same path") << path("a.wpi");
        QTest::newRow("through a link") << path("alias.wpi");
        QTest::newRow("other spelling") << path("folder/../a.wpi");
    }

    void copyOntoItselfChangesNothing()
    {
        QFETCH(QString, destination);
        QVERIFY(!copyFileChecked(path("a.wpi"), destination));
        QCOMPARE(readFile(path("a.wpi")), QByteArray("new sketch"));
        QVERIFY(QFileInfo(path("alias.wpi")).isSymLink());
    }

    // Existing files by device and inode, missing ones by their cleaned
    // absolute path; letter case always counts.
    void sameFileHoweverSpelled_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        const QString a = path("a.wpi");
        QTest::newRow("same text") << a << a << true;
        QTest::newRow("other spelling") << a << path("folder/..//a.wpi") << true;
        QTest::newRow("through a link") << a << path("alias.wpi") << true;
        QTest::newRow("other file") << a << path("folder/a.wpi") << false;
        QTest::newRow("other case, another file") << a << path("A.WPI") << false;
        QTest::newRow("other case, no such file") << a << path("A.wpi") << false;
        QTest::newRow("missing file") << a << path("b.wpi") << false;
        QTest::newRow("missing, other spelling") << path("b.wpi") << path("folder/../b.wpi") << true;
        QTest::newRow("missing, other case") << path("b.wpi") << path("B.wpi") << false;
    }

    void sameFileHoweverSpelled()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, same);
        writeFile(path("folder/a.wpi"), "new sketch");
        writeFile(path("A.WPI"), "new sketch");
        QCOMPARE(isSameFile(first, second), same);
        QCOMPARE(isSameFile(second, first), same);
    }
};

QTEST_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
