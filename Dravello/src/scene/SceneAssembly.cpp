#include "SceneAssembly.h"

#include "DocumentGraphicModel.h"
#include "GraphicsItemsGroup.h"
#include "ApplicationLifetime.h"
#include "GuiSlices.h"

#include <deque>
#include <utility>

namespace {

// Items made or deleted between two looks at the clock.
constexpr int kItemsPerClockLook = 64;

// The scenes waiting to be deleted, oldest first; whatever is left goes with
// the application object.
class SceneDisposal : public QObject {
public:
    ~SceneDisposal() override
    {
        m_slices.stop();
        for (DocumentGraphicModel* scene : m_scenes)
            delete scene;
    }

    void add(DocumentGraphicModel* scene)
    {
        m_scenes.push_back(scene);
        if (!m_slices.isRunning())
            m_slices.start([this](const QDeadlineTimer& deadline) { return deleteUntil(deadline); });
    }

private:
    bool deleteUntil(const QDeadlineTimer& deadline)
    {
        int sinceClockLook = 0;
        if (!m_scenes.empty())
            // As in SceneAssembly: the items that go ask for no updates of their own.
            m_scenes.front()->update();
        while (!m_scenes.empty()) {
            DocumentGraphicModel* scene = m_scenes.front();
            if (!deleteLastItem(*scene)) {
                delete scene;
                m_scenes.pop_front();
            }
            if (++sinceClockLook == kItemsPerClockLook) {
                sinceClockLook = 0;
                if (deadline.hasExpired())
                    return false;
            }
        }
        return true;
    }

    // The last item first: its parent then lets go of it at once.
    static bool deleteLastItem(const DocumentGraphicModel& scene)
    {
        const QList<GraphicsItemsGroup*>& groups = scene.layerGroups();
        for (auto group = groups.crbegin(); group != groups.crend(); ++group)
            if ((*group)->deleteLastItem())
                return true;
        return false;
    }

    std::deque<DocumentGraphicModel*> m_scenes;
    GuiSlices m_slices;
};

} // namespace

void disposeSceneInSlices(DocumentGraphicModel* scene)
{
    if (scene)
        untilTheApplicationEnds<SceneDisposal>().add(scene);
}

SceneAssembly::SceneAssembly(InkDrawing drawing, const QRectF& paper)
    : m_drawing(std::move(drawing)),
      m_scene(std::make_unique<DocumentGraphicModel>(m_drawing.pen(), m_drawing.isOutline(), paper))
{
    // A scene without a rectangle of its own works out the area of all its
    // items at every turn of the event loop in which it grew.
    m_scene->setSceneRect(m_drawing.area());
}

SceneAssembly::~SceneAssembly() { disposeSceneInSlices(m_scene.release()); }

bool SceneAssembly::buildUntil(const QDeadlineTimer& deadline)
{
    if (m_complete)
        return true;
    if (m_layer == m_drawing.layerCount()) {
        m_complete = sortStrokesUntil(deadline);
        return m_complete;
    }
    std::vector<StrokeShape>& strokes = m_drawing.strokes();
    // One update of the whole scene: the items added in this slice then ask
    // for none of their own, which the scene would otherwise sort out item
    // by item at every turn of the event loop.
    m_scene->update();
    int sinceClockLook = 0;
    for (; m_layer < m_drawing.layerCount(); ++m_layer, m_group = nullptr) {
        if (!m_group)
            m_group = m_scene->appendLayerGroup();
        for (; m_next < m_drawing.layerEnd(m_layer); ++m_next) {
            if (++sinceClockLook == kItemsPerClockLook) {
                sinceClockLook = 0;
                if (deadline.hasExpired())
                    return false;
            }
            m_scene->appendStroke(m_group, std::move(strokes[m_next]));
        }
    }
    m_scene->finishBuilding(m_drawing.area());
    m_drawing.strokes() = {};
    return false;
}

// Qt sorts an item's children by stacking order when they are first asked
// for: done here in slices, before painting asks for them all at once.
bool SceneAssembly::sortStrokesUntil(const QDeadlineTimer& deadline)
{
    const QList<GraphicsItemsGroup*>& groups = m_scene->layerGroups();
    for (; m_sortedLayers < groups.size(); ++m_sortedLayers)
        if (!groups.at(m_sortedLayers)->sortStrokesUntil(deadline))
            return false;
    return true;
}

DocumentGraphicModel* SceneAssembly::takeScene() { return m_complete ? m_scene.release() : nullptr; }
