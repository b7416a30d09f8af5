#ifndef DRAVELLO_SCENE_SCENEASSEMBLY_H
#define DRAVELLO_SCENE_SCENEASSEMBLY_H

#include "InkDrawing.h"

#include <QDeadlineTimer>
#include <QRectF>

#include <memory>

class DocumentGraphicModel;
class GraphicsItemsGroup;

// The scene of a sketch built a slice at a time from drawings of its strokes
// made beforehand (on any thread), so that making the items of a sketch of
// very many strokes does not hold the GUI thread: pressure outlines on the
// paper, or polylines, as the drawing was made. GUI thread.
class SceneAssembly {
public:
    SceneAssembly(InkDrawing drawing, const QRectF& paper);
    // A scene left unfinished goes in slices (disposeSceneInSlices).
    ~SceneAssembly();
    SceneAssembly(const SceneAssembly&) = delete;
    SceneAssembly& operator=(const SceneAssembly&) = delete;

    // Builds on until the deadline; true when the scene is complete.
    bool buildUntil(const QDeadlineTimer& deadline);
    // The complete scene, which the caller owns from then on.
    DocumentGraphicModel* takeScene();

private:
    bool sortStrokesUntil(const QDeadlineTimer& deadline);

    InkDrawing m_drawing;
    std::unique_ptr<DocumentGraphicModel> m_scene;
    GraphicsItemsGroup* m_group = nullptr;
    unsigned long m_layer = 0;
    std::size_t m_next = 0;
    qsizetype m_sortedLayers = 0;
    bool m_complete = false;
};

// Deletes the scene a slice at a time: its stroke items, the last of each
// layer first, and then the scene itself. Scenes still waiting when the
// application object goes are deleted at once. GUI thread.
void disposeSceneInSlices(DocumentGraphicModel* scene);

#endif
