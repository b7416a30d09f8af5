#include "ScenePicture.h"

#include "BackgroundLayerPath.h"
#include "DocumentGraphicModel.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"

#include <QPainter>

#include <algorithm>

namespace {

// Strokes visited between two looks at the clock.
constexpr qsizetype kStrokesPerClockLook = 32;

// Hands the strokes of the scene's layers, from stroke `stroke` of layer
// `layer` on, to visit, passing over the layers that `walks` refuses, until
// the deadline; true when the last was visited. The layers and their strokes
// are looked up anew at each call.
template <typename Walks, typename Visit>
bool walkStrokesUntil(const DocumentGraphicModel& scene, int& layer, qsizetype& stroke,
                      const QDeadlineTimer& deadline, Walks walks, Visit visit)
{
    qsizetype sinceClockLook = 0;
    for (; layer < scene.layerGroups().size(); ++layer, stroke = 0) {
        if (!walks(layer))
            continue;
        const QList<QGraphicsItem*> strokes = scene.layerGroups().at(layer)->strokes();
        for (; stroke < strokes.size(); ++stroke) {
            if (++sinceClockLook == kStrokesPerClockLook) {
                sinceClockLook = 0;
                if (deadline.hasExpired())
                    return false;
            }
            visit(strokes.at(stroke));
        }
    }
    return true;
}

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
    return walkStrokesUntil(
        *m_scene, m_layer, m_stroke, deadline, [](int) { return true; },
        [this](const QGraphicsItem* stroke) { m_bounds |= stroke->sceneBoundingRect(); });
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
    return walkStrokesUntil(
        *m_scene, m_layer, m_stroke, deadline, [this](int layer) { return paints(layer); },
        [&](const QGraphicsItem* item) {
            const auto* stroke = qgraphicsitem_cast<const GraphicsInkPathItem*>(item);
            if (!stroke || !stroke->isVisible())
                return;
            const QTransform toPicture = stroke->sceneTransform() * m_transform;
            if (!toPicture.mapRect(stroke->boundingRect()).intersects(bounds))
                return;
            painter.setWorldTransform(toPicture);
            stroke->paintInk(&painter);
        });
}
