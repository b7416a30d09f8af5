#include "DocumentGraphicModel.h"

#include "BackgroundLayerPath.h"
#include "Document.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"
#include "InkDrawing.h"
#include "LayerGroupContainer.h"
#include "PaperRectangle.h"
#include "UserPrompt.h"

#include <QCoreApplication>
#include <utility>
#include <QThread>

namespace {

// Layer i of a freshly built scene lies at 1 + 100 i.
constexpr double kFirstLayerZ = 1.0;
constexpr double kLayerZStep = 100.0;
// The paper sheet reaches this far beyond the paper on every side.
constexpr double kSheetMargin = 0.05;

// Runs before the QGraphicsScene base is built: Qt's graphics-view globals
// are unguarded, so a scene anywhere but on the GUI thread corrupts memory.
QObject* parentOnGuiThread()
{
    if (!onGuiThread())
        qFatal("DocumentGraphicModel: a scene must be made on the GUI thread");
    return nullptr;
}

QRectF grownSheet(const QRectF& paper)
{
    return QRectF(paper.x() - kSheetMargin * paper.width(), paper.y() - kSheetMargin * paper.height(),
                  (1.0 + 2 * kSheetMargin) * paper.width(),
                  (1.0 + 2 * kSheetMargin) * paper.height());
}

} // namespace

DocumentGraphicModel::DocumentGraphicModel(Pelm::Document& document, const PaintFormat& format,
                                           const QRectF& paper)
    : DocumentGraphicModel(format, true, paper)
{
    initialize(document);
}

DocumentGraphicModel::DocumentGraphicModel(Pelm::Document& document, const PaintFormat& format)
    : DocumentGraphicModel(format, false, centredPaperRectangle())
{
    initialize(document);
}

DocumentGraphicModel::DocumentGraphicModel(const PaintFormat& format, bool outline, const QRectF& paper)
    : QGraphicsScene(parentOnGuiThread()), m_format(format), m_outline(outline), m_paperRect(paper)
{
    setItemIndexMethod(NoIndex);
}

DocumentGraphicModel::~DocumentGraphicModel()
{
    if (QCoreApplication::instance() && !onGuiThread())
        qFatal("DocumentGraphicModel: a scene must be destroyed on the GUI thread");
}

void DocumentGraphicModel::initialize(Pelm::Document& document)
{
    removeLayerGroups();
    setItemIndexMethod(NoIndex);
    InkDrawing drawing(document, m_format, m_outline);
    std::vector<StrokeShape>& strokes = drawing.strokes();
    std::size_t next = 0;
    for (unsigned long i = 0; i < drawing.layerCount(); ++i) {
        GraphicsItemsGroup* group = appendLayerGroup();
        for (; next < drawing.layerEnd(i); ++next)
            appendStroke(group, std::move(strokes[next]));
    }
    finishBuilding(drawing.area());
}

GraphicsItemsGroup* DocumentGraphicModel::appendLayerGroup()
{
    GraphicsItemsGroup* group = newGroup(static_cast<int>(m_layerGroups.size()));
    group->setZValue(kFirstLayerZ + kLayerZStep * static_cast<double>(m_layerGroups.size()));
    addItem(group);
    m_layerGroups.append(group);
    return group;
}

void DocumentGraphicModel::appendStroke(GraphicsItemsGroup* group, StrokeShape shape)
{
    auto* item = new GraphicsInkPathItem(std::move(shape), m_format, group);
    item->setZValue(group->zValue());
}

void DocumentGraphicModel::finishBuilding(const QRectF& area)
{
    setSceneRect(area);
    polishNewItems();
}

qsizetype DocumentGraphicModel::strokeCount() const
{
    qsizetype count = 0;
    for (const GraphicsItemsGroup* group : m_layerGroups)
        count += group->strokeCount();
    return count;
}

