// The editor page's layout: the sketch view takes the room, the tools below
// it only what their controls need, the split is the same for every sketch,
// and the page fits the view when a sketch opens.

#include "WindowTestSupport.h"

#include "Document.h"
#include "DocumentGraphicModel.h"
#include "DocumentSerializer.h"
#include "InkMLDefinitions.h"

#include <QGraphicsView>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>

using windowtest::WindowRig;

namespace {

// A sketch whose ink reaches far beyond the page, so that its scene is much
// larger than the paper.
bool writeWideSketch(const QString& path)
{
    Pelm::Stroke stroke;
    for (int i = 0; i <= 40; ++i)
        stroke.addElement(Pelm::Point(-3000.0 + 150.0 * i, 500.0 + 40.0 * i, 0, 500, 0, 0, 0ul));
    Pelm::Layer layer;
    layer.addElement(stroke);
    Pelm::Document document;
    document.addElement(layer);
    Pelm::DefaultInkMLDefinitions definitions;
    Pelm::DocumentSerializer writer(document);
    return writer.Serialize(QFile::encodeName(path).constData(), definitions);
}

// Where the editor's parts lie within the window.
struct EditorLayout {
    explicit EditorLayout(const LayerManager& editor)
        : split(editor.m_lm_splitter->sizes()),
          view(editor.m_layers_graphics_view->geometry()),
          tools(editor.m_groups_tab->geometry())
    {
    }
    bool operator==(const EditorLayout& other) const
    {
        return split == other.split && view == other.view && tools == other.tools;
    }
    QList<int> split;
    QRect view;
    QRect tools;
};

char* toString(const EditorLayout& layout)
{
    QString text;
    QDebug(&text) << layout.split << layout.view << layout.tools;
    return qstrdup(qPrintable(text));
}

} // namespace

class TestEditorLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void viewTakesTheRoom_data();
    void viewTakesTheRoom();
    void splitIsTheSameForEverySketch();
    void pageFitsTheViewOnOpening_data();
    void pageFitsTheViewOnOpening();
    void pageStaysFittedUntilZoomed();
    void everyOpeningInAFolderOfPagesFits();

private:
    bool openInEditor(const QString& name);

    std::unique_ptr<WindowRig> rig;
};

void TestEditorLayout::init()
{
    rig = std::make_unique<WindowRig>();
    QVERIFY(writeWideSketch(rig->sketch("wide.hlv")));
    ++rig->shownSketches;
    QVERIFY(rig->start());
    rig->window->resize(1300, 900);
    QTRY_COMPARE(rig->window->size(), QSize(1300, 900));
}

void TestEditorLayout::cleanup()
{
    rig.reset();
}

bool TestEditorLayout::openInEditor(const QString& name)
{
    if (rig->window->currentPage() == 1)
        rig->editor()->m_back2preview_btn->click();
    if (!rig->open(name))
        return false;
    QApplication::sendPostedEvents();
    return true;
}

void TestEditorLayout::viewTakesTheRoom_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("Scrubber") << 0;
    QTest::newRow("Player") << 1;
}

void TestEditorLayout::viewTakesTheRoom()
{
    QFETCH(int, tab);
    QVERIFY(openInEditor("a.hlv"));
    LayerManager* editor = rig->editor();
    editor->m_groups_tab->setCurrentIndex(tab);
    QApplication::sendPostedEvents();
    const int tools = editor->m_groups_tab->height();
    const int view = editor->m_stacked_wgt->height();
    QCOMPARE(tools, editor->m_groups_tab->sizeHint().height());
    QVERIFY2(view >= 4 * tools, qPrintable(QStringLiteral("view %1, tools %2").arg(view).arg(tools)));
    editor->m_groups_tab->setCurrentIndex(0);
}

