#include "LayerManager.h"

#include "ApplSettings.h"
#include "Document.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "GraphicsInkPathItem.h"
#include "LimitedInputDialog.h"
#include "ListWidgetPelm.h"
#include "PlayerDocument.h"
#include "QxtSpanSlider.h"
#include "RecordRelease.h"
#include "ScenePicture.h"
#include "ZoomingGraphicsView.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyleFactory>

namespace {

// Thumbnails and row icons are this many times smaller than the sketch.
constexpr int kThumbnailDivisor = 20;
constexpr int kIconRowsBeyondIconHeight = 10;

QSize dividedSize(const QRectF& rect)
{
    return QSize(static_cast<int>(rect.width() / kThumbnailDivisor),
                 static_cast<int>(rect.height() / kThumbnailDivisor));
}

} // namespace

LayerManager::LayerManager(QWidget* parent)
    : QWidget(parent), m_settings(ApplSettings::instance())
{
    readDefaultFormatSettings();
    setupUi(this);

    m_detailed_layers_list->setDragEnabled(true);
    m_detailed_layers_list->setViewMode(QListView::IconMode);
    m_detailed_layers_list->setAcceptDrops(true);
    m_detailed_layers_list->setDropIndicatorShown(true);
    m_detailed_layers_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_detailed_layers_list->setSelectionBehavior(QAbstractItemView::SelectItems);

    m_scrubber->setHandleMovementMode(QxtSpanSlider::NoCrossing);
    m_scrubber->setTickPosition(QSlider::TicksBothSides);
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        style->setParent(m_scrubber);
        m_scrubber->setStyle(style);
    }
    initScruber();
    m_scrubber->setTracking(true);
    m_scrubber->setObjectName(QStringLiteral("span_slider"));
    connect(m_scrubber, &QxtSpanSlider::lowerValueChanged, this, &LayerManager::leftPos);
    connect(m_scrubber, &QxtSpanSlider::upperValueChanged, this, &LayerManager::rightPos);

    createViewLayerMenu();
    connect(m_detailed_layers_list, &ListWidgetPelm::deleteItemSignal, this,
            &LayerManager::deleteItemSlot);
    connect(this, &LayerManager::permitRmbClickSignal, m_detailed_layers_list,
            &ListWidgetPelm::permitRmbClickSlot);

    // The sketch takes what the layer list leaves; the main window sets the
    // same when it opens a sketch, which then leaves the split as it is.
    m_lm_splitter->setStretchFactor(0, 0);
    m_lm_splitter->setStretchFactor(1, 1);

    m_layers_graphics_view->setCacheMode(QGraphicsView::CacheBackground);
    m_layers_graphics_view->installEventFilter(this);
    m_stacked_wgt->setCurrentIndex(0);
    if (auto* bar = qobject_cast<ZoomingScrollBar*>(m_layers_graphics_view->verticalScrollBar())) {
        connect(this, &LayerManager::switchZoomOnSignal, bar, &ZoomingScrollBar::switchZoomOnSlot);
        connect(bar, &ZoomingScrollBar::verticalScrollBarMovedSignal, this,
                &LayerManager::verticalScrollBarMovedSlot);
    }
}

// The steps hold layer items of the sketch: they go before the sketch does.
LayerManager::~LayerManager() { m_undoStack.clear(); }

DocumentGraphicModel* LayerManager::sceneModel() const
{
    return sketch() ? sketch()->m_graphicModel.GetData() : nullptr;
}

Pelm::Document* LayerManager::inkDocument() const
{
    return sketch() ? sketch()->m_document.GetData() : nullptr;
}

void LayerManager::init(MetadataPtr record)
{
    if (record.GetData() != sketch())
        closeSketch();
    m_undoStack.clear();
    m_currentMetaData = record;
    buildLM(true);
    m_rememberedMatrix = m_layers_graphics_view->transform();
    resetLayerTools();
}

void LayerManager::closeSketch()
{
    m_iconSlices.stop();
    m_iconPicture.reset();
    // The steps hold layer items of the sketch.
    m_undoStack.clear();
    disconnectListSignals();
    m_detailed_layers_list->clear();
    m_layerGroups.clear();
    m_selectedRows.clear();
    m_layers_graphics_view->setScene(nullptr);
    m_player_wgt->releaseSketch();
    m_pageFitted = false;
    releaseRecord(m_currentMetaData);
}

void LayerManager::showOpening(const QString& path)
{
    closeSketch();
    resetLayerTools();
    setTitle(path, nullptr);
}

