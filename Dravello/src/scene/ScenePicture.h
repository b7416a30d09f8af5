#ifndef DRAVELLO_SCENE_SCENEPICTURE_H
#define DRAVELLO_SCENE_SCENEPICTURE_H

#include <QDeadlineTimer>
#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QTransform>

class DocumentGraphicModel;

// The source scaled to fit into the target keeping its aspect ratio, placed
// at the target's top-left corner, as a scene renders a rectangle of itself.
QTransform fittedFromTopLeft(const QRectF& source, const QRectF& target);

// The area a sketch's scene's items take (its paper, layers and strokes:
// QGraphicsScene::itemsBoundingRect), found a slice of strokes at a time.
// GUI thread.
class SceneBounds {
public:
    explicit SceneBounds(DocumentGraphicModel& scene);

    // Goes on until the deadline; true when all the scene's items are in.
    bool findUntil(const QDeadlineTimer& deadline);
    const QRectF& bounds() const { return m_bounds; }

private:
    QPointer<DocumentGraphicModel> m_scene;
    QRectF m_bounds;
    int m_layer = -1;
    qsizetype m_stroke = 0;
};

// A sketch's scene painted into a transparent picture as a view shows it:
// the paper, then the strokes of every painted layer in stacking order; or
// the paper and one layer's strokes alone, painted or not (a layer's icon).
// Painting goes a slice of strokes at a time, so that a scene of very many
// strokes can be painted over several turns of the event loop. The scene
// may change between the slices, as each slice looks its layers and
// strokes up again; a scene that is destroyed ends the painting. GUI thread.
class ScenePicture {
public:
    static constexpr int kEveryLayer = -1;

    // sceneToPicture maps scene coordinates onto the picture, whose size is
    // given in device-independent pixels (its pixels are pixelRatio times
    // as many each way).
    ScenePicture(DocumentGraphicModel& scene, const QSize& size, const QTransform& sceneToPicture,
                 int onlyLayer = kEveryLayer, qreal pixelRatio = 1.0);

    // Paints on until the deadline; true when the whole scene is painted.
    bool paintUntil(const QDeadlineTimer& deadline);

    const QImage& picture() const { return m_picture; }
    const QTransform& sceneToPicture() const { return m_transform; }

private:
    bool paints(int layer) const;

    QPointer<DocumentGraphicModel> m_scene;
    QImage m_picture;
    QTransform m_transform;
    int m_onlyLayer;
    bool m_paperPainted = false;
    int m_layer = 0;
    qsizetype m_stroke = 0;
};

#endif
