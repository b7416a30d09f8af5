#include "SceneRendering.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QTransform>

bool paintScene(QPaintDevice& device, QGraphicsScene* scene, const QRectF& source)
{
    if (!scene)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(QTransform().scale(1.0, 1.0), false);
    scene->render(&painter, QRectF(), source, Qt::KeepAspectRatio);
    return painter.end();
}
