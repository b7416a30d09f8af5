#ifndef DRAVELLO_TESTS_SETTINGSFIXTURES_H
#define DRAVELLO_TESTS_SETTINGSFIXTURES_H

// Files for the settings tests: fixtures from tests/data/settings and
// scratch files written by the tests.

#include "ScratchDir.h"

#include <QByteArray>
#include <QFile>
#include <QString>

inline QString fixturePath(const QString& name)
{
    return QStringLiteral(DRAVELLO_TEST_DATA "/settings/") + name;
}

inline QString scratchPath(const testsupport::ScratchDir& dir, const char* name)
{
    return QString::fromStdString(dir.file(name));
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Copies a fixture into the scratch folder (readers may replace the copy).
inline QString copyFixture(const testsupport::ScratchDir& dir, const char* name)
{
    const QString target = scratchPath(dir, name);
    writeBytes(target, readBytes(fixturePath(QString::fromLatin1(name))));
    return target;
}

#endif
