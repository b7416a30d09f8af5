#include "PlayerDocument.h"

#include "ApplSettings.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"
#include "RecordRelease.h"

#include <QGraphicsView>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTimeLine>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

const QString kPenKey = QStringLiteral("visuality_properties/default_pen");
const QString kPlayIcon = QStringLiteral(":/player/Resources/video player/32X32/play_active.png");
const QString kStopIcon = QStringLiteral(":/player/Resources/video player/32X32/stop_active.png");

// Pixels the view scrolls up after a sketch is loaded.
constexpr int kInitialScrollUp = 350;
// Room kept around the paper when it is first brought into view.
constexpr int kVisibleMargin = 50;
constexpr int kCheckerSize = 256;
const QColor kCheckerGrey(230, 230, 230, 255);

// Zoom slider value 250 is the natural size; every 50 more doubles it.
double zoomFactor(int sliderValue) { return std::pow(2.0, (sliderValue - 250) / 50.0); }

int strokeCountOf(const DocumentGraphicModel* model)
{
    int count = 0;
    if (model)
        for (const GraphicsItemsGroup* group : model->layerGroups())
            count += static_cast<int>(group->strokeCount());
    return count;
}

int middleOf(const QSlider* slider) { return (slider->maximum() + slider->minimum()) / 2; }

} // namespace

PlayerDocument::PlayerDocument(QWidget* parent)
    : QWidget(parent), m_settings(ApplSettings::instance())
{
    m_form.setupUi(this);
}

PlayerDocument::~PlayerDocument() = default;

bool PlayerDocument::init(MetadataPtr sketch, QGraphicsView* view)
{
    if (!view)
        return false;
    readPlayerPen();
    m_view = view;
    setBgPixmap();
    m_sketch = sketch;
    m_documentPath = m_sketch.GetData() ? m_sketch->m_filePath : QString();

    DocumentGraphicModel* model = sketchModel();
    if (model)
        model->showBackground(true, true);
    m_strokeCount = strokeCountOf(model);
    m_form.m_player_slider->setValue(0);
    m_form.m_player_slider->setRange(0, m_strokeCount);
    replaceTimeLine();

    if (model) {
        m_view->setScene(model);
        m_view->resetTransform();
        m_view->ensureVisible(model->sceneRect(), kVisibleMargin, kVisibleMargin);
        fitPaperIntoView(model->sceneRect());
        model->updateStrokesRect();
        // Keeps the turn and shift the copy took over from the editor's scene.
        model->showBackground(false, false);
        model->update();
    }

    updatePlayer(0);
    m_form.m_player_play_stop_btn->setFocus(Qt::OtherFocusReason);
    QScrollBar* scrollBar = m_view->verticalScrollBar();
    scrollBar->setValue(scrollBar->sliderPosition() - kInitialScrollUp);
    return model != nullptr;
}

void PlayerDocument::resetPlayer()
{
    m_form.m_zoom_slider->setValue(middleOf(m_form.m_zoom_slider));
    m_form.m_speed_slider->setValue(middleOf(m_form.m_speed_slider));
    m_form.m_player_play_stop_btn->setFocus(Qt::OtherFocusReason);
    if (isTimeLineRunning()) {
        playStopPlayerSlot();
        gotoFirstStrokePlayerSlot();
    }
    m_playing = false;
    m_msPerStroke = kDefaultMsPerStroke;
    m_fitScale = 1.0;
    delete m_timeLine;
    m_timeLine = nullptr;
    if (m_view) {
        m_view->resetTransform();
        // The scene belongs to the sketch copy, which stays whole until the next init.
        m_view->setScene(nullptr);
    }
}

void PlayerDocument::releaseSketch()
{
    resetPlayer();
    releaseRecord(m_sketch);
}

void PlayerDocument::updatePlayer(int frame)
{
    m_playing = false;
    if (m_timeLine) {
        m_timeLine->stop();
        playFrom(frame);
    }
    m_form.m_player_slider->setValue(frame);
    updatePlayerView(frame);
}

void PlayerDocument::goOneStep(STROKE_PLAYER_DIRECTION direction)
{
    const int frame = m_form.m_player_slider->value();
    updatePlayer(direction == Forward ? frame + 1 : frame - 1);
}

