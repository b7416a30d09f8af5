#include "FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace {

constexpr qint64 kChunkSize = 64 * 1024;

bool copyBytes(QFile& in, QSaveFile& out)
{
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunkSize);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            return false;
    }
    return in.error() == QFileDevice::NoError;
}

bool sameContents(const QString& first, const QString& second)
{
    QFile a(first);
    QFile b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    while (!a.atEnd()) {
        const QByteArray chunk = a.read(kChunkSize);
        if (chunk.isEmpty() || b.read(chunk.size()) != chunk)
            return false;
    }
    return b.atEnd();
}

} // namespace

bool copyFileChecked(const QString& source, const QString& destination)
{
    if (isSameFile(source, destination))
        return false;
    QFile in(source);
    QSaveFile out(destination);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    // An uncommitted QSaveFile drops its temporary file.
    return copyBytes(in, out) && out.commit() && sameContents(source, destination);
}

bool isSameFile(const QString& first, const QString& second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    if (!a.exists() || !b.exists())
        return QDir::cleanPath(a.absoluteFilePath()) == QDir::cleanPath(b.absoluteFilePath());
    // Device and inode, after following links.
    std::error_code error;
    const bool same = std::filesystem::equivalent(QFile::encodeName(first).constData(),
                                                  QFile::encodeName(second).constData(), error);
    return !error && same;
}