void TestEditorLayout::splitIsTheSameForEverySketch()
{
    QVERIFY(openInEditor("a.hlv"));
    const EditorLayout first(*rig->editor());
    for (const char* name : {"wide.hlv", "c.wpi", "a.hlv"}) {
        QVERIFY(openInEditor(name));
        QCOMPARE(EditorLayout(*rig->editor()), first);
    }
}

void TestEditorLayout::pageFitsTheViewOnOpening_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::newRow("A4") << int(ApplSettings::A4) << int(ApplSettings::Portrait);
    QTest::newRow("Legal") << int(ApplSettings::Legal) << int(ApplSettings::Portrait);
    QTest::newRow("Letter, landscape") << int(ApplSettings::Letter) << int(ApplSettings::Landscape);
}

// Empty when the view shows its whole scene, meeting two sides of the view.
QString pageFitError(const QGraphicsView& view)
{
    const QRect shown = view.mapFromScene(view.scene()->sceneRect()).boundingRect();
    const QRect inside = view.viewport()->rect();
    const QString where = QStringLiteral("page at %1,%2 %3x%4 in %5x%6")
                              .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
                              .arg(inside.width()).arg(inside.height());
    if (!inside.adjusted(-1, -1, 1, 1).contains(shown))
        return where + QStringLiteral(": not inside");
    if (view.verticalScrollBar()->isVisible() || view.horizontalScrollBar()->isVisible())
        return where + QStringLiteral(": scroll bars");
    if (shown.height() < inside.height() - 3 && shown.width() < inside.width() - 3)
        return where + QStringLiteral(": not fitted");
    return QString();
}

void TestEditorLayout::pageFitsTheViewOnOpening()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    ApplSettings* settings = dialogtest::SettingsEnvironment::store();
    settings->setPaperSizeEnum(static_cast<ApplSettings::PaperSize>(paper));
    settings->setOrientation(static_cast<ApplSettings::Orientation>(orientation));

    QVERIFY(openInEditor("c.wpi"));
    QGraphicsView* view = rig->editor()->m_layers_graphics_view;
    QVERIFY2(pageFitError(*view).isEmpty(), qPrintable(pageFitError(*view)));

    settings->setPaperSizeEnum(ApplSettings::A4);
    settings->setOrientation(ApplSettings::Portrait);
}

void TestEditorLayout::pageStaysFittedUntilZoomed()
{
    QVERIFY(openInEditor("c.wpi"));
    QGraphicsView* view = rig->editor()->m_layers_graphics_view;
    // The window settles after the opening.
    rig->window->resize(1100, 760);
    QTRY_COMPARE(rig->window->size(), QSize(1100, 760));
    QApplication::sendPostedEvents();
    QVERIFY2(pageFitError(*view).isEmpty(), qPrintable(pageFitError(*view)));

    // A zoom the user chose stays.
    rig->action("m_actionZoom_In")->trigger();
    const QTransform zoomed = view->transform();
    rig->window->resize(1300, 900);
    QTRY_COMPARE(rig->window->size(), QSize(1300, 900));
    QApplication::sendPostedEvents();
    QCOMPARE(view->transform(), zoomed);
}

// In a folder of three pages the window's status bar changes as the editor
// page comes and goes; every sketch opened is fitted anew, not scaled on
// top of the fit of the one before.
void TestEditorLayout::everyOpeningInAFolderOfPagesFits()
{
    rig = std::make_unique<WindowRig>(windowtest::sketchNames(121));
    QVERIFY(rig->start());
    rig->window->resize(1300, 900);
    QTRY_COMPARE(rig->window->size(), QSize(1300, 900));
    for (const char* name : {"sketch_03.hlv", "sketch_17.hlv", "sketch_03.hlv"}) {
        QVERIFY(openInEditor(name));
        QGraphicsView* view = rig->editor()->m_layers_graphics_view;
        QVERIFY2(pageFitError(*view).isEmpty(), qPrintable(name + QStringLiteral(": ") + pageFitError(*view)));
    }
}

QTEST_MAIN(TestEditorLayout)
#include "tst_editorlayout.moc"
