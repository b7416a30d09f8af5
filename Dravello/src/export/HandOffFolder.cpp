#include "HandOffFolder.h"

#include "FixedPaths.h"
#include "PrivateFolder.h"

#include <QDir>
#include <QFile>

QString makeHandOffFolder(const QDateTime& now, HandOffLifetime lifetime)
{
    const std::string parent = lifetime == HandOffLifetime::WhileTheProgramRuns ? Platform::handOffFilesFolder()
                                                                                 : Platform::temporaryFolder();
    if (parent.empty())
        return QString();
    const QByteArray stamp = now.toString(QStringLiteral("ddMMyyyyhhmmsszzz")).toLatin1() + '-';
    const std::string folder = Platform::makePrivateFolder(parent, stamp.toStdString());
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(folder)));
}