bool LayerManager::buildLM(bool fit)
{
    readDefaultFormatSettings();
    disconnectListSignals();
    m_detailed_layers_list->clear();
    m_layerGroups.clear();

    DocumentGraphicModel* model = sceneModel();
    if (!model) {
        // Nothing of an earlier sketch stays in view.
        m_layers_graphics_view->setScene(nullptr);
        if (sketch())
            setMainViewTitle();
        return false;
    }

    model->showBackground(true, true);
    m_layerGroups = model->layerGroups();
    for (GraphicsItemsGroup* group : m_layerGroups)
        group->setPainted(false);

    m_iconSize = dividedSize(model->paperRectangle());
    m_detailed_layers_list->setIconSize(m_iconSize);
    m_detailed_layers_list->setSpacing(20);

    Pelm::Document* document = inkDocument();
    for (int i = 0; i < m_layerGroups.size(); ++i) {
        Pelm::Layer* layer = nullptr;
        Pelm::Layer untagged;
        if (!document || !document->at(static_cast<unsigned long>(i), &layer))
            layer = &untagged;
        m_detailed_layers_list->addItem(ListWidgetPelm::newLayerRow(*layer, i));
    }
    drawLayerIcons();

    const bool connected = connectListSignals();
    for (int i = 0; i < m_detailed_layers_list->count(); ++i) {
        model->setLayerPaintMode(i, true);
        m_detailed_layers_list->item(i)->setCheckState(Qt::Checked);
    }

    model->update();
    m_detailed_layers_list->setFocus(Qt::OtherFocusReason);
    m_detailed_layers_list->update();
    resetDataMembers();

    m_layers_graphics_view->setScene(model);
    m_layers_graphics_view->setRenderHint(QPainter::Antialiasing, true);
    m_layers_graphics_view->setDragMode(QGraphicsView::RubberBandDrag);
    m_layers_graphics_view->setOptimizationFlag(QGraphicsView::DontSavePainterState, true);
    m_layers_graphics_view->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    m_layers_graphics_view->resetTransform();
    setMainViewTitle();
    fitViewToScene(fit);

    model->updateStrokesRect();
    return connected;
}

void LayerManager::fitViewToScene(bool fit)
{
    if (!fit) {
        m_layers_graphics_view->scale(m_fitScale, m_fitScale);
        return;
    }
    layOutWindowNow();
    fitPageIntoView();
}

void LayerManager::fitPageIntoView()
{
    const QRectF sceneRect = m_layers_graphics_view->sceneRect();
    if (sceneRect.width() <= 0 || sceneRect.height() <= 0)
        return;
    // The room is the view's inside without scroll bars, which a fitted page
    // does not need.
    const QSize room = m_layers_graphics_view->maximumViewportSize();
    const double rx = room.width() / sceneRect.width();
    const double ry = room.height() / sceneRect.height();
    // The fit replaces whatever scale the view has: laying the window out
    // may already have fitted the page once (a resize while fitted).
    m_layers_graphics_view->resetTransform();
    if (rx < 1.0 || ry < 1.0) {
        m_fitScale = qMin(rx, ry);
        m_layers_graphics_view->scale(m_fitScale, m_fitScale);
    }
    m_pageFitted = true;
}

bool LayerManager::eventFilter(QObject* watched, QEvent* event)
{
    // The window may settle after the page was fitted (a folder that finished
    // loading, a maximised window): a page not zoomed since is fitted again.
    if (watched == m_layers_graphics_view && event->type() == QEvent::Resize && m_pageFitted) {
        fitPageIntoView();
        m_rememberedMatrix = m_layers_graphics_view->transform();
    }
    return QWidget::eventFilter(watched, event);
}