// The scene keeps every item added since the last turn of the event loop in
// a list of items to polish, and looks an item up there when it leaves the
// scene: a scene of many strokes torn down before that turn took time
// growing with the square of its strokes. Polishing at once empties the list.
void DocumentGraphicModel::polishNewItems()
{
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void DocumentGraphicModel::removeLayerGroups()
{
    for (GraphicsItemsGroup* group : std::as_const(m_layerGroups)) {
        removeItem(group);
        delete group;
    }
    m_layerGroups.clear();
}

GraphicsItemsGroup* DocumentGraphicModel::newGroup(int layerNumber) const
{
    return new GraphicsItemsGroup(m_format, nullptr, true, layerNumber);
}

bool DocumentGraphicModel::InsertLayer(int index, const LayerGroupContainer& container)
{
    if (index < 0 || index > m_layerGroups.size())
        return false;
    GraphicsItemsGroup* group = newGroup(index);
    m_layerGroups.insert(index, group);
    const double z = zValueForInsertedGroup(index);
    // The paper stays below the lowest layer.
    if (index == 0 && m_paper)
        m_paper->setZValue(z / 2);
    group->setZValue(z);
    addItem(group);

    for (QGraphicsItem* item : container.m_items) {
        if (auto* stroke = qgraphicsitem_cast<GraphicsInkPathItem*>(item)) {
            stroke->resetTransformations();
            stroke->addPaintShift(m_shift.x(), m_shift.y());
            stroke->addPaintRotation(m_rotation);
            stroke->setStrokeRect(m_paperRect);
        }
        item->setZValue(z);
        group->addStroke(item);
    }
    return true;
}

double DocumentGraphicModel::zValueForInsertedGroup(int index) const
{
    const int count = m_layerGroups.size();
    if (count == 1)
        return kFirstLayerZ;
    if (index == 0)
        return m_layerGroups[1]->zValue() / 2;
    if (index == count - 1)
        return m_layerGroups[index - 1]->zValue() + kLayerZStep;
    return (m_layerGroups[index - 1]->zValue() + m_layerGroups[index + 1]->zValue()) / 2;
}

bool DocumentGraphicModel::getLayerContainer(int index, LayerGroupContainer& container) const
{
    if (!isLayerIndex(index))
        return false;
    const GraphicsItemsGroup* group = m_layerGroups[index];
    container.m_zValue = group->zValue();
    container.appendItems(group->strokes());
    container.m_layerIndex = index;
    return true;
}

bool DocumentGraphicModel::RemoveLayer(int index, LayerGroupContainer& container)
{
    if (!getLayerContainer(index, container))
        return false;
    GraphicsItemsGroup* group = m_layerGroups.takeAt(index);
    for (QGraphicsItem* child : group->strokes()) {
        if (auto* stroke = qgraphicsitem_cast<GraphicsInkPathItem*>(child))
            stroke->resetTransformations();
        GraphicsItemsGroup::removeStroke(child);
        removeItem(child);
    }
    removeItem(group);
    delete group;
    return true;
}

bool DocumentGraphicModel::ShowLayer(int index, const PaintFormat& format)
{
    if (!isLayerIndex(index))
        return false;
    m_layerGroups[index]->setPainted(true);
    m_layerGroups[index]->setPaintFormat(format);
    return true;
}

bool DocumentGraphicModel::setLayerPaintMode(int index, bool painted)
{
    if (!isLayerIndex(index))
        return false;
    m_layerGroups[index]->setPainted(painted);
    return true;
}

bool DocumentGraphicModel::showAllLayers()
{
    for (GraphicsItemsGroup* group : m_layerGroups)
        group->setPainted(true);
    return !m_layerGroups.isEmpty();
}

bool DocumentGraphicModel::hideAllLayers()
{
    for (GraphicsItemsGroup* group : m_layerGroups)
        group->setPainted(false);
    return !m_layerGroups.isEmpty();
}

void DocumentGraphicModel::forEachStroke(const std::function<void(GraphicsInkPathItem&)>& visit) const
{
    for (const GraphicsItemsGroup* group : m_layerGroups)
        for (QGraphicsItem* child : group->strokes())
            if (auto* stroke = qgraphicsitem_cast<GraphicsInkPathItem*>(child))
                visit(*stroke);
}

void DocumentGraphicModel::setPaintShift(float dx, float dy)
{
    m_shift += QPointF(dx, dy);
    forEachStroke([dx, dy](GraphicsInkPathItem& stroke) { stroke.addPaintShift(dx, dy); });
}

void DocumentGraphicModel::setPaintRotation(int step)
{
    m_rotation += step;
    if (step == 0)
        return;
    forEachStroke([step](GraphicsInkPathItem& stroke) { stroke.addPaintRotation(step); });
    invalidate();
}

void DocumentGraphicModel::resetTransformations()
{
    m_shift = QPointF();
    m_rotation = 0;
    forEachStroke([](GraphicsInkPathItem& stroke) { stroke.resetTransformations(); });
}

void DocumentGraphicModel::updateStrokesRect()
{
    const QRectF paper = m_paperRect;
    forEachStroke([&paper](GraphicsInkPathItem& stroke) { stroke.setStrokeRect(paper); });
}

void DocumentGraphicModel::showBackground(bool show, bool reset)
{
    if (show) {
        if (m_paper)
            return;
        m_paper = new BackgroundLayerPath(grownSheet(m_paperRect));
        m_paper->setZValue(m_layerGroups.isEmpty() ? kFirstLayerZ
                                                   : m_layerGroups.first()->zValue() / 2);
        addItem(m_paper);
        setSceneRect(m_paperRect);
        return;
    }
    setBackgroundBrush(Qt::NoBrush);
    if (m_paper) {
        removeItem(m_paper);
        delete m_paper;
        m_paper = nullptr;
    }
    if (reset)
        resetTransformations();
}
