#include "SketchFileActions.h"

#include "AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

std::filesystem::path fileSystemPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The whole file, or false when it cannot be read to its end.
bool readWhole(const QString& path, QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    content = file.readAll();
    return file.error() == QFile::NoError && content.size() == file.size();
}

} // namespace

bool sameFile(const QString& first, const QString& second)
{
    if (first.compare(second, Qt::CaseInsensitive) == 0)
        return true;
    std::error_code error;
    return std::filesystem::equivalent(fileSystemPath(first), fileSystemPath(second), error)
        && !error;
}

bool copyFileReplacing(const QString& source, const QString& destination)
{
    if (sameFile(source, destination))
        return false;
    QByteArray content;
    if (!readWhole(source, content))
        return false;
    return Platform::writeFileAtomically(QFile::encodeName(destination).toStdString(),
                                         content.toStdString());
}

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString renamedPath(const QString& path, const QString& baseName)
{
    if (!isPlainFileName(baseName))
        return QString();
    const QFileInfo file(path);
    return QDir::toNativeSeparators(file.absolutePath() + QLatin1Char('/') + baseName
                                    + QLatin1Char('.') + file.completeSuffix());
}

bool renameFile(const QString& from, const QString& to)
{
    // exists() follows links; a dangling link still takes the name.
    const QFileInfo target(to);
    if (target.exists() || target.isSymLink())
        return false;
    return QFile::rename(from, to);
}

QString mergedSketchPath(const QString& first, const QString& second)
{
    const QFileInfo firstFile(first);
    return firstFile.absolutePath() + QLatin1Char('/') + firstFile.baseName() + QLatin1Char('_')
        + QFileInfo(second).baseName() + QStringLiteral(".hlv");
}
