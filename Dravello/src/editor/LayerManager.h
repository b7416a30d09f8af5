#ifndef DRAVELLO_EDITOR_LAYERMANAGER_H
#define DRAVELLO_EDITOR_LAYERMANAGER_H

#include "GraphicsItemsGroup.h"
#include "GuiSlices.h"
#include "MetadataPtr.h"
#include "PaintFormat.h"
#include "ZoomingScrollBar.h"
#include "ui_LayerManager.h"

#include <QColor>
#include <QList>
#include <QTransform>
#include <QUndoStack>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class ApplSettings;
class ExportFormats;
class FileManager;
class IEMailClient;
class DocumentGraphicModel;
class DocumentMetaData;
class QListWidgetItem;
class QMenu;
class SceneBounds;
class ScenePicture;
class UndoParentCommand;

namespace Pelm {
class Document;
class Layer;
}

// The editor page of the main window: the layers of one sketch as a
// checkable list beside the sketch's scene. Checked rows are drawn, selected
// rows are edited; with one layer selected the scrubber picks a run of its
// strokes. Split, merge and delete are steps on the editor's own undo stack.
// The form's widgets are reached by their object names (m_back_btn, ...).
class LayerManager : public QWidget, public Ui::LayerManager {
    Q_OBJECT

public:
    explicit LayerManager(QWidget* parent = nullptr);
    ~LayerManager() override;

    // Opens the sketch: shares the record, clears the undo stack, rebuilds
    // list and view and fits the sketch into the view. The sketch shown
    // before goes as closeSketch() lets it go.
    void init(MetadataPtr record);
    // Lets go of the sketch (and the player's copy of it): the undo steps,
    // the view's scene and the layer rows go; the record's scene is deleted
    // a slice at a time and its ink off the GUI thread.
    void closeSketch();
    // No sketch, and the title of the file about to be shown.
    void showOpening(const QString& path);
    // Rebuilds list, icons and view; true when the list signals were
    // connected. fit: scales the view to show the whole scene.
    bool buildLM(bool fit);
    // The layer icons and names of every row, from the current scene and
    // document.
    void buildThumbnails();
    // Enables the layer tools for the selection and redraws the layers.
    void updateAll();
    void updateLayerViewerWithCheckedItemsForView(const QList<int>& checked);
    void updateLayerViewerWithSelectedItemsForEdit(const QList<int>& selected);
    // Colours the strokes of the selected layers by the scrubber handles.
    void updateEditorView(GraphicsItemsGroup::DrawStrokeMode mode);
    void readDefaultFormatSettings();
    void initScruber();
    void resetDataMembers();
    // Disables the delete, merge and split buttons.
    void resetLayerTools();
    void connectDetailedLayerList(bool on);

    // Forgets the undo steps, the rotation and the name and tag changes.
    void clearUndo();
    bool isDocumentChanged() const;
    // A new reference to the edited sketch (empty when none).
    MetadataPtr getCurrentMetaDataPtr();
    // Disconnects the list signals and unchecks every row.
    void cleanBeforeClose();

    QUndoStack* undoStack() { return &m_undoStack; }
    ListWidgetPelm* layerList() const { return m_detailed_layers_list; }
    QMenu* viewContextMenu() const { return m_viewMenu; }
    int leftPosition() const { return m_left; }
    int rightPosition() const { return m_right; }
    double fitScale() const { return m_fitScale; }

    bool emailDocumentasPDF(IEMailClient& mailer);
    // Shows the sketch in its folder through `fileManager`; false without a
    // sketch or when the request could not go out.
    bool openFileLocation(FileManager& fileManager);

    // Builds and pushes the split of `row` into `parts` (2 or 3) layers.
    void splitLayer(int row, int parts);
    // Builds and pushes the merge of the rows, given highest first.
    void mergeListLayers(const QList<int>& rows);
    // Appends the strokes of source to target.
    static void buildMergedLayer(const Pelm::Layer& source, Pelm::Layer& target);

    // The edited sketch. The main window may replace it with an empty pointer.
    MetadataPtr m_currentMetaData;

public slots:
    void rightPos(int value);
    void leftPos(int value);
    void gotoRightSliderSlot(int value);
    void gotoLeftSliderSlot(int value);
    void updateItemsSelection();
    void itemCheckedByUser(QListWidgetItem* item);
    void undoCommandSlot(int redone);
    void saveDocumentSlot();
    void saveDocumentAsSlot();
    void renameCurrentLayerSlot();
    void showEditTagSlot();
    int getRotation() const { return m_rotation; }

