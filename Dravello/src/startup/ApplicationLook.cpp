#include "ApplicationLook.h"

#include <QFile>

const char* const kStartStyleSheet = ":/stylesheet/qss/dravello.qss";
const char* const kAlternativeStyleSheet = ":/stylesheet/qss/dravello_alternative.qss";

// Q_INIT_RESOURCE declares its function in the enclosing scope, which must
// not be a namespace.
void registerCompiledResources()
{
#include "DravelloResources.inc"
}

QString applicationStyleSheet(const QString& sheet)
{
    QFile common(QStringLiteral(":/stylesheet/qss/dravello_common.qss"));
    QFile specific(sheet);
    if (!common.open(QIODevice::ReadOnly) || !specific.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(common.readAll() + specific.readAll());
}
