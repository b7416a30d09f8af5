#include "QtLockedFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace {

// Open-file-description locks where the system has them: unlike classic
// POSIX record locks they conflict between two open files of one process and
// survive the closing of an unrelated descriptor of the same file.
#ifdef F_OFD_SETLK
constexpr int kLockNow = F_OFD_SETLK;
constexpr int kLockWait = F_OFD_SETLKW;
#else
constexpr int kLockNow = F_SETLK;
constexpr int kLockWait = F_SETLKW;
#endif

bool isConflict(int error) { return error == EAGAIN || error == EACCES; }

} // namespace

QtLockedFile::QtLockedFile(const QString& name) : QFile(name) {}

QtLockedFile::~QtLockedFile()
{
    if (isOpen())
        unlock();
}

bool QtLockedFile::open(OpenMode mode)
{
    if (mode & QIODevice::Truncate) {
        qWarning("QtLockedFile::open(): Truncate mode not allowed.");
        return false;
    }
    return QFile::open(mode);
}

void QtLockedFile::close()
{
    m_lockMode = NoLock;
    QFile::close();
}

bool QtLockedFile::lock(LockMode mode, bool block)
{
    if (!isOpen()) {
        qWarning("QtLockedFile::lock(): file is not opened");
        return false;
    }
    if (mode == NoLock)
        return unlock();
    if (mode == m_lockMode)
        return true;
    if (!applyLock(mode == ReadLock ? F_RDLCK : F_WRLCK, block))
        return false;
    m_lockMode = mode;
    return true;
}

bool QtLockedFile::unlock()
{
    if (!isOpen()) {
        qWarning("QtLockedFile::unlock(): file is not opened");
        return false;
    }
    if (!isLocked())
        return true;
    if (!applyLock(F_UNLCK, false))
        return false;
    m_lockMode = NoLock;
    return true;
}

// Sets the lock type on the whole file; a held lock is replaced in one step.
bool QtLockedFile::applyLock(short type, bool block)
{
    struct flock region;
    std::memset(&region, 0, sizeof region);
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = 0;
    region.l_len = 0; // to the end of the file, however far it grows

    int result;
    do
        result = ::fcntl(handle(), block ? kLockWait : kLockNow, &region);
    while (result == -1 && errno == EINTR);

    if (result == -1) {
        if (!isConflict(errno))
            qWarning("QtLockedFile::lock(): fcntl: %s", std::strerror(errno));
        return false;
    }
    return true;
}
