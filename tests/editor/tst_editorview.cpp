// The editor view: zoom, rotation, keys, context menu, navigation and the
// player tab.

#include "EditorTestSupport.h"
#include "EnvironmentOverride.h"
#include "IEMailClient.h"
#include "PlayerDocument.h"
#include "RecordingFileManager.h"
#include "ScratchDir.h"
#include "SketchMail.h"
#include "WhenModal.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <cstdlib>
#include <functional>

using namespace editortest;

namespace {

QPointF firstInkPoint(const DocumentMetaData& record)
{
    Pelm::Layer layer;
    Pelm::Stroke stroke;
    Pelm::Point point;
    record.m_document->at(0, layer);
    layer.at(0, stroke);
    stroke.at(0, point);
    return QPointF(point.x.Get(), point.y.Get());
}

void rightClickAt(LayerManager& editor, const QPoint& global)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, editor.mapFromGlobal(global), global);
    QApplication::sendEvent(&editor, &event);
}

// Takes the mail in place of the mail program.
class RecordingMailer : public IEMailClient {
public:
    explicit RecordingMailer(int status) : status(status) {}
    int EmailAttachedDcoument(std::string path) override
    {
        paths.push_back(path);
        const QString attachment = QFile::decodeName(QByteArray::fromStdString(path));
        attachmentWasThere = QFile::exists(attachment);
        if (whileMailing)
            whileMailing(attachment);
        return status;
    }
    int status;
    std::vector<std::string> paths;
    bool attachmentWasThere = false;
    std::function<void(const QString&)> whileMailing;
};

// Answers the next file dialog with the path.
void answerFileDialog(const QString& path)
{
    testsupport::whenModal<QFileDialog>([path](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True when some pixel is the pen's red blended with white or the paper,
// and none carries another hue (the highlight's orange, the scrubber's
// blue): red on white keeps green and blue equal.
bool drawnInRedOnly(const QImage& picture)
{
    bool red = false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.alpha() == 0)
                continue;
            if (std::abs(c.green() - c.blue()) > 8)
                return false;
            red = red || c.red() - c.green() > 60;
        }
    return red;
}

} // namespace

class EditorViewTest : public QObject {
    Q_OBJECT

private slots:
    void zoomStopsBeyondItsLimits()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        for (int i = 0; i < 40; ++i)
            f.editor->zoomViewIn();
        const double largest = f.editor->fitScale();
        QVERIFY(largest > 10.0);
        QVERIFY(largest / 1.5 <= 10.0);
        QCOMPARE(f.editor->m_layers_graphics_view->transform().m11(), largest);

