#ifndef DRAVELLO_TESTS_EDITORTESTSUPPORT_H
#define DRAVELLO_TESTS_EDITORTESTSUPPORT_H

// What the editor tests share: the sketch tests' settings, an editor page
// showing a small sketch of numbered strokes, and looks into its list.

#include "Document.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"
#include "LayerManager.h"
#include "ListWidgetPelm.h"
#include "SketchTestSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGraphicsRectItem>
#include <QListWidgetItem>
#include <QStringList>

#include <memory>
#include <vector>

namespace editortest {

// Layer i holds strokeCounts[i] strokes; stroke j of layer i starts at
// x = 100 i + j, so every stroke can be told by its first point.
inline sketchtest::SketchSpec numberedSketch(const std::vector<int>& strokeCounts)
{
    sketchtest::SketchSpec sketch;
    for (std::size_t i = 0; i < strokeCounts.size(); ++i) {
        sketchtest::LayerSpec layer;
        for (int j = 0; j < strokeCounts[i]; ++j) {
            const double x = 100.0 * static_cast<double>(i) + j;
            layer.push_back({{x, 50.0, 40}, {x + 0.5, 80.0, 60}});
        }
        sketch.push_back(layer);
    }
    return sketch;
}

inline MetadataPtr recordOf(const sketchtest::SketchSpec& sketch,
                            const QString& path = QStringLiteral("/sketches/a.hlv"))
{
    MetadataPtr record(new DocumentMetaData(path));
    record->m_document = DocumentMetaData::DocumentPtr(new Pelm::Document(sketchtest::makeDocument(sketch)));
    record->buildScene();
    return record;
}

// The first x of every stroke of layer `index`, in stored order.
inline std::vector<int> strokeStarts(const DocumentMetaData& record, unsigned long index)
{
    std::vector<int> starts;
    Pelm::Layer layer;
    if (!record.m_document->at(index, layer))
        return starts;
    Pelm::Stroke stroke;
    Pelm::Point point;
    for (unsigned long j = 0; layer.at(j, stroke); ++j) {
        stroke.at(0, point);
        starts.push_back(static_cast<int>(point.x.Get()));
    }
    return starts;
}

// The pen colour of every stroke of the layer's group, in the layer's order.
inline QList<QColor> strokeColours(const GraphicsItemsGroup& group)
{
    QList<QColor> colours;
    for (QGraphicsItem* child : group.strokes())
        colours << qgraphicsitem_cast<GraphicsInkPathItem*>(child)->paintFormat().penColor();
    return colours;
}

inline std::vector<int> range(int from, int to)
{
    std::vector<int> values;
    for (int v = from; v < to; ++v)
        values.push_back(v);
    return values;
}

// A right click at a point of the list's viewport.
inline void rightClick(ListWidgetPelm& list, const QPoint& viewportPos)
{
    const QPoint global = list.viewport()->mapToGlobal(viewportPos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, list.mapFromGlobal(global), global);
    QApplication::sendEvent(&list, &event);
}

// A scene item that counts how many of its kind are alive.
class CountedItem : public QGraphicsRectItem {
public:
    CountedItem() : QGraphicsRectItem(0, 0, 1, 1) { ++alive; }
    ~CountedItem() override { --alive; }
    static inline int alive = 0;
};

// The settings of the sketch tests and an editor page of a given size.
class EditorFixture {
public:
    EditorFixture()
    {
        editor = std::make_unique<LayerManager>();
        editor->resize(1000, 800);
    }

    void open(const sketchtest::SketchSpec& sketch)
    {
        record = recordOf(sketch);
        editor->init(record);
    }

    ListWidgetPelm& list() const { return *editor->layerList(); }
    QStringList rowTexts() const
    {
        QStringList texts;
        for (int i = 0; i < list().count(); ++i)
            texts << list().item(i)->text();
        return texts;
    }
    void select(const QList<int>& rows) const
    {
        list().clearSelection();
        for (int row : rows)
            list().item(row)->setSelected(true);
    }
    int layerCount() const { return static_cast<int>(record->m_document->getSize()); }
    int groupCount() const { return static_cast<int>(record->m_graphicModel->layerGroups().size()); }
    std::vector<int> starts(unsigned long layer) const { return strokeStarts(*record.GetData(), layer); }
    GraphicsItemsGroup* group(int index) const { return record->m_graphicModel->layerGroups()[index]; }

    sketchtest::SketchEnvironment environment;
    std::unique_ptr<LayerManager> editor;
    MetadataPtr record;
};

} // namespace editortest

#endif
