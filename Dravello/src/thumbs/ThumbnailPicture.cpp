#include "ThumbnailPicture.h"

#include "InkDrawing.h"
#include "ScenePicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

namespace {

QPainterPath triangle(const QPointF& a, const QPointF& b, const QPointF& c)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(QPolygonF({a, b, c, a}));
    return path;
}

// Stroke drawings a thumbnail keeps while it is drawn; the loader's readers
// draw several at once.
constexpr std::size_t kThumbnailDrawingBytes = 32u << 20;

} // namespace

QImage drawThumbnail(Pelm::Document& document, const PaintFormat& pen)
{
    const InkDrawing ink(document, pen, false, kThumbnailDrawingBytes);
    const QRectF source = ink.area();
    if (source.width() == 0 || source.height() == 0)
        return QImage();
    const double w = source.width() * kThumbnailScale;
    const double h = source.height() * kThumbnailScale;
    QImage picture(std::max(1, static_cast<int>(w)), std::max(1, static_cast<int>(h)),
                   QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QRectF target(picture.rect());
    // Clipped to the picture as a scene renders, which also gives the
    // antialiased edges the scene's very pixels.
    painter.setClipRect(target);
    painter.setWorldTransform(fittedFromTopLeft(source, target));
    ink.paint(painter);
    painter.setClipping(false);
    painter.resetTransform();
    if (ink.layerCount() > 1)
        drawMultiPageSign(painter, QRectF(0, 0, w, h));
    return picture;
}

QSize iconPictureSize(const QSize& picture, const QSize& iconSize)
{
    if (picture.width() <= iconSize.width() && picture.height() <= iconSize.height())
        return picture;
    return picture.scaled(iconSize, Qt::KeepAspectRatio);
}

QImage iconPicture(const QImage& picture, const QSize& iconSize)
{
    const QSize size = iconPictureSize(picture.size(), iconSize);
    if (size == picture.size())
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