void PlayerDocument::setBgPixmap()
{
    if (!m_view)
        return;
    const int half = kCheckerSize / 2;
    QPixmap checker(kCheckerSize, kCheckerSize);
    checker.fill(Qt::white);
    {
        QPainter painter(&checker);
        painter.fillRect(0, 0, half, half, kCheckerGrey);
        painter.fillRect(half, half, half, half, kCheckerGrey);
    }
    m_view->setBackgroundBrush(QBrush(checker));
    m_view->setCacheMode(QGraphicsView::CacheBackground);
}

void PlayerDocument::playStopPlayerSlot()
{
    if (m_playing) {
        showPlayButtonAsPlay(true);
        if (m_timeLine)
            m_timeLine->stop();
        setStepControlsEnabled(true);
        m_playing = false;
        return;
    }
    if (!m_timeLine)
        return;
    const int frame = m_form.m_player_slider->value();
    if (frame == m_strokeCount) {
        gotoLastStrokePlayerSlot();
        showPlayButtonAsPlay(true);
        m_timeLine->stop();
        return;
    }
    showPlayButtonAsPlay(false);
    m_timeLine->stop();
    playFrom(frame);
    m_timeLine->start();
    setStepControlsEnabled(false);
    m_playing = true;
}

void PlayerDocument::gotoFirstStrokePlayerSlot() { updatePlayer(0); }

void PlayerDocument::gotoPrevStrokePlayerSlot() { goOneStep(Backward); }

void PlayerDocument::gotoNextStrokePlayerSlot() { goOneStep(Forward); }

void PlayerDocument::gotoLastStrokePlayerSlot() { updatePlayer(m_strokeCount); }

void PlayerDocument::sliderMovedSlot(int frame)
{
    setTimeLineFrames(frame);
    updatePlayerView(frame);
}

void PlayerDocument::sliderReleasedSlot() { setTimeLineFrames(m_form.m_player_slider->value()); }

void PlayerDocument::speedReleasedSlot()
{
    const bool wasRunning = isTimeLineRunning();
    m_playing = false;
    if (m_timeLine)
        m_timeLine->stop();
    m_msPerStroke = m_form.m_speed_slider->value();
    const int frame = m_form.m_player_slider->value();
    if (frame == m_strokeCount)
        return;
    if (m_timeLine && m_strokeCount - frame > 0)
        m_timeLine->setDuration(durationOf(m_strokeCount - frame));
    if (wasRunning)
        playStopPlayerSlot();
}

void PlayerDocument::speedValChangedSlot(int) { speedReleasedSlot(); }

void PlayerDocument::increasePlayerSpeedSlot()
{
    m_form.m_speed_slider->setValue(m_msPerStroke - m_form.m_speed_slider->singleStep());
    speedReleasedSlot();
}

void PlayerDocument::decreasePlayerSpeedSlot()
{
    m_form.m_speed_slider->setValue(m_msPerStroke + m_form.m_speed_slider->singleStep());
    speedReleasedSlot();
}

void PlayerDocument::zoomReleasedSlot()
{
    const bool wasRunning = isTimeLineRunning();
    if (wasRunning)
        m_timeLine->stop();
    if (m_view) {
        const double scale = zoomFactor(m_form.m_zoom_slider->value());
        m_view->setTransform(QTransform::fromScale(scale, scale));
    }
    if (DocumentGraphicModel* model = sketchModel())
        model->update();
    if (wasRunning)
        m_timeLine->resume();
}

void PlayerDocument::zoomValChangedSlot(int) { zoomReleasedSlot(); }

void PlayerDocument::zoomIn()
{
    m_form.m_zoom_slider->setValue(m_form.m_zoom_slider->value() + m_form.m_zoom_slider->singleStep());
    zoomReleasedSlot();
}

void PlayerDocument::zoomOut()
{
    m_form.m_zoom_slider->setValue(m_form.m_zoom_slider->value() - m_form.m_zoom_slider->singleStep());
    zoomReleasedSlot();
}

