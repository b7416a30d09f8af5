// Status bar, page switching and the enabling of actions.

#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "ApplicationLook.h"
#include "KeyboardTrackingSlider.h"
#include "PagesStrip.h"
#include "PreviewThumbnailList.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSpacerItem>
#include <QStatusBar>
#include <QToolButton>

#include <utility>

namespace {

// Keeps the widget's updates off while it lives.
class UpdatesOff {
public:
    explicit UpdatesOff(QWidget* widget) : m_widget(widget) { m_widget->setUpdatesEnabled(false); }
    ~UpdatesOff() { m_widget->setUpdatesEnabled(true); }
    UpdatesOff(const UpdatesOff&) = delete;
    UpdatesOff& operator=(const UpdatesOff&) = delete;

private:
    QWidget* m_widget;
};

QToolButton* zoomButton(QWidget* parent, const char* name, const char* icon)
{
    QToolButton* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIconSize(QSize(24, 24));
    button->setFixedSize(24, 24);
    button->setIcon(QIcon(icon));
    return button;
}

bool isEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

void MainWindow::addStatusBarWidgets()
{
    QStatusBar* bar = statusBar();
    m_progressBar = new QProgressBar(bar);
    m_progressBar->setFixedWidth(100);
    m_progressBar->setRange(0, 100);

    m_zoomSlider = new KeyboardTrackingSlider(bar);
    m_zoomSlider->setObjectName("zoomHSlider");
    m_zoomSlider->setMinimumSize(250, 20);
    m_zoomSlider->setMaximumSize(350, 20);
    m_zoomSlider->setRange(120, 420);
    m_zoomSlider->setSingleStep(5);
    m_zoomSlider->setPageStep(20);
    m_zoomSlider->setSliderPosition(270);
    m_zoomSlider->setOrientation(Qt::Horizontal);
    m_zoomSlider->setToolTip(tr("Zoom in or out"));

    m_zoomOutButton = zoomButton(bar, "m_thumbs_zoom_out",
                                 ":/tolbar/Resources/tool icons/64X64/active/zoomOut_active.png");
    m_zoomInButton = zoomButton(bar, "m_thumbs_zoom_in",
                                ":/tolbar/Resources/tool icons/64X64/active/zoomIn_active.png");
    connect(m_zoomOutButton, &QToolButton::clicked, this, &MainWindow::thumbsZoomMinusSlot);
    connect(m_zoomInButton, &QToolButton::clicked, this, &MainWindow::thumbsZoomPlusSlot);
    PreviewThumbnailList* thumbnails = ui->m_pieces_list;
    connect(thumbnails, &PreviewThumbnailList::zoomSliderPosition, this,
            &MainWindow::On_ZoomSliderPosition);
    connect(m_zoomSlider, &QSlider::sliderMoved, thumbnails, &PreviewThumbnailList::sliderMovedSlot);
    connect(m_zoomSlider, &KeyboardTrackingSlider::sliderEvent, thumbnails,
            &PreviewThumbnailList::handleZoomSliderKeyEvent);
    connect(thumbnails, &PreviewThumbnailList::emitSetPagesStripInfo, this,
            &MainWindow::setPagesStripInfo);

    m_batteryLabel = new QLabel(bar);
    m_pagesStrip = new PagesStrip(bar);
    connect(m_pagesStrip, &PagesStrip::pageSelectionChange, thumbnails,
            &PreviewThumbnailList::handlePageSelectionClick);
    connect(thumbnails, &PreviewThumbnailList::emitSetPagesStripVisible, this,
            &MainWindow::setPagesStripVisible);

    QWidget* container = new QWidget(bar);
    QHBoxLayout* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_batteryLabel, 0, Qt::AlignLeft);
    layout->addItem(new QSpacerItem(2 * width() / 5, 0, QSizePolicy::Expanding,
                                    QSizePolicy::MinimumExpanding));
    QHBoxLayout* zoomAndPages = new QHBoxLayout;
    QHBoxLayout* zoom = new QHBoxLayout;
    zoom->addWidget(m_zoomOutButton);
    zoom->addWidget(m_zoomSlider);
    zoom->addWidget(m_zoomInButton);
    zoomAndPages->addLayout(zoom);
    zoomAndPages->addWidget(m_pagesStrip);
    layout->addLayout(zoomAndPages);
    bar->addWidget(container, 0);
    bar->addPermanentWidget(m_progressBar, 0);