    void createLayersFromScrubberSlot();
    void mergeLayersSlot();
    void deleteSelectedItems();
    void deleteItemSlot();

    void zoomViewInSlot();
    void zoomViewOutSlot();
    void zoomViewIn();
    void zoomViewOut();
    void zoomViewInLowLevel(float factor);
    void zoomViewOutLowLevel(float factor);
    void verticalScrollBarMovedSlot(ZoomAction action);
    void rotateClockwiseSlot();
    void rotateCounterclockwiseSlot();
    void rotateClockwise();
    void rotateCounterclockwise();
    void enableForwardButton(bool enable);
    void enableBackButton(bool enable);
    void backBtnClicked();
    void setHandleBackspace(bool handle);
    void currentStackedWidgetChangedSlot(int tab);
    void openFileLocationSlot();
    void saveAsDifferentFormatSlot();
    void exportPsSlot();
    void exportAiSlot();
    void exportSBPSlot();
    void exportASSlot();
    // Mails the sketch as a PDF; false when the PDF could not be written or
    // the mail program not reached.
    bool emailDocumentasPDF();

signals:
    void permitRmbClickSignal(bool permitted);
    void switchZoomOnSignal(bool zoomOn);
    void resetSelectedLayersSignal();
    void signalToolBarEnable(bool enable);
    void signalSaveEnable(bool enable);
    void saveDocument();
    void saveDocumentAs();
    void backToPreviewTab();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    DocumentMetaData* sketch() const { return m_currentMetaData.GetData(); }
    DocumentGraphicModel* sceneModel() const;
    Pelm::Document* inkDocument() const;
    bool connectListSignals();
    void disconnectListSignals();
    void setAllRowsChecked(bool checked);
    // Every row's layer drawn alone on the paper as its icon: at once, or a
    // slice at a time for a scene too big to draw at once.
    void drawLayerIcons();
    bool drawLayerIconsUntil(const QDeadlineTimer& deadline);
    void fitViewToScene(bool fit);
    void layOutWindowNow();
    void fitPageIntoView();
    void setMainViewTitle();
    void setTitle(const QString& path, const Pelm::Document* document);
    using Annotations = std::map<std::string, std::string>;
    // The text entered in the tag dialog; nothing when it was cancelled.
    std::optional<QString> askTag(const QString& label, int maxLength);
    // Sets the "tag" annotation (made when missing); true when it changed.
    static bool replaceTag(Annotations& annotations, const QString& entered);
    Pelm::Layer* inkLayer(int index) const;
    void pushLayerStep(UndoParentCommand* step);
    void runLayerOperation(const std::function<void()>& operation);
    void warn(const QString& text);
    void rotateBy(int step);
    void zoomView(double factor, double direction);
    void createViewLayerMenu();
    void handSketchToPlayer();
    void addExportMenu();
    // Runs an export with a new reference to the sketch, under the wait cursor.
    void handOff(bool (ExportFormats::*exporter)(MetadataPtr));

    QTransform m_rememberedMatrix;
    ApplSettings* m_settings;
    QList<GraphicsItemsGroup*> m_layerGroups;
    PaintFormat m_defaultFormat;
    PaintFormat m_highlightFormat;
    QColor m_scrubberLeftColor;
    QColor m_scrubberMiddleColor;
    QColor m_scrubberRightColor;
    int m_strokeCount = 0;
    int m_scrubberMaximum = 0;
    int m_left = 0;
    int m_right = 0;
    double m_fitScale = 1.0;
    // The view shows the page as fitted on opening: no zoom since.
    bool m_pageFitted = false;
    int m_rotation = 0;
    bool m_tagChanged = false;
    QList<int> m_selectedRows;
    QSize m_iconSize{-1, -1};
    // The icons being drawn: the scene's area they show and the next
    // layer's.
    std::unique_ptr<SceneBounds> m_iconSource;
    int m_iconLayer = 0;
    std::unique_ptr<ScenePicture> m_iconPicture;
    GuiSlices m_iconSlices;
    QUndoStack m_undoStack;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_exportMenu = nullptr;
    bool m_handleBackspace = true;

    static const int m_rotate_step = 45;
};

#endif
