#include "SketchMover.h"

#include "FileCopy.h"
#include "FilePrompts.h"
#include "LoaderThread.h"
#include "SketchNameFilters.h"
#include "UserPrompt.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

QString backupFolderPath(const QString& destination, const QDateTime& when)
{
    return QDir::toNativeSeparators(destination + QStringLiteral("/sketch_backup_")
                                    + when.toString(QStringLiteral("ddMMyyyyhhmmsszzz")));
}

QStringList moveFilesInto(const QStringList& files, const QString& folder)
{
    const QDir target(folder);
    QStringList failed;
    for (const QString& file : files) {
        if (!copyFileChecked(file, target.absoluteFilePath(QFileInfo(file).fileName())))
            failed << file;
        else
            QFile::remove(file);
    }
    return failed;
}

bool moveSketchesOffReceiver(QWidget* parent, const QDir& receiverFolder,
                             const QString& destination, const QDateTime& now)
{
    if (destination.isEmpty() || isSameFile(destination, receiverFolder.absolutePath()))
        return false;
    const QString backup = backupFolderPath(destination, now);
    const QString question =
        QCoreApplication::translate("MainWindow", "Are you sure you want to move your sketches to \n%1 folder?")
            .arg(backup);
    if (!userConfirms(parent, question))
        return false;
    if (!QDir(destination).mkdir(backup)) {
        warnUser(parent,
                 QCoreApplication::translate("SketchMover", "Failed to create folder %1").arg(backup));
        return false;
    }
    const QStringList files = getDirContent(receiverFolder.absolutePath(),
                                            QDir::Files | QDir::Readable, sketchNameFilters());
    const QStringList failed = moveFilesInto(files, backup);
    if (!failed.isEmpty())
        warnCopyFailed(parent, failed);
    return true;
}
