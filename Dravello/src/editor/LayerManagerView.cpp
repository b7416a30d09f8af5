// The editor view: zoom, rotation, navigation, keys, context menu and the
// switch between the scrubber and the player.

#include "LayerManager.h"

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "FileManager.h"
#include "PlayerDocument.h"
#include "WaitCursor.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

constexpr double kZoomInLimit = 10.0;
constexpr double kZoomOutLimit = 0.06;
constexpr float kZoomInStep = 1.5f;
constexpr float kZoomOutStep = 0.6f;
constexpr float kWheelZoomInStep = 1.1f;
constexpr float kWheelZoomOutStep = 0.8f;

} // namespace

void LayerManager::zoomViewInSlot() { zoomViewIn(); }

void LayerManager::zoomViewOutSlot() { zoomViewOut(); }

void LayerManager::zoomViewIn() { zoomViewInLowLevel(kZoomInStep); }

void LayerManager::zoomViewOut() { zoomViewOutLowLevel(kZoomOutStep); }

void LayerManager::zoomViewInLowLevel(float factor)
{
    if (m_fitScale > kZoomInLimit)
        return;
    zoomView(factor, 1.0);
}

void LayerManager::zoomViewOutLowLevel(float factor)
{
    if (m_fitScale < kZoomOutLimit)
        return;
    zoomView(factor, -1.0);
}

// Scales the view and moves it by half its height, down for zoom in, up for
// zoom out.
void LayerManager::zoomView(double factor, double direction)
{
    m_pageFitted = false;
    m_fitScale *= factor;
    m_layers_graphics_view->scale(factor, factor);
    const double d = m_layers_graphics_view->height() * 0.5 * m_layers_graphics_view->transform().m22();
    m_layers_graphics_view->translate(0, direction * d);
    if (QGraphicsScene* scene = m_layers_graphics_view->scene())
        scene->invalidate(QRectF(), QGraphicsScene::AllLayers);
}

void LayerManager::verticalScrollBarMovedSlot(ZoomAction action)
{
    if (action == ZoomInStep)
        zoomViewInLowLevel(kWheelZoomInStep);
    else
        zoomViewOutLowLevel(kWheelZoomOutStep);
}

void LayerManager::rotateClockwiseSlot() { rotateClockwise(); }

void LayerManager::rotateCounterclockwiseSlot() { rotateCounterclockwise(); }

void LayerManager::rotateClockwise() { rotateBy(m_rotate_step); }

void LayerManager::rotateCounterclockwise() { rotateBy(-m_rotate_step); }

void LayerManager::rotateBy(int step)
{
    // Nothing to turn while no sketch is shown (one being opened).
    DocumentGraphicModel* model = sceneModel();
    if (!model)
        return;
    m_rotation = (m_rotation + step) % 360;
    model->setPaintRotation(step);
    buildThumbnails();
    updateAll();
    // Back at 0 degrees there may still be other changes to save.
    emit signalSaveEnable(model->paintRotation() != 0 || isDocumentChanged());
}

void LayerManager::enableForwardButton(bool enable)
{
    m_layers_graphics_view->setTransform(m_rememberedMatrix);
    m_forward_btn->setEnabled(enable);
}

void LayerManager::enableBackButton(bool enable)
{
    m_layers_graphics_view->setTransform(m_rememberedMatrix);
    m_back_btn->setEnabled(enable);
}

void LayerManager::setHandleBackspace(bool handle) { m_handleBackspace = handle; }

void LayerManager::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control)
        emit switchZoomOnSignal(true);
    QWidget::keyPressEvent(event);
}

void LayerManager::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control)
        emit switchZoomOnSignal(false);
    else if (event->key() == Qt::Key_Backspace && m_handleBackspace)
        backBtnClicked();
    QWidget::keyReleaseEvent(event);
}

void LayerManager::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_stacked_wgt->currentIndex() == 1)
        return;
    const QPoint pos = m_layers_graphics_view->mapFromGlobal(event->globalPos());
    if (!m_layers_graphics_view->rect().contains(pos)) {
        QWidget::contextMenuEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_viewMenu->popup(event->globalPos());
    event->accept();
}

void LayerManager::openFileLocationSlot() { openFileLocation(desktopFileManager()); }

bool LayerManager::openFileLocation(FileManager& fileManager)
{
    return sketch() && fileManager.showItem(sketch()->m_filePath);
}

void LayerManager::createViewLayerMenu()
{
    m_viewMenu = new QMenu(this);
    const auto add = [this](const QString& text, auto slot) {
        auto* action = new QAction(text, m_viewMenu);
        connect(action, &QAction::triggered, this, slot);
        m_viewMenu->addAction(action);
    };
    auto* back = new QAction(tr("&Return to Preview"), m_viewMenu);
    connect(back, &QAction::triggered, m_back2preview_btn, &QAbstractButton::click);
    m_viewMenu->addAction(back);
    m_viewMenu->addSeparator();
    add(tr("&Zoom In"), &LayerManager::zoomViewInSlot);
    add(tr("&Zoom Out"), &LayerManager::zoomViewOutSlot);
    add(tr("&Rotate Clockwise"), &LayerManager::rotateClockwiseSlot);
    add(tr("&Rotate Counterclockwise"), &LayerManager::rotateCounterclockwiseSlot);
    m_viewMenu->addSeparator();
    add(tr("&Show/Edit Tag..."), &LayerManager::showEditTagSlot);
    add(tr("&Open File Location..."), &LayerManager::openFileLocationSlot);
    m_viewMenu->addSeparator();
    add(tr("&Save Document"), &LayerManager::saveDocumentSlot);
    add(tr("&Save Document as..."), &LayerManager::saveDocumentAsSlot);
    add(tr("&Save Document as Different Format"), &LayerManager::saveAsDifferentFormatSlot);
    m_viewMenu->addSeparator();
    addExportMenu();
}

void LayerManager::backBtnClicked()
{
    m_player_view->resetTransform();
    m_player_wgt->resetPlayer();
    m_groups_tab->setCurrentIndex(0);
    emit backToPreviewTab();
}

void LayerManager::currentStackedWidgetChangedSlot(int tab)
{
    m_stacked_wgt->setCurrentIndex(tab);
    const bool editing = tab == 0;
    m_layer_manage_group->setEnabled(editing);
    m_back_btn->setEnabled(editing);
    m_forward_btn->setEnabled(editing);
    emit signalToolBarEnable(editing);
    emit permitRmbClickSignal(editing);
    if (editing)
        m_player_wgt->resetPlayer();
    else
        handSketchToPlayer();
}

// The player gets a centred copy of the sketch; the edited sketch stays
// exactly where it was.
void LayerManager::handSketchToPlayer()
{
    DocumentMetaData* edited = sketch();
    if (!edited)
        return;
    WaitCursor wait;
    edited->undoAdjustmentShift();
    MetadataPtr copy(new DocumentMetaData(*edited, true));
    edited->reapplyAdjustmentShift();
    m_player_wgt->init(copy, m_player_view);
}
