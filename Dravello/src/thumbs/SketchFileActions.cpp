#include "SketchFileActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