    setPagesStripVisible(false);
    setEnabledZoomSlider(false);
    m_progressBar->hide();
    // The start folder was listed before the strip was connected.
    thumbnails->announcePages();
}

void MainWindow::currentTabChanged(int index)
{
    QMenuBar* bar = menuBar();
    bar->clear();
    const bool editor = index != 0;
    m_currentPage = editor ? 1 : 0;
    ui->actionDelete->setEnabled(!editor);
    bar->addMenu(ui->menuFile);
    bar->addMenu(editor ? ui->menuEdit : ui->menuView);
    bar->addMenu(editor ? ui->menuView : ui->menuSettings);
    bar->addMenu(ui->menuHelp);
    switchToolbarButtons(editor);

    for (QWidget* control : {static_cast<QWidget*>(m_zoomSlider),
                             static_cast<QWidget*>(m_zoomOutButton),
                             static_cast<QWidget*>(m_zoomInButton)}) {
        if (control)
            control->setVisible(!editor);
    }
    if (m_zoomSlider && m_zoomOutButton && m_zoomInButton)
        setEnabledZoomSlider(!editor);
    if (!editor && m_pagesStrip && m_pagesStrip->pageCount() > 1)
        setPagesStripVisible(true);
    ui->m_maintab_wgt->setCurrentIndex(m_currentPage);
}

void MainWindow::switchToolbarButtons(bool editor)
{
    const QList<QAction*> entries = ui->toolBar->actions();
    for (int position = 5; position <= 10 && position < entries.size(); ++position)
        entries[position]->setVisible(editor);
    ui->actionBack->setVisible(!editor);
    ui->actionForward->setVisible(!editor);
    ui->m_actionRotate_Clockwise->setVisible(editor);
    ui->m_actionRotate_Contrclockwise->setVisible(editor);
    ui->actionPreferences->setEnabled(m_currentPage == 0);
    if (entries.size() > 2)
        entries[2]->setVisible(editor);
    // Forward and Save as Different Format share Ctrl+F; an ambiguous key
    // reaches neither, so it goes to Forward while Forward is shown.
    ui->actionExport_as_DifferentFormat->setShortcut(editor ? ui->actionForward->shortcut()
                                                            : QKeySequence());
}

void MainWindow::setEnabledZoomSlider(bool value)
{
    UpdatesOff updatesOff(statusBar());
    const bool pagesShown = m_pagesStrip->isVisibleTo(statusBar()) && m_pagesStrip->pageCount() > 1;
    for (QWidget* control : {static_cast<QWidget*>(m_zoomSlider),
                             static_cast<QWidget*>(m_zoomOutButton),
                             static_cast<QWidget*>(m_zoomInButton)}) {
        control->setVisible(pagesShown || value);
        control->setEnabled(value);
    }
}

void MainWindow::setPagesStripVisible(bool isVisible)
{
    UpdatesOff updatesOff(statusBar());
    // Not on the editor page; going back to the browser shows it again.
    if (!isVisible || m_currentPage != 0) {
        m_pagesStrip->hide();
        return;
    }
    const QList<QWidget*> zoomControls{m_zoomOutButton, m_zoomSlider, m_zoomInButton};
    for (QWidget* control : zoomControls)
        control->hide();
    m_pagesStrip->show();
    for (QWidget* control : zoomControls)
        control->show();
}

