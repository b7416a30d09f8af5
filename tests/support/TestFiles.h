#ifndef DRAVELLO_TESTS_TESTFILES_H
#define DRAVELLO_TESTS_TESTFILES_H

// Small files and folders written and read back by the tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <stdexcept>

namespace testsupport {

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

// The file's bytes; "<missing>" when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline QString makeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create a test folder");
    return path;
}

} // namespace testsupport

#endif
