#ifndef DRAVELLO_SHELL_QTLOCKEDFILE_H
#define DRAVELLO_SHELL_QTLOCKEDFILE_H

// A file with an advisory lock on its whole content: shared (ReadLock) or
// exclusive (WriteLock), taken waiting or not. The lock belongs to this open
// file: another QtLockedFile on the same path conflicts with it, in this
// process as in any other, and it is released by unlock(), close(), the
// destructor or the end of the process.

#include <QFile>

class QtLockedFile : public QFile {
public:
    enum LockMode { NoLock = 0, ReadLock, WriteLock };

    QtLockedFile() = default;
    explicit QtLockedFile(const QString& name);
    ~QtLockedFile() override;

    // As QFile::open, but refuses Truncate: emptying the file before holding
    // the lock would destroy what the current holder keeps there.
    bool open(OpenMode mode) override;
    void close() override;

    // Takes or changes the lock. With block set it waits until the lock is
    // free; otherwise it fails at once when another holder conflicts. A
    // change of mode that fails keeps the lock held before. ReadLock needs the
    // file open for reading, WriteLock for writing.
    bool lock(LockMode mode, bool block = true);
    bool unlock();

    bool isLocked() const { return m_lockMode != NoLock; }
    LockMode lockMode() const { return m_lockMode; }

private:
    bool applyLock(short type, bool block);

    LockMode m_lockMode = NoLock;
};

#endif
