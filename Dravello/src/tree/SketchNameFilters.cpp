#include "SketchNameFilters.h"

#include "ApplSettings.h"

QStringList sketchNameFilters()
{
    QString list;
    ApplSettings::instance()->getAttrValueStr(QStringLiteral("fileformats/extensions"),
                                              QStringLiteral("list"), list);
    return list.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}
