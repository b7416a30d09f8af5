#include "FileCopy.h"
#include "ScratchDir.h"
#include "TestFiles.h"

#include <QtTest>

using testsupport::readFile;
using testsupport::writeFile;

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
    }

    void copyMakesAnEqualFileAndKeepsTheSource()
    {
        QByteArray large(300 * 1024, '\0');
        for (int i = 0; i < large.size(); ++i)
            large[i] = static_cast<char>(i * 7);
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
    }

    void failedCopyLeavesTheDestinationAsItWas()
    {
        QFETCH(QString, source);
        writeFile(path("folder/a.wpi"), "old sketch");
        QVERIFY(!copyFileChecked(source, path("folder/a.wpi")));
        QCOMPARE(readFile(path("folder/a.wpi")), QByteArray("old sketch"));
        QCOMPARE(QDir(path("folder")).entryList(QDir::Files), QStringList{"a.wpi"});
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
