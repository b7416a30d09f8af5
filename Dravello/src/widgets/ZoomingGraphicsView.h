#pragma once

#include "GuiSlices.h"

#include <QGraphicsView>
#include <QImage>
#include <QPointer>
#include <QTransform>

#include <memory>

class DocumentGraphicModel;
class ScenePicture;
class ZoomingScrollBar;

// The editor's graphics view: its vertical scroll bar is a ZoomingScrollBar (zoom
// mode off), shown as needed.
//
// A sketch's scene of very many strokes takes too long to paint within one
// paint of the view: the view then shows a picture of the scene that is
// painted a slice at a time (ScenePicture), the last complete one moved and
// scaled to the view's present transform until the next is done (the first
// one shows as it is painted). Any change to the scene, the transform or
// the size starts a new picture.
class ZoomingGraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    // Scenes of more strokes than this are painted in slices.
    static constexpr qsizetype kStrokesPaintedAtOnce = 20000;

    explicit ZoomingGraphicsView(QWidget* parent = nullptr);
    explicit ZoomingGraphicsView(QGraphicsScene* scene, QWidget* parent = nullptr);
    ~ZoomingGraphicsView() override;

    // The scene is painted from pictures made in slices.
    bool paintsInSlices() const;
    // No picture of the present scene, transform and size is being painted.
    bool pictureIsCurrent() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void installZoomingScrollBar();
    DocumentGraphicModel* slicedScene() const;
    void followScene(DocumentGraphicModel* scene);
    void startPicture();
    void pictureDone();
    void paintRubberBand(QPainter& painter);

    QPointer<DocumentGraphicModel> m_followed;
    QMetaObject::Connection m_sceneChanges;
    bool m_sceneChanged = true;
    std::unique_ptr<ScenePicture> m_painting;
    QSize m_paintingSize;
    QImage m_shown;
    QTransform m_shownTransform;
    GuiSlices m_slices;
};
