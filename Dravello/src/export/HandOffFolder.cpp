#include "HandOffFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Names tried after the plain stamp before giving up.
constexpr int kMaxNumberedNames = 1000;

} // namespace

QString makeHandOffFolder(const QDateTime& now)
{
    const QString temporary = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (temporary.isEmpty() || !QDir().mkpath(temporary))
        return QString();
    const QString stamped = temporary + "/" + now.toString(QStringLiteral("ddMMyyyyhhmmsszzz"));
    for (int number = 0; number <= kMaxNumberedNames; ++number) {
        const QString candidate =
            number == 0 ? stamped : stamped + "-" + QString::number(number);
        if (QDir().mkdir(candidate))
            return QDir::toNativeSeparators(candidate);
        if (!QFileInfo::exists(candidate))
            return QString();
    }
    return QString();
}
