#include "PaintFormat.h"

#include "ApplSettings.h"

namespace {

const QString kDefaultPenKey = QStringLiteral("visuality_properties/default_pen");

} // namespace

PaintFormat::PaintFormat()
{
    ApplSettings* settings = ApplSettings::instance();
    QString text;
    if (settings->getAttrValueStrPreloaded(kDefaultPenKey, QStringLiteral("rgba_color"), text))
        settings->str2Color(text, m_penColor);

    bool ok = false;
    if (settings->getAttrValueStrPreloaded(kDefaultPenKey, QStringLiteral("width"), text)) {
        const int width = text.toInt(&ok, 10);
        if (ok)
            m_width = width;
    }
    if (settings->getAttrValueStrPreloaded(kDefaultPenKey, QStringLiteral("ball_point_size"), text)) {
        const double ballPoint = text.toDouble(&ok);
        if (ok)
            m_width *= ballPoint;
    }
}