        for (int i = 0; i < 80; ++i)
            f.editor->zoomViewOut();
        const double smallest = f.editor->fitScale();
        QVERIFY(smallest < 0.06);
        QVERIFY(smallest / 0.6 >= 0.06);
    }

    void wheelStepsZoomByTheirOwnFactors()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        const double start = f.editor->fitScale();
        f.editor->verticalScrollBarMovedSlot(ZoomInStep);
        QCOMPARE(f.editor->fitScale(), start * double(1.1f));
        f.editor->verticalScrollBarMovedSlot(ZoomOutStep);
        QCOMPARE(f.editor->fitScale(), start * double(1.1f) * double(0.8f));
    }

    void rotationAsksToSaveWhileTheSketchIsTurned()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        QSignalSpy saveEnable(f.editor.get(), &LayerManager::signalSaveEnable);
        f.editor->rotateClockwise();
        f.editor->rotateClockwise();
        f.editor->rotateCounterclockwise();
        f.editor->rotateCounterclockwise();
        QCOMPARE(f.editor->getRotation(), 0);
        QCOMPARE(saveEnable.last()[0].toBool(), false);
        f.editor->rotateCounterclockwise();
        QCOMPARE(f.editor->getRotation(), -45);
        QCOMPARE(f.record->m_graphicModel->paintRotation(), -45);
        QVERIFY(f.editor->isDocumentChanged());

        EditorFixture g;
        g.open(numberedSketch({1}));
        QSignalSpy fullTurn(g.editor.get(), &LayerManager::signalSaveEnable);
        for (int i = 0; i < 8; ++i)
            g.editor->rotateClockwise();
        QCOMPARE(g.editor->getRotation(), 0);
        QCOMPARE(fullTurn.last()[0].toBool(), true);
    }

    void turningBackKeepsOtherChangesSavable()
    {
        EditorFixture f;
        f.open(numberedSketch({1, 1}));
        f.select({0});
        f.editor->deleteSelectedItems();
        QSignalSpy saveEnable(f.editor.get(), &LayerManager::signalSaveEnable);
        f.editor->rotateClockwise();
        f.editor->rotateCounterclockwise();
        QCOMPARE(saveEnable.last()[0].toBool(), true);
    }

    void backspaceLeavesUnlessASpinBoxHasTheFocus()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        QSignalSpy back(f.editor.get(), &LayerManager::backToPreviewTab);
        emit f.editor->m_left_spin->enableEnterKeyHandling(false);
        QTest::keyRelease(f.editor.get(), Qt::Key_Backspace);
        QCOMPARE(back.size(), 0);
        emit f.editor->m_left_spin->enableEnterKeyHandling(true);
        QTest::keyRelease(f.editor.get(), Qt::Key_Backspace);
        QCOMPARE(back.size(), 1);
    }

    void controlSwitchesWheelZoom()
    {
        EditorFixture f;
        QSignalSpy zoom(f.editor.get(), &LayerManager::switchZoomOnSignal);
        QTest::keyPress(f.editor.get(), Qt::Key_Control);
        QTest::keyRelease(f.editor.get(), Qt::Key_Control);
        QCOMPARE(zoom.size(), 2);
        QCOMPARE(zoom[0][0].toBool(), true);
        QCOMPARE(zoom[1][0].toBool(), false);
    }

    void contextMenuOnlyOverTheEditorView()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        f.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.editor.get()));
        QMenu* menu = f.editor->viewContextMenu();
        QGraphicsView* view = f.editor->m_layers_graphics_view;

        rightClickAt(*f.editor, f.editor->m_layer_manage_group->mapToGlobal(QPoint(5, 5)));
        QVERIFY(!menu->isVisible());
        rightClickAt(*f.editor, view->mapToGlobal(view->rect().center()));
        QVERIFY(menu->isVisible());
        menu->hide();

        f.editor->m_groups_tab->setCurrentIndex(1);
        rightClickAt(*f.editor, view->mapToGlobal(view->rect().center()));
        QVERIFY(!menu->isVisible());
    }

    void menuReturnsToThePreview()
    {
        EditorFixture f;
        QSignalSpy back(f.editor.get(), &LayerManager::backToPreviewTab);
        f.editor->viewContextMenu()->actions().first()->trigger();
        QCOMPARE(back.size(), 1);
    }

    void navigationPutsTheOpeningViewBack()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        const QTransform opened = f.editor->m_layers_graphics_view->transform();
        f.editor->zoomViewIn();
        f.editor->enableForwardButton(false);
        QCOMPARE(f.editor->m_layers_graphics_view->transform(), opened);
        QVERIFY(!f.editor->m_forward_btn->isEnabled());
        f.editor->zoomViewIn();
        f.editor->enableBackButton(true);
        QCOMPARE(f.editor->m_layers_graphics_view->transform(), opened);
        QVERIFY(f.editor->m_back_btn->isEnabled());
    }

    void playerTabPlaysACopyAndLeavesTheSketchInPlace()
    {
        EditorFixture f;
        f.open(numberedSketch({2, 1}));
        const QPointF before = firstInkPoint(*f.record.GetData());
        QSignalSpy toolBar(f.editor.get(), &LayerManager::signalToolBarEnable);
        QSignalSpy permit(f.editor.get(), &LayerManager::permitRmbClickSignal);

        f.editor->m_groups_tab->setCurrentIndex(1);
        QCOMPARE(f.editor->m_stacked_wgt->currentIndex(), 1);
        QVERIFY(!f.editor->m_layer_manage_group->isEnabled());
        QVERIFY(!f.editor->m_back_btn->isEnabled());
        QCOMPARE(toolBar.last()[0].toBool(), false);
        QCOMPARE(permit.last()[0].toBool(), false);
        QGraphicsScene* played = f.editor->m_player_view->scene();
        QVERIFY(played);
        QVERIFY(played != f.record->m_graphicModel.GetData());
        QCOMPARE(firstInkPoint(*f.record.GetData()), before);
        QVERIFY(!QApplication::overrideCursor());

        f.editor->backBtnClicked();
        QCOMPARE(f.editor->m_groups_tab->currentIndex(), 0);
        QCOMPARE(f.editor->m_stacked_wgt->currentIndex(), 0);
        QVERIFY(f.editor->m_layer_manage_group->isEnabled());
        QCOMPARE(toolBar.last()[0].toBool(), true);
        QCOMPARE(permit.last()[0].toBool(), true);
    }

    void mailsThePdfUnderItsOwnName()
    {
        EditorFixture f;
        testsupport::ScratchDir temp;
        testsupport::EnvironmentOverride tmpdir("TMPDIR", temp.path().c_str());
        f.record = recordOf(numberedSketch({1}), QString::fromUtf8("/sketches/Skizze \xc3\xa4.hlv"));
        f.editor->init(f.record);
        RecordingMailer mailer(0);
        QVERIFY(f.editor->emailDocumentasPDF(mailer));
        const QString pdf = mailAttachmentPath(*f.record.GetData());
        QCOMPARE(QFileInfo(pdf).fileName(), QString::fromUtf8("Skizze \xc3\xa4.hlv.pdf"));
        QCOMPARE(mailer.paths, std::vector<std::string>({QFile::encodeName(pdf).toStdString()}));
        QVERIFY(mailer.attachmentWasThere);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(f.environment.prompt.requests.isEmpty());
    }

    void mailFailuresAreReported()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        testsupport::ScratchDir temp;
        {
            testsupport::EnvironmentOverride tmpdir("TMPDIR", temp.path().c_str());
            RecordingMailer unreachable(-50);
            QVERIFY(!f.editor->emailDocumentasPDF(unreachable));
            QCOMPARE(f.environment.prompt.texts(), QStringList({"Unable to hand the document to Mail (error -50)."}));
            QVERIFY(!QFile::exists(mailAttachmentPath(*f.editor->getCurrentMetaDataPtr().GetData())));
        }
        f.environment.prompt.clear();
        // A folder in the attachment's place: no PDF can be written there.
        QVERIFY(QDir().mkpath(mailAttachmentPath(*f.editor->getCurrentMetaDataPtr().GetData())));
        RecordingMailer mailer(0);
        QVERIFY(!f.editor->emailDocumentasPDF(mailer));
        QVERIFY(mailer.paths.empty());
        QCOMPARE(f.environment.prompt.requests.size(), 1);
    }

    // What the editor writes out is the sketch's own ink in its pen: the
    // selection's highlight and the scrubber's colours stay on the screen.
    void exportsDrawTheSketchsOwnInk_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("scrubbed");
        QTest::newRow("SVG of a selected layer") << "svg" << false;
        QTest::newRow("SVG of a scrubbed range") << "svg" << true;
        QTest::newRow("PNG of a selected layer") << "png" << false;
        QTest::newRow("PNG of a scrubbed range") << "png" << true;
    }

    void exportsDrawTheSketchsOwnInk()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, scrubbed);
        EditorFixture f;
        f.open(numberedSketch({4, 3}));
        f.select({0});
        if (scrubbed) {
            f.editor->m_left_spin->setValue(1);
            f.editor->m_right_spin->setValue(3);
        }
        const QColor shownLayer = f.group(0)->paintFormat().penColor();
        const QList<QColor> shownStrokes = strokeColours(*f.group(0));
        testsupport::ScratchDir out;
        const QString path = QString::fromStdString(out.file("sketch." + suffix.toStdString()));
        answerFileDialog(path);

        f.editor->saveAsDifferentFormatSlot();

        if (suffix == "svg") {
            const QByteArray svg = contentOf(path);
            QVERIFY(svg.contains("#ff0000"));
            for (const char* other : {"#ff8c00", "#0000ff", "#c8c8c8"})
                QVERIFY2(!svg.contains(other), other);
        } else {
            QVERIFY(drawnInRedOnly(QImage(path)));
        }
        QCOMPARE(f.group(0)->paintFormat().penColor(), shownLayer);
        QCOMPARE(f.group(0)->drawMode(),
                 scrubbed ? GraphicsItemsGroup::StrokePenMode : GraphicsItemsGroup::LayerPenMode);
        QCOMPARE(strokeColours(*f.group(0)), shownStrokes);
        QVERIFY(f.list().item(0)->isSelected());
    }

    void leftoverMailAttachmentIsReportedUnderTheProgramsTitle()
    {
        EditorFixture f;
        f.open(numberedSketch({1}));
        testsupport::ScratchDir temp;
        testsupport::EnvironmentOverride tmpdir("TMPDIR", temp.path().c_str());
        RecordingMailer mailer(0);
        // A folder in the attachment's place cannot be removed as a file.
        mailer.whileMailing = [](const QString& attachment) {
            QFile::remove(attachment);
            QDir().mkpath(attachment + "/inside");
        };
        QVERIFY(f.editor->emailDocumentasPDF(mailer));
        QCOMPARE(f.environment.prompt.requests.size(), 1);
        QCOMPARE(f.environment.prompt.requests[0].title, QString("Scrivet Dravello"));
        QVERIFY(f.environment.prompt.requests[0].text.startsWith("Cannot delete file : "));
    }

    void exportMenuListsTheKnownApplications()
    {
        EditorFixture f;
        const QList<QAction*> actions = f.editor->viewContextMenu()->actions();
        QCOMPARE(actions.at(actions.size() - 2)->text(), QString("&Save Document as Different Format"));
        // The test's system root has no applications installed.
        QVERIFY(ApplSettings::instance()->getExportingAppsList().isEmpty());
        QVERIFY(actions.last()->isSeparator());
    }

    void openFileLocationShowsTheSketchInItsFolder()
    {
        EditorFixture f;
        testsupport::RecordingFileManager fileManager;
        QVERIFY(!f.editor->openFileLocation(fileManager));
        f.open(numberedSketch({1}));
        QVERIFY(f.editor->openFileLocation(fileManager));
        QCOMPARE(fileManager.shown, QStringList{"/sketches/a.hlv"});
    }
};

QTEST_MAIN(EditorViewTest)
#include "tst_editorview.moc"
