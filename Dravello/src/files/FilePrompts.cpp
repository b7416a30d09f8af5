#include "FilePrompts.h"

#include "UserPrompt.h"

#include <QCoreApplication>
#include <QDir>

bool userConfirmsOverwrite(QWidget* parent, const QString& file)
{
    // One text, so that a translation can place the name.
    return userConfirms(parent, QCoreApplication::translate(
                                    "FilePrompts", "Are you sure you want to overwrite file   %1?")
                                    .arg(file));
}

void warnCopyFailed(QWidget* parent, const QStringList& sources)
{
    QStringList lines;
    for (const QString& source : sources)
        lines << QCoreApplication::translate("FilePrompts", "Failed to copy file %1")
                     .arg(QDir::toNativeSeparators(source));
    warnUser(parent, lines.join(QLatin1Char('\n')));
}