void LayerManager::layOutWindowNow()
{
    // The window has just changed what it shows (this page, fewer status-bar
    // controls): its layouts take their new sizes before the page is fitted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (QLayout* windowLayout = window()->layout())
        windowLayout->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void LayerManager::drawLayerIcons()
{
    m_iconSlices.stop();
    m_iconPicture.reset();
    m_iconSource.reset();
    m_iconLayer = 0;
    DocumentGraphicModel* model = sceneModel();
    if (!model)
        return;
    m_iconSource = std::make_unique<SceneBounds>(*model);
    if (model->strokeCount() > ZoomingGraphicsView::kStrokesPaintedAtOnce)
        m_iconSlices.start([this](const QDeadlineTimer& deadline) { return drawLayerIconsUntil(deadline); });
    else
        drawLayerIconsUntil(QDeadlineTimer(QDeadlineTimer::Forever));
}

// First the area the icons show, then one layer's icon after the other.
bool LayerManager::drawLayerIconsUntil(const QDeadlineTimer& deadline)
{
    DocumentGraphicModel* model = sceneModel();
    if (!model || !m_iconSource->findUntil(deadline))
        return !model;
    const QRectF source = m_iconSource->bounds();
    const QSize size = dividedSize(source);
    if (size.isEmpty())
        return true;
    for (; m_iconLayer < model->layerGroups().size(); ++m_iconLayer) {
        if (!m_iconPicture)
            m_iconPicture = std::make_unique<ScenePicture>(
                *model, size, fittedFromTopLeft(source, QRectF(QPointF(0, 0), size)), m_iconLayer);
        if (!m_iconPicture->paintUntil(deadline))
            return false;
        const QImage& picture = m_iconPicture->picture();
        const int rows = qMin(picture.height(), m_iconSize.height() + kIconRowsBeyondIconHeight);
        if (QListWidgetItem* row = m_detailed_layers_list->item(m_iconLayer))
            row->setIcon(QIcon(QPixmap::fromImage(picture.copy(0, 0, picture.width(), rows))));
        m_iconPicture.reset();
    }
    m_detailed_layers_list->refreshRows();
    return true;
}

void LayerManager::buildThumbnails()
{
    disconnectListSignals();
    DocumentGraphicModel* model = sceneModel();
    m_layerGroups = model ? model->layerGroups() : QList<GraphicsItemsGroup*>();
    for (GraphicsItemsGroup* group : m_layerGroups)
        group->setPainted(false);
    Pelm::Document* document = inkDocument();
    for (int i = 0; i < m_layerGroups.size(); ++i) {
        QListWidgetItem* row = m_detailed_layers_list->item(i);
        // Rows move after a split, merge or delete: names go by position.
        Pelm::Layer* layer = nullptr;
        if (row && document && document->at(static_cast<unsigned long>(i), &layer))
            row->setText(ListWidgetPelm::layerRowName(*layer, i));
    }
    drawLayerIcons();
    connectListSignals();
}

// Connects the list's selection and check signals once; true when connected.
bool LayerManager::connectListSignals()
{
    disconnectListSignals();
    connect(m_detailed_layers_list, &QListWidget::itemSelectionChanged, this,
            &LayerManager::updateItemsSelection);
    return static_cast<bool>(connect(m_detailed_layers_list, &QListWidget::itemChanged, this,
                                     &LayerManager::itemCheckedByUser));
}

void LayerManager::disconnectListSignals()
{
    disconnect(m_detailed_layers_list, &QListWidget::itemSelectionChanged, this,
               &LayerManager::updateItemsSelection);
    disconnect(m_detailed_layers_list, &QListWidget::itemChanged, this,
               &LayerManager::itemCheckedByUser);
}

void LayerManager::setAllRowsChecked(bool checked)
{
    for (int i = 0; i < m_detailed_layers_list->count(); ++i)
        m_detailed_layers_list->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void LayerManager::readDefaultFormatSettings()
{
    QString text;
    m_settings->getAttrValueStr(QStringLiteral("visuality_properties/default_pen"),
                                QStringLiteral("width"), text);
    const int width = text.toInt();
    m_defaultFormat.setWidth(width);

    QColor working;
    m_settings->getAttrValueStr(QStringLiteral("visuality_properties/default_pen"),
                                QStringLiteral("rgba_color"), text);
    m_settings->str2Color(text, working);
    m_defaultFormat.setPenColor(working);

    m_settings->getAttrValueStr(QStringLiteral("visuality_properties/highlight_pen"),
                                QStringLiteral("rgba_color"), text);
    m_settings->str2Color(text, working);
    m_highlightFormat.setPenColor(working);
    m_highlightFormat.setWidth(width);

    m_settings->getAttrValueStr(QStringLiteral("visuality_properties/scrubber_left_pen"),
                                QStringLiteral("rgba_color"), text);
    m_settings->str2Color(text, m_scrubberLeftColor);
    m_settings->getAttrValueStr(QStringLiteral("visuality_properties/scrubber_middle_pen"),
                                QStringLiteral("rgba_color"), text);
    m_settings->str2Color(text, m_scrubberMiddleColor);
    m_settings->getAttrValueStr(QStringLiteral("visuality_properties/scrubber_right_pen"),
                                QStringLiteral("rgba_color"), text);
    m_settings->str2Color(text, m_scrubberRightColor);
}

void LayerManager::updateLayerViewerWithCheckedItemsForView(const QList<int>& checked)
{
    DocumentGraphicModel* model = sceneModel();
    if (!model)
        return;
    for (int i = 0; i < model->layerGroups().size(); ++i) {
        if (checked.contains(i)) {
            model->layerGroups()[i]->setDrawMode(GraphicsItemsGroup::LayerPenMode);
            model->ShowLayer(i, m_defaultFormat);
        } else {
            model->setLayerPaintMode(i, false);
        }
    }
    model->update();
}

void LayerManager::updateLayerViewerWithSelectedItemsForEdit(const QList<int>& selected)
{
    DocumentGraphicModel* model = sceneModel();
    if (!model)
        return;
    m_selectedRows.clear();
    for (int i : selected) {
        if (i < 0 || i >= model->layerGroups().size())
            continue;
        model->layerGroups()[i]->setDrawMode(GraphicsItemsGroup::LayerPenMode);
        model->ShowLayer(i, m_highlightFormat);
        if (!m_selectedRows.contains(i))
            m_selectedRows.append(i);
    }
    if (m_selectedRows.isEmpty())
        resetDataMembers();
    model->update();
}

void LayerManager::updateAll()
{
    QList<int> selected;
    QList<int> checked;
    for (int i = 0; i < m_detailed_layers_list->count(); ++i) {
        const QListWidgetItem* row = m_detailed_layers_list->item(i);
        if (row->isSelected())
            selected.append(i);
        if (row->checkState() == Qt::Checked)
            checked.append(i);
    }

    const bool single = selected.size() == 1;
    m_split_layer_btn->setEnabled(single);
    m_scrubber->setEnabled(single);
    m_left_spin->setEnabled(single);
    m_right_spin->setEnabled(single);
    m_delete_layer_btn->setEnabled(!selected.isEmpty());
    m_merge_layer_btn->setEnabled(selected.size() >= 2);

    const DocumentGraphicModel* model = sceneModel();
    if (single && model && selected.first() < model->layerGroups().size()) {
        m_strokeCount = m_scrubberMaximum =
            static_cast<int>(model->layerGroups()[selected.first()]->strokeCount());
        initScruber();
    } else {
        m_strokeCount = m_scrubberMaximum = 0;
        if (!single)
            resetDataMembers();
    }

    updateLayerViewerWithCheckedItemsForView(checked);
    updateLayerViewerWithSelectedItemsForEdit(selected);
}

void LayerManager::updateEditorView(GraphicsItemsGroup::DrawStrokeMode mode)
{
    DocumentGraphicModel* model = sceneModel();
    if (m_selectedRows.isEmpty() || !model)
        return;
    const QList<GraphicsItemsGroup*>& groups = model->layerGroups();
    for (int k = 0; k < groups.size(); ++k) {
        GraphicsItemsGroup* group = groups[k];
        group->setDrawMode(mode);
        const bool selected = m_selectedRows.contains(k);
        const QListWidgetItem* row = m_detailed_layers_list->item(k);
        const bool checked = row && row->checkState() == Qt::Checked;
        group->setPainted(selected || checked);
        int j = 0;
        for (QGraphicsItem* child : group->strokes()) {
            auto* stroke = qgraphicsitem_cast<GraphicsInkPathItem*>(child);
            if (!stroke)
                continue;
            ++j;
            stroke->setPenWidth(m_defaultFormat.width());
            if (!selected)
                stroke->setPenColor(m_defaultFormat.penColor());
            else if (j <= m_left)
                stroke->setPenColor(m_scrubberLeftColor);
            else if (j > m_right)
                stroke->setPenColor(m_scrubberRightColor);
            else
                stroke->setPenColor(m_scrubberMiddleColor);
        }
    }
    model->update();
}

void LayerManager::initScruber()
{
    const int n = m_scrubberMaximum;
    m_right = n;
    m_scrubber->setRange(0, n);
    m_left_spin->setRange(0, n);
    m_left = 0;
    m_left_spin->setValue(0);
    m_right_spin->setRange(0, n);
    m_right_spin->setValue(n);
    m_scrubber->setMinimum(0);
    m_scrubber->setLowerValue(0);
    m_scrubber->setMaximum(n);
    m_scrubber->setUpperValue(n);
    m_scrubber->setTickInterval(n % 2 == 0 ? n / 2 : n);
}

void LayerManager::resetDataMembers()
{
    m_right = m_scrubberMaximum;
    m_left = 0;
    m_scrubber->setLowerValue(0);
    m_scrubber->setUpperValue(m_scrubberMaximum);
}

void LayerManager::resetLayerTools()
{
    m_delete_layer_btn->setEnabled(false);
    m_merge_layer_btn->setEnabled(false);
    m_split_layer_btn->setEnabled(false);
}

void LayerManager::rightPos(int value)
{
    m_right = value;
    m_right_spin->setValue(value);
    updateEditorView(GraphicsItemsGroup::StrokePenMode);
}

void LayerManager::leftPos(int value)
{
    m_left = value;
    m_left_spin->setValue(value);
    updateEditorView(GraphicsItemsGroup::StrokePenMode);
}

void LayerManager::gotoRightSliderSlot(int value)
{
    if (value < m_left) {
        m_right_spin->setValue(m_right);
        return;
    }
    m_scrubber->setUpperValue(value);
    rightPos(value);
}

void LayerManager::gotoLeftSliderSlot(int value)
{
    if (value > m_right) {
        m_left_spin->setValue(m_left);
        return;
    }
    m_scrubber->setLowerValue(value);
    leftPos(value);
}

void LayerManager::updateItemsSelection() { updateAll(); }

void LayerManager::itemCheckedByUser(QListWidgetItem*) { updateAll(); }

void LayerManager::undoCommandSlot(int)
{
    QList<int> all;
    for (int i = 0; i < m_detailed_layers_list->count(); ++i) {
        QListWidgetItem* row = m_detailed_layers_list->item(i);
        row->setCheckState(Qt::Checked);
        row->setSelected(false);
        all.append(i);
    }
    updateLayerViewerWithCheckedItemsForView(all);
    m_detailed_layers_list->update();
}

void LayerManager::connectDetailedLayerList(bool on)
{
    if (!on) {
        disconnectListSignals();
        return;
    }
    m_left = 0;
    m_scrubberMaximum = m_strokeCount;
    initScruber();
    m_split_layer_btn->setEnabled(false);
    m_scrubber->setEnabled(false);
    m_left_spin->setEnabled(false);
    m_right_spin->setEnabled(false);
    connectListSignals();
    m_detailed_layers_list->setFocus(Qt::OtherFocusReason);
    setAllRowsChecked(true);
    updateAll();
}

void LayerManager::cleanBeforeClose()
{
    connectDetailedLayerList(false);
    setAllRowsChecked(false);
}

void LayerManager::clearUndo()
{
    m_undoStack.clear();
    m_rotation = 0;
    m_tagChanged = false;
}

bool LayerManager::isDocumentChanged() const
{
    return m_undoStack.canUndo() || m_rotation != 0 || m_tagChanged;
}

MetadataPtr LayerManager::getCurrentMetaDataPtr() { return m_currentMetaData; }

void LayerManager::saveDocumentSlot() { emit saveDocument(); }

void LayerManager::saveDocumentAsSlot() { emit saveDocumentAs(); }

void LayerManager::setMainViewTitle() { setTitle(sketch()->m_filePath, inkDocument()); }

void LayerManager::setTitle(const QString& path, const Pelm::Document* document)
{
    QString title = tr("File : %1").arg(path);
    if (document) {
        const auto tag = document->annotations.find("tag");
        if (tag != document->annotations.end())
            title = tr("File : %1 Tag : \"%2\"").arg(path, QString::fromStdString(tag->second));
    }
    m_edit_group->setTitle(title);
}

std::optional<QString> LayerManager::askTag(const QString& label, int maxLength)
{
    LimitedInputDialog dialog(this, label, maxLength);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool LayerManager::replaceTag(Annotations& annotations, const QString& entered)
{
    std::string& tag = annotations["tag"];
    const std::string text = entered.toStdString();
    if (text == tag)
        return false;
    tag = text;
    return true;
}

Pelm::Layer* LayerManager::inkLayer(int index) const
{
    Pelm::Document* document = inkDocument();
    Pelm::Layer* layer = nullptr;
    if (index < 0 || !document || !document->at(static_cast<unsigned long>(index), &layer))
        return nullptr;
    return layer;
}

void LayerManager::renameCurrentLayerSlot()
{
    const int row = m_detailed_layers_list->getSelectedLayerIndex();
    if (!inkLayer(row))
        return;
    const std::optional<QString> entered = askTag(tr("Layer name:"), 20);
    Pelm::Layer* layer = inkLayer(row);
    if (!entered || !layer || !replaceTag(layer->annotations, *entered))
        return;
    if (QListWidgetItem* item = m_detailed_layers_list->item(row))
        item->setText(*entered);
    m_tagChanged = true;
    emit signalSaveEnable(true);
}

void LayerManager::showEditTagSlot()
{
    if (!inkDocument())
        return;
    const std::optional<QString> entered = askTag(tr("File tag:"), 256);
    Pelm::Document* document = inkDocument();
    if (!entered || !document || !replaceTag(document->annotations, *entered))
        return;
    m_tagChanged = true;
    setMainViewTitle();
    emit signalSaveEnable(true);
}
