#include "ScenePicture.h"

#include "BackgroundLayerPath.h"
#include "DocumentGraphicModel.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"

#include <QPainter>

#include <algorithm>

namespace {

// Strokes painted between two looks at the clock.
constexpr qsizetype kStrokesPerClockLook = 32;

} // namespace

QTransform fittedFromTopLeft(const QRectF& source, const QRectF& target)
{
    const double scale =
        std::min(target.width() / source.width(), target.height() / source.height());
    return QTransform()
        .translate(target.left(), target.top())
        .scale(scale, scale)
        .translate(-source.left(), -source.top());
}

SceneBounds::SceneBounds(DocumentGraphicModel& scene) : m_scene(&scene) {}

bool SceneBounds::findUntil(const QDeadlineTimer& deadline)
{
    if (!m_scene)
        return true;
    if (m_layer < 0) {
        if (const BackgroundLayerPath* paper = m_scene->paper())
            m_bounds |= paper->sceneBoundingRect();
        m_layer = 0;
    }
    qsizetype sinceClockLook = 0;
    for (; m_layer < m_scene->layerGroups().size(); ++m_layer, m_stroke = 0) {
        const QList<QGraphicsItem*> strokes = m_scene->layerGroups().at(m_layer)->childItems();
        for (; m_stroke < strokes.size(); ++m_stroke) {
            if (++sinceClockLook == kStrokesPerClockLook) {
                sinceClockLook = 0;
                if (deadline.hasExpired())
                    return false;
            }
            m_bounds |= strokes.at(m_stroke)->sceneBoundingRect();
        }
    }
    return true;
}

ScenePicture::ScenePicture(DocumentGraphicModel& scene, const QSize& size,
                           const QTransform& sceneToPicture, int onlyLayer, qreal pixelRatio)
    : m_scene(&scene),
      m_picture(size * pixelRatio, QImage::Format_ARGB32_Premultiplied),
      m_transform(sceneToPicture),
      m_onlyLayer(onlyLayer)
{
    m_picture.setDevicePixelRatio(pixelRatio);
    m_picture.fill(Qt::transparent);
}

bool ScenePicture::paints(int layer) const
{
    if (m_onlyLayer != kEveryLayer)
        return layer == m_onlyLayer;
    const GraphicsItemsGroup* group = m_scene->layerGroups().at(layer);
    return group->isVisible() && group->isPainted();
}

bool ScenePicture::paintUntil(const QDeadlineTimer& deadline)
{
    if (!m_scene || m_picture.isNull())
        return true;
    QPainter painter(&m_picture);
    if (!m_paperPainted) {
        m_paperPainted = true;
        if (BackgroundLayerPath* paper = m_scene->paper()) {
            painter.setWorldTransform(paper->sceneTransform() * m_transform);
            paper->paint(&painter, nullptr, nullptr);
        }
    }
    const QRectF bounds(QPointF(0, 0), m_picture.deviceIndependentSize());
    qsizetype sinceClockLook = 0;
    for (; m_layer < m_scene->layerGroups().size(); ++m_layer, m_stroke = 0) {
        if (!paints(m_layer))
            continue;
        const QList<QGraphicsItem*> strokes = m_scene->layerGroups().at(m_layer)->childItems();
        for (; m_stroke < strokes.size(); ++m_stroke) {
            if (++sinceClockLook == kStrokesPerClockLook) {
                sinceClockLook = 0;
                if (deadline.hasExpired())
                    return false;
            }
            const auto* stroke = qgraphicsitem_cast<const GraphicsInkPathItem*>(strokes.at(m_stroke));
            if (!stroke || !stroke->isVisible())
                continue;
            const QTransform toPicture = stroke->sceneTransform() * m_transform;
            if (!toPicture.mapRect(stroke->boundingRect()).intersects(bounds))
                continue;
            painter.setWorldTransform(toPicture);
            stroke->paintInk(&painter);
        }
    }
    return true;
}
