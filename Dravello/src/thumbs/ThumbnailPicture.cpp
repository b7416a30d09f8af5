#include "ThumbnailPicture.h"

#include "DocumentGraphicModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>

namespace {

QPainterPath triangle(const QPointF& a, const QPointF& b, const QPointF& c)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(QPolygonF({a, b, c, a}));
    return path;
}

} // namespace

QPixmap renderThumbnail(DocumentGraphicModel& scene)
{
    const QRectF source = scene.sceneRect();
    if (source.width() == 0 || source.height() == 0)
        return QPixmap();
    const double w = source.width() * kThumbnailScale;
    const double h = source.height() * kThumbnailScale;
    QPixmap picture(std::max(1, static_cast<int>(w)), std::max(1, static_cast<int>(h)));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    scene.render(&painter, QRectF(picture.rect()), source, Qt::KeepAspectRatio);
    if (scene.layerGroups().size() > 1)
        drawMultiPageSign(painter, QRectF(0, 0, w, h));
    return picture;
}

void drawMultiPageSign(QPainter& painter, const QRectF& rect)
{
    const double w = rect.width();
    const double h = rect.height();
    const QPointF bottom(w - 50, h);
    const QPointF corner(w, h);
    const QPointF side(w, h - 50);
    const QPointF fold(w - 37, h - 57);

    const QColor shade(227, 227, 227, 255);
    painter.setPen(QPen(shade));
    painter.setBrush(QBrush(shade, Qt::SolidPattern));
    painter.drawPath(triangle(bottom, corner, side));

    painter.setPen(QPen(QBrush(QColor(180, 180, 180, 250), Qt::SolidPattern), 5, Qt::SolidLine,
                        Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(bottom, corner);
    painter.drawLine(corner, side);
    painter.drawLine(side, bottom);
    painter.drawLine(side, fold);
    painter.drawLine(fold, bottom);

    painter.setBrush(QBrush(QColor(250, 250, 250, 250), Qt::SolidPattern));
    painter.drawPath(triangle(side, fold, bottom));
}