void PlayerDocument::updatePlayerView(int frame)
{
    m_form.m_player_slider->setValue(frame);
    DocumentGraphicModel* model = sketchModel();
    if (!model)
        return;
    int stroke = 0;
    const QList<GraphicsItemsGroup*>& groups = model->layerGroups();
    for (int layer = 0; layer < groups.size(); ++layer) {
        GraphicsItemsGroup* group = groups[layer];
        group->setDrawMode(GraphicsItemsGroup::StrokePenMode);
        model->setLayerPaintMode(layer, true);
        for (QGraphicsItem* child : group->strokes()) {
            if (auto* item = qgraphicsitem_cast<GraphicsInkPathItem*>(child)) {
                item->setPenWidth(m_penWidth);
                item->setPenColor(stroke < frame ? m_penColor : QColor(Qt::transparent));
            }
            ++stroke;
        }
    }
    model->update();
}

void PlayerDocument::timeLineFinishedSlot()
{
    m_playing = true;
    playStopPlayerSlot();
}

void PlayerDocument::readPlayerPen()
{
    QString text;
    QColor color;
    if (m_settings->getAttrValueStr(kPenKey, QStringLiteral("rgba_color"), text) &&
        m_settings->str2Color(text, color))
        m_penColor = color;
    text.clear();
    if (m_settings->getAttrValueStr(kPenKey, QStringLiteral("width"), text)) {
        bool ok = false;
        const int width = text.toInt(&ok, 10);
        if (ok)
            m_penWidth = width;
    }
}

void PlayerDocument::replaceTimeLine()
{
    delete m_timeLine;
    m_timeLine = new QTimeLine(durationOf(m_strokeCount), this);
    m_timeLine->setFrameRange(0, m_strokeCount);
    m_timeLine->setEasingCurve(QEasingCurve::Linear);
    connect(m_timeLine, &QTimeLine::frameChanged, this, &PlayerDocument::updatePlayerView);
    connect(m_timeLine, &QTimeLine::finished, this, &PlayerDocument::timeLineFinishedSlot);
}

void PlayerDocument::fitPaperIntoView(const QRectF& paper)
{
    m_fitScale = 1.0;
    if (paper.isEmpty())
        return;
    const double widthRatio = m_view->width() / paper.width();
    const double heightRatio = m_view->height() / paper.height();
    if (widthRatio < 1.0 || heightRatio < 1.0) {
        m_fitScale = std::min(widthRatio, heightRatio);
        m_view->scale(m_fitScale, m_fitScale);
    }
}

void PlayerDocument::playFrom(int frame)
{
    setTimeLineFrames(frame);
    if (m_strokeCount - frame > 0)
        m_timeLine->setDuration(durationOf(m_strokeCount - frame));
}

void PlayerDocument::setTimeLineFrames(int firstFrame)
{
    if (!m_timeLine)
        return;
    m_timeLine->setStartFrame(firstFrame);
    m_timeLine->setFrameRange(firstFrame, m_strokeCount);
}

int PlayerDocument::durationOf(int frames) const
{
    // A time line cannot last 0 ms (a sketch without strokes).
    const qint64 duration = static_cast<qint64>(frames) * m_msPerStroke;
    return static_cast<int>(std::clamp<qint64>(duration, 1, INT_MAX));
}

bool PlayerDocument::isTimeLineRunning() const
{
    return m_timeLine && m_timeLine->state() == QTimeLine::Running;
}

void PlayerDocument::showPlayButtonAsPlay(bool play)
{
    m_form.m_player_play_stop_btn->setIcon(QIcon(play ? kPlayIcon : kStopIcon));
    m_form.m_player_play_stop_btn->setToolTip(play ? tr("Play") : tr("Pause"));
}

void PlayerDocument::setStepControlsEnabled(bool enabled)
{
    for (QWidget* control : {static_cast<QWidget*>(m_form.m_player_slider),
                             static_cast<QWidget*>(m_form.m_player_first_btn),
                             static_cast<QWidget*>(m_form.m_player_prev_btn),
                             static_cast<QWidget*>(m_form.m_player_next_btn),
                             static_cast<QWidget*>(m_form.m_player_last_btn)})
        control->setEnabled(enabled);
}

DocumentGraphicModel* PlayerDocument::sketchModel() const
{
    const DocumentMetaData* sketch = m_sketch.GetData();
    return sketch ? sketch->m_graphicModel.GetData() : nullptr;
}
