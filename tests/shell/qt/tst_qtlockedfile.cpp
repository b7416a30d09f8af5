#include "QtLockedFile.h"
#include "ScratchDir.h"

#include <QTest>

#include <atomic>
#include <thread>

class QtLockedFileTest : public QObject {
    Q_OBJECT

private:
    QString lockPath() const { return QString::fromStdString(scratch.file("lock")); }
    testsupport::ScratchDir scratch;

private slots:
    void conflicts_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<bool>("granted");
        QTest::newRow("write blocks write") << int(QtLockedFile::WriteLock) << int(QtLockedFile::WriteLock) << false;
        QTest::newRow("write blocks read") << int(QtLockedFile::WriteLock) << int(QtLockedFile::ReadLock) << false;
        QTest::newRow("read blocks write") << int(QtLockedFile::ReadLock) << int(QtLockedFile::WriteLock) << false;
        QTest::newRow("readers share") << int(QtLockedFile::ReadLock) << int(QtLockedFile::ReadLock) << true;
    }

    // Two open files of one process conflict as two processes would.
    void conflicts()
    {
        QFETCH(int, held);
        QFETCH(int, wanted);
        QFETCH(bool, granted);
        QtLockedFile holder(lockPath());
        QtLockedFile other(lockPath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QVERIFY(other.open(QIODevice::ReadWrite));
        QVERIFY(holder.lock(QtLockedFile::LockMode(held), false));

        QCOMPARE(other.lock(QtLockedFile::LockMode(wanted), false), granted);
        QCOMPARE(other.isLocked(), granted);

        holder.unlock();
        QVERIFY(other.lock(QtLockedFile::LockMode(wanted), false));
    }

    void blockingLockWaitsForTheHolder()
    {
        QtLockedFile holder(lockPath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QVERIFY(holder.lock(QtLockedFile::WriteLock));

        std::atomic<bool> granted{false};
        std::thread waiter([&] {
            QtLockedFile other(lockPath());
            other.open(QIODevice::ReadWrite);
            granted = other.lock(QtLockedFile::WriteLock, true);
        });
        QTest::qWait(100);
        QVERIFY(!granted);
        holder.unlock();
        waiter.join();
        QVERIFY(granted);
    }

    // A failed change of mode keeps the lock held before.
    void failedUpgradeKeepsTheReadLock()
    {
        QtLockedFile first(lockPath());
        QtLockedFile second(lockPath());
        QVERIFY(first.open(QIODevice::ReadWrite));
        QVERIFY(second.open(QIODevice::ReadWrite));
        QVERIFY(first.lock(QtLockedFile::ReadLock, false));
        QVERIFY(second.lock(QtLockedFile::ReadLock, false));

        QVERIFY(!first.lock(QtLockedFile::WriteLock, false));
        QCOMPARE(first.lockMode(), QtLockedFile::ReadLock);
        QtLockedFile writer(lockPath());
        QVERIFY(writer.open(QIODevice::ReadWrite));
        second.unlock();
        QVERIFY(!writer.lock(QtLockedFile::WriteLock, false));
    }

    void closingReleasesTheLock()
    {
        QtLockedFile holder(lockPath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QVERIFY(holder.lock(QtLockedFile::WriteLock, false));
        holder.close();
        QVERIFY(!holder.isLocked());

        QtLockedFile other(lockPath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        QVERIFY(other.lock(QtLockedFile::WriteLock, false));
    }

    void refusesWhatCannotBeLocked()
    {
        QtLockedFile unopened(lockPath());
        QTest::ignoreMessage(QtWarningMsg, "QtLockedFile::lock(): file is not opened");
        QVERIFY(!unopened.lock(QtLockedFile::WriteLock, false));

        QtLockedFile missing(QString::fromStdString(scratch.file("no/such/folder/lock")));
        QVERIFY(!missing.open(QIODevice::ReadWrite));
        QTest::ignoreMessage(QtWarningMsg, "QtLockedFile::lock(): file is not opened");
        QVERIFY(!missing.lock(QtLockedFile::ReadLock, true));

        // A write lock needs a file open for writing.
        { QFile create(lockPath()); QVERIFY(create.open(QIODevice::WriteOnly)); }
        QtLockedFile readOnly(lockPath());
        QVERIFY(readOnly.open(QIODevice::ReadOnly));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^QtLockedFile::lock\\(\\): fcntl: "));
        QVERIFY(!readOnly.lock(QtLockedFile::WriteLock, false));
        QVERIFY(!readOnly.isLocked());

        QtLockedFile truncating(lockPath());
        QTest::ignoreMessage(QtWarningMsg, "QtLockedFile::open(): Truncate mode not allowed.");
        QVERIFY(!truncating.open(QIODevice::ReadWrite | QIODevice::Truncate));
    }
};

QTEST_GUILESS_MAIN(QtLockedFileTest)
#include "tst_qtlockedfile.moc"
