#include "FifoWatchdog.h"
#include "SketchMover.h"
#include "SketchTestSupport.h"
#include "TestFiles.h"

#include <QtTest>

#include <memory>
#include <sys/stat.h>

using testsupport::makeFolder;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QDateTime kMoveTime(QDate(2026, 12, 8), QTime(23, 5, 9, 42));

} // namespace

class TestSketchMover : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<sketchtest::SketchEnvironment> env;
    QString receiver;
    QString destination;

    QString backup() const
    {
        return destination + QStringLiteral("/sketch_backup_08122026230509042");
    }

    // The receiver holds two sketches, a text file and a subfolder whose
    // name matches the sketch patterns.
    void fillReceiver()
    {
        writeFile(receiver + "/a.wpi", "sketch a");
        writeFile(receiver + "/b.inkml", "sketch b");
        writeFile(receiver + "/notes.txt", "not a sketch");
        makeFolder(receiver + "/sub.wpi");
        writeFile(receiver + "/sub.wpi/c.wpi", "sketch c");
    }

    QStringList receiverFiles() const
    {
        return QDir(receiver).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

private slots:
    void init()
    {
        env = std::make_unique<sketchtest::SketchEnvironment>();
        receiver = makeFolder(env->path("Pen/My Sketches"));
        destination = makeFolder(env->path("Local"));
        fillReceiver();
    }

    void cleanup() { env.reset(); }

    void backupFolderIsNamedByTheTime_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("name");
        QTest::newRow("evening") << kMoveTime << "/d/sketch_backup_08122026230509042";
        QTest::newRow("morning") << QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5, 6))
                                 << "/d/sketch_backup_02012027030405006";
    }

    void backupFolderIsNamedByTheTime()
    {
        QFETCH(QDateTime, when);
        QFETCH(QString, name);
        QCOMPARE(backupFolderPath(QStringLiteral("/d"), when), name);
    }

    void movesTheSketchFilesOnly()
    {
        QVERIFY(moveSketchesOffReceiver(nullptr, QDir(receiver), destination, kMoveTime));

        QCOMPARE(env->prompt.requests.size(), 1);
        const PromptRequest& question = env->prompt.requests.first();
        QCOMPARE(question.text, "Are you sure you want to move your sketches to \n" + backup()
                                    + " folder?");
        QCOMPARE(question.title, QStringLiteral("Scrivet Dravello"));
        QCOMPARE(question.icon, QMessageBox::Question);
        QCOMPARE(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(question.defaultButton, QMessageBox::NoButton);

        QCOMPARE(QDir(backup()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({"a.wpi", "b.inkml"}));
        QCOMPARE(readFile(backup() + "/a.wpi"), QByteArray("sketch a"));
        QCOMPARE(readFile(backup() + "/b.inkml"), QByteArray("sketch b"));
        QCOMPARE(receiverFiles(), QStringList({"notes.txt", "sub.wpi"}));
        QCOMPARE(readFile(receiver + "/sub.wpi/c.wpi"), QByteArray("sketch c"));
    }

    void nothingChangesWithoutAUsableAnswer_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<int>("questions");
        QTest::newRow("dialog cancelled") << QString() << QMessageBox::Ok << 0;
        QTest::newRow("receiver folder") << QStringLiteral("Pen/My Sketches/") << QMessageBox::Ok
                                         << 0;
        QTest::newRow("question cancelled") << QStringLiteral("Local") << QMessageBox::Cancel << 1;
    }

    void nothingChangesWithoutAUsableAnswer()
    {
        QFETCH(QString, chosen);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(int, questions);
        env->prompt.answers << answer;
        const QString folder = chosen.isEmpty() ? chosen : env->path(chosen.toStdString());
        QVERIFY(!moveSketchesOffReceiver(nullptr, QDir(receiver), folder, kMoveTime));
        QCOMPARE(env->prompt.requests.size(), questions);
        QCOMPARE(receiverFiles(), QStringList({"a.wpi", "b.inkml", "notes.txt", "sub.wpi"}));
        QVERIFY(QDir(destination).isEmpty());
    }

    void backupFolderThatCannotBeMadeIsReported()
    {
        QVERIFY(QDir(destination).removeRecursively());
        QVERIFY(!moveSketchesOffReceiver(nullptr, QDir(receiver), destination, kMoveTime));
        QCOMPARE(env->prompt.texts().size(), 2);
        QCOMPARE(env->prompt.requests.last().icon, QMessageBox::Warning);
        QCOMPARE(env->prompt.texts().last(), "Failed to create folder " + backup());
        QCOMPARE(receiverFiles(), QStringList({"a.wpi", "b.inkml", "notes.txt", "sub.wpi"}));
    }

    // A FIFO on the receiver, and a link to one, are no sketch files: the
    // move never waits on them and leaves them where they are.
    void aFifoOnTheReceiverHoldsNothing()
    {
        const std::string fifo = (receiver + "/pipe.wpi").toStdString();
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        QVERIFY(QFile::link(receiver + "/pipe.wpi", receiver + "/link.inkml"));
        bool moved;
        {
            const testsupport::FifoWatchdog watchdog(fifo);
            moved = moveSketchesOffReceiver(nullptr, QDir(receiver), destination, kMoveTime);
            QVERIFY2(!watchdog.fired(), "the move waited for the FIFO");
        }
        QVERIFY(moved);
        QCOMPARE(QDir(backup()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({"a.wpi", "b.inkml"}));
        QCOMPARE(receiverFiles(), QStringList({"link.inkml", "notes.txt", "pipe.wpi", "sub.wpi"}));
        QCOMPARE(env->prompt.requests.size(), 1); // the question alone
    }

    void failedCopyKeepsItsSource()
    {
        makeFolder(backup());
        const QStringList files{receiver + "/a.wpi", receiver + "/gone.wpi", receiver + "/sub.wpi",
                                receiver + "/b.inkml"};
        QCOMPARE(moveFilesInto(files, backup()), QStringList({files[1], files[2]}));
        QCOMPARE(QDir(backup()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({"a.wpi", "b.inkml"}));
        QCOMPARE(receiverFiles(), QStringList({"notes.txt", "sub.wpi"}));
    }
};

QTEST_MAIN(TestSketchMover)
#include "tst_sketchmover.moc"
