#include "ZoomingGraphicsView.h"

#include "DocumentGraphicModel.h"
#include "ScenePicture.h"
#include "ZoomingScrollBar.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRubberBand>
#include <QStyleOptionRubberBand>

ZoomingGraphicsView::ZoomingGraphicsView(QWidget* parent)
    : QGraphicsView(parent)
{
    installZoomingScrollBar();
    connect(&m_slices, &GuiSlices::finished, this, &ZoomingGraphicsView::pictureDone);
}

ZoomingGraphicsView::ZoomingGraphicsView(QGraphicsScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent)
{
    installZoomingScrollBar();
    connect(&m_slices, &GuiSlices::finished, this, &ZoomingGraphicsView::pictureDone);
}

ZoomingGraphicsView::~ZoomingGraphicsView() = default;

void ZoomingGraphicsView::installZoomingScrollBar()
{
    setVerticalScrollBar(new ZoomingScrollBar(Qt::Vertical, this));
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

DocumentGraphicModel* ZoomingGraphicsView::slicedScene() const
{
    auto* model = qobject_cast<DocumentGraphicModel*>(scene());
    return model && model->strokeCount() > kStrokesPaintedAtOnce ? model : nullptr;
}

bool ZoomingGraphicsView::paintsInSlices() const { return slicedScene() != nullptr; }

bool ZoomingGraphicsView::pictureIsCurrent() const
{
    return !m_slices.isRunning() && !m_sceneChanged && !m_shown.isNull()
        && m_shownTransform == viewportTransform() && m_paintingSize == viewport()->size();
}

void ZoomingGraphicsView::followScene(DocumentGraphicModel* model)
{
    if (m_followed == model)
        return;
    disconnect(m_sceneChanges);
    m_slices.stop();
    m_painting.reset();
    m_shown = QImage();
    m_followed = model;
    m_sceneChanged = true;
    if (model)
        m_sceneChanges = connect(model, &QGraphicsScene::changed, this, [this] {
            m_sceneChanged = true;
            viewport()->update();
        });
}

void ZoomingGraphicsView::paintEvent(QPaintEvent* event)
{
    DocumentGraphicModel* model = slicedScene();
    followScene(model);
    if (!model) {
        QGraphicsView::paintEvent(event);
        return;
    }
    const QTransform now = viewportTransform();
    const bool painting = m_slices.isRunning();
    const QTransform target = painting ? m_painting->sceneToPicture() : m_shownTransform;
    if (m_sceneChanged || target != now || m_paintingSize != viewport()->size()
        || (!painting && m_shown.isNull()))
        startPicture();

    QPainter painter(viewport());
    painter.setWorldTransform(now);
    drawBackground(&painter, now.inverted().mapRect(QRectF(event->rect())));
    const bool showPainting = m_shown.isNull() && m_painting;
    const QImage& picture = showPainting ? m_painting->picture() : m_shown;
    const QTransform& drawnAt = showPainting ? m_painting->sceneToPicture() : m_shownTransform;
    painter.setWorldTransform(drawnAt.inverted() * now);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QPointF(0, 0), picture);
    painter.resetTransform();
    paintRubberBand(painter);
}

void ZoomingGraphicsView::startPicture()
{
    m_sceneChanged = false;
    m_paintingSize = viewport()->size();
    m_painting = std::make_unique<ScenePicture>(*m_followed, m_paintingSize, viewportTransform(),
                                                ScenePicture::kEveryLayer,
                                                viewport()->devicePixelRatioF());
    m_slices.start([this](const QDeadlineTimer& deadline) {
        if (!m_painting || m_painting->paintUntil(deadline))
            return true;
        // With no earlier picture to show, the scene appears as it is painted.
        if (m_shown.isNull())
            viewport()->update();
        return false;
    });
}

void ZoomingGraphicsView::pictureDone()
{
    if (m_painting) {
        m_shown = m_painting->picture();
        m_shownTransform = m_painting->sceneToPicture();
        m_painting.reset();
    }
    viewport()->update();
}

void ZoomingGraphicsView::paintRubberBand(QPainter& painter)
{
    const QRect band = rubberBandRect();
    if (band.isEmpty())
        return;
    QStyleOptionRubberBand option;
    option.initFrom(viewport());
    option.rect = band;
    option.shape = QRubberBand::Rectangle;
    style()->drawControl(QStyle::CE_RubberBand, &option, &painter, viewport());
}
