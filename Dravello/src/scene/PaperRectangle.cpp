#include "PaperRectangle.h"

#include "ApplSettings.h"

QRectF centredPaperRectangle()
{
    const QSizeF size = ApplSettings::instance()->getPaperSize();
    return QRectF(-size.width() / 2, -size.height() / 2, size.width(), size.height());
}