void MainWindow::setPagesStripInfo(unsigned int firstPos, unsigned int lastPos,
                                   unsigned int totlaFilesCount, bool resetData)
{
    if (resetData)
        m_pagesStrip->resetData();
    m_pagesStrip->setControlData(firstPos, lastPos, totlaFilesCount);
}

void MainWindow::setFilesProgressBarRange(int value)
{
    {
        UpdatesOff updatesOff(statusBar());
        if (value != 0) {
            m_progressBar->reset();
            m_progressBar->show();
            m_progressBar->setValue(0);
            m_progressBar->setRange(0, value);
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            m_progressBar->hide();
        }
        applyApplicationLook(kStartStyleSheet);
        setEnabledZoomSlider(false);
    }
    QApplication::restoreOverrideCursor();
}

void MainWindow::setFilesProgressBarValue()
{
    m_progressBar->setValue(m_progressBar->value() + 1);
    if (m_progressBar->value() >= m_progressBar->maximum()) {
        UpdatesOff updatesOff(statusBar());
        m_progressBar->hide();
    }
}

void MainWindow::loaderFinishedWorkSlot()
{
    {
        UpdatesOff updatesOff(statusBar());
        m_progressBar->hide();
        applyApplicationLook(kAlternativeStyleSheet);
        setEnabledZoomSlider(m_currentPage == 0);
    }
    QApplication::restoreOverrideCursor();
}

void MainWindow::On_FirstThumbnailSelected(QListWidgetItem* current, QListWidgetItem* previous)
{
    Q_UNUSED(previous);
    const bool enable = current != nullptr;
    for (QAction* action : {ui->m_actionSave_As, ui->actionDelete,
                            ui->actionExport_as_DifferentFormat, ui->actionEmail, ui->actionPrint})
        action->setEnabled(enable);
    if (m_exportMenu)
        m_exportMenu->setEnabled(enable);
    static const char* const exportNames[] = {"illustrator", "photoshop", "alias", "sketchbook"};
    for (QAction* action : ui->toolBar->actions()) {
        for (const char* name : exportNames) {
            if (action->text().contains(QLatin1String(name), Qt::CaseInsensitive)) {
                action->setEnabled(enable);
                break;
            }
        }
    }
}

void MainWindow::On_CanUndoChanged(bool canUndo)
{
    ui->m_actionUndo->setEnabled(canUndo);
    ui->m_actionSave->setEnabled(canUndo);
}

void MainWindow::On_CanRedoChanged(bool canRedo)
{
    ui->m_actionRedo->setEnabled(canRedo);
}

void MainWindow::slotSaveEnable(bool enable)
{
    ui->m_actionSave->setEnabled(enable);
}

void MainWindow::toolBarEnableSlot(bool enabled)
{
    ui->toolBar->setEnabled(enabled);
}

void MainWindow::On_ZoomSliderPosition(int position)
{
    m_zoomSlider->setValue(position);
}

void MainWindow::thumbsZoomMinusSlot()
{
    stepThumbnailZoom(-1);
}

void MainWindow::thumbsZoomPlusSlot()
{
    stepThumbnailZoom(1);
}

void MainWindow::stepThumbnailZoom(int step)
{
    const int value = m_zoomSlider->value() + step;
    m_zoomSlider->setValue(value);
    ui->m_pieces_list->handleZoomSliderKeyEvent(value, Qt::SmoothTransformation);
}

void MainWindow::enterKeyHandlingSlot(bool enable)
{
    m_enterKeyHandling = enable;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (isEnterKey(event))
        m_enterPressedHere = true;
    QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (m_currentPage == 0 && isEnterKey(event)) {
        // The press of an Enter whose release arrives here alone confirmed a
        // dialog that has closed meanwhile: that Enter opens nothing.
        const bool pressedHere = std::exchange(m_enterPressedHere, false);
        if (!m_enterKeyHandling)
            m_enterKeyHandling = true;
        else if (pressedHere)
            ui->m_pieces_list->selectThumbnail();
    }
    QMainWindow::keyReleaseEvent(event);
}
