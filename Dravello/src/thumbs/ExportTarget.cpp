#include "ExportTarget.h"

#include <utility>

ExportTarget exportTargetOf(const QString& applicationName)
{
    static const std::pair<const char*, ExportTarget> kTargets[] = {
        {"photoshop", ExportTarget::Photoshop},
        {"illustrator", ExportTarget::Illustrator},
        {"pro", ExportTarget::SketchBookPro},
        {"designer", ExportTarget::SketchBookDesigner},
    };
    for (const auto& [word, target] : kTargets)
        if (applicationName.contains(QLatin1String(word), Qt::CaseInsensitive))
            return target;
    return ExportTarget::None;
}
