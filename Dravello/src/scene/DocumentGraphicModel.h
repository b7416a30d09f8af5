#ifndef DRAVELLO_SCENE_DOCUMENTGRAPHICMODEL_H
#define DRAVELLO_SCENE_DOCUMENTGRAPHICMODEL_H

#include "PaintFormat.h"
#include "StrokeDrawing.h"

#include <QGraphicsScene>
#include <QList>
#include <QPointF>
#include <QRectF>

#include <functional>

class BackgroundLayerPath;
class GraphicsInkPathItem;
class GraphicsItemsGroup;
class LayerGroupContainer;

namespace Pelm {
class Document;
}

// The scene of one sketch: one GraphicsItemsGroup per layer (index = layer
// index), one stroke item per stroke, and optionally a white sheet of paper
// below them. Ink coordinates are scene coordinates. The document a scene
// is built from is only read (it is non-const for the ink model's element
// access).
//
// Scenes are made, used and destroyed on the GUI thread only; making one
// elsewhere stops the program.
class DocumentGraphicModel : public QGraphicsScene {
    Q_OBJECT

public:
    // Pressure outlines on the given paper.
    DocumentGraphicModel(Pelm::Document& document, const PaintFormat& format,
                         const QRectF& paper);
    // Thin polylines on the centred paper of the settings' paper size.
    DocumentGraphicModel(Pelm::Document& document, const PaintFormat& format);
    // An empty scene of that kind (pressure outlines on the paper given, or
    // polylines on the settings' paper), which appendLayerGroup() and
    // appendStroke() fill and finishBuilding() completes.
    DocumentGraphicModel(const PaintFormat& format, bool outline, const QRectF& paper);
    ~DocumentGraphicModel() override;

    // A new empty layer after the last.
    GraphicsItemsGroup* appendLayerGroup();
    // The stroke drawn as `shape` (made with this scene's pen and kind)
    // becomes the last of the group.
    void appendStroke(GraphicsItemsGroup* group, StrokeShape shape);
    // The scene rectangle becomes the strokes' area; the new items are
    // polished.
    void finishBuilding(const QRectF& area);

    // Puts a detached layer back as group `index` (0..count); its stroke
    // items lose their own transformations and take the scene's rotation.
    bool InsertLayer(int index, const LayerGroupContainer& container);
    // Takes group `index` out: its items (transformations reset) go into the
    // container, which already held ones are not added to again.
    bool RemoveLayer(int index, LayerGroupContainer& container);
    // Fills the container as RemoveLayer does, leaving the scene alone.
    bool getLayerContainer(int index, LayerGroupContainer& container) const;

    // Paints the layer in the pen's colour and width.
    bool ShowLayer(int index, const PaintFormat& format);
    bool setLayerPaintMode(int index, bool painted);
    // True when there is a layer.
    bool showAllLayers();
    bool hideAllLayers();

    // Adds to the shift of the scene and of every stroke.
    void setPaintShift(float dx, float dy);
    // Adds a step in degrees to the rotation of the scene and of every stroke.
    void setPaintRotation(int step);
    void resetTransformations();
    // Every stroke claims the paper rectangle as its area.
    void updateStrokesRect();

    // show: adds the paper (once) below the lowest layer and makes the scene
    // rectangle the paper's. Otherwise removes it; with reset also the
    // transformations.
    void showBackground(bool show, bool reset);
    bool hasBackground() const { return m_paper != nullptr; }

    const QList<GraphicsItemsGroup*>& layerGroups() const { return m_layerGroups; }
    // The stroke items of every layer.
    qsizetype strokeCount() const;
    // The white sheet below the layers, when shown.
    BackgroundLayerPath* paper() const { return m_paper; }
    bool isOutline() const { return m_outline; }
    // Centred on the origin, in tenths of a millimetre.
    QRectF paperRectangle() const { return m_paperRect; }
    QPointF paintShift() const { return m_shift; }
    int paintRotation() const { return m_rotation; }

    // Replaces the layer groups with new ones built from the document.
    void initialize(Pelm::Document& document);

private:
    void removeLayerGroups();
    void polishNewItems();
    bool isLayerIndex(int index) const { return index >= 0 && index < m_layerGroups.size(); }
    GraphicsItemsGroup* newGroup(int layerNumber) const;
    double zValueForInsertedGroup(int index) const;
    void forEachStroke(const std::function<void(GraphicsInkPathItem&)>& visit) const;

    QList<GraphicsItemsGroup*> m_layerGroups;
    BackgroundLayerPath* m_paper = nullptr;
    PaintFormat m_format;
    bool m_outline;
    QRectF m_paperRect;
    QPointF m_shift;
    int m_rotation = 0;
};

#endif
