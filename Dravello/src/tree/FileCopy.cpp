#include "FileCopy.h"

#include "TreePrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    QFile in(source);
    QSaveFile out(destination);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    // An uncommitted QSaveFile drops its temporary file.
    return copyBytes(in, out) && out.commit() && sameContents(source, destination);
}

bool isSameFile(const QString& first, const QString& second)
{
    if (first == second)
        return true;
    std::error_code error;
    const bool same = std::filesystem::equivalent(QFile::encodeName(first).constData(),
                                                  QFile::encodeName(second).constData(), error);
    return !error && same;
}

void warnCopyFailed(QWidget* parent, const QStringList& sources)
{
    QStringList lines;
    for (const QString& source : sources)
        lines << QCoreApplication::translate("FileCopy", "Failed to copy file ")
                     + QDir::toNativeSeparators(source);
    warnUser(parent, lines.join(QLatin1Char('\n')));
}
