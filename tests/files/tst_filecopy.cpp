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

    void sameFileHoweverSpelled_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("same");
        QTest::newRow("same text") << path("a.wpi") << true;
        QTest::newRow("other spelling") << path("folder/..//a.wpi") << true;
        QTest::newRow("other case") << path("A.WPI") << true;
        QTest::newRow("through a link") << path("alias.wpi") << true;
        QTest::newRow("other file") << path("folder/a.wpi") << false;
        QTest::newRow("missing file") << path("b.wpi") << false;
    }

    void sameFileHoweverSpelled()
    {
        QFETCH(QString, other);
        QFETCH(bool, same);
        writeFile(path("folder/a.wpi"), "new sketch");
        QCOMPARE(isSameFile(path("a.wpi"), other), same);
    }
};

QTEST_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
