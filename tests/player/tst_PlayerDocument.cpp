// The stroke player: frames of a centred sketch copy, playing, speed, zoom,
// fitting the paper into the view, and handing the view back.

#include "BackgroundLayerPath.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "GraphicsInkPathItem.h"
#include "GraphicsItemsGroup.h"
#include "PlayerDocument.h"
#include "SketchTestSupport.h"

#include <QGraphicsView>
#include <QTimeLine>
#include <QtTest>

#include <memory>

using namespace sketchtest;

namespace {

const QString kPenKey = QStringLiteral("visuality_properties/default_pen");

// Two layers: three strokes, then two.
SketchSpec fiveStrokes()
{
    auto stroke = [](double y) { return StrokeSpec{{100, y, 300}, {400, y, 300}}; };
    return {{stroke(100), stroke(200), stroke(300)}, {stroke(400), stroke(500)}};
}

// The editor's source record of the sketch, turned by `rotation` degrees.
std::unique_ptr<DocumentMetaData> editorRecord(const SketchSpec& sketch, int rotation = 0)
{
    auto record = std::make_unique<DocumentMetaData>(QStringLiteral("/sketches/boats.wpi"));
    record->m_document = DocumentMetaData::DocumentPtr(new Pelm::Document(makeDocument(sketch)));
    if (!record->buildScene())
        throw std::runtime_error("cannot build the scene");
    if (rotation != 0)
        record->m_graphicModel->setPaintRotation(rotation);
    return record;
}

// What the editor hands the player: a centred copy.
MetadataPtr playerCopy(const SketchSpec& sketch, int rotation = 0)
{
    return MetadataPtr(new DocumentMetaData(*editorRecord(sketch, rotation), true));
}

DocumentGraphicModel& sceneOf(const MetadataPtr& sketch) { return *sketch->m_graphicModel.GetData(); }

QList<GraphicsInkPathItem*> strokesOf(const MetadataPtr& sketch)
{
    QList<GraphicsInkPathItem*> strokes;
    for (GraphicsItemsGroup* group : sceneOf(sketch).layerGroups())
        for (QGraphicsItem* child : group->strokes())
            strokes << qgraphicsitem_cast<GraphicsInkPathItem*>(child);
    return strokes;
}

// How many strokes are drawn, checking that they are the first ones.
int shownStrokes(const MetadataPtr& sketch)
{
    int shown = 0;
    bool hiddenSeen = false;
    for (const GraphicsInkPathItem* stroke : strokesOf(sketch)) {
        const bool visible = stroke->paintFormat().penColor().alpha() > 0;
        if (visible && hiddenSeen)
            return -1;
        hiddenSeen = hiddenSeen || !visible;
        shown += visible;
    }
    return shown;
}

int paperItems(const QGraphicsScene& scene)
{
    int count = 0;
    for (const QGraphicsItem* item : scene.items())
        count += item->type() == BackgroundLayerPath::Type;
    return count;
}

bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                return true;
    return false;
}

template <typename T>
T* child(PlayerDocument& player, const char* name)
{
    T* found = player.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no widget ") + name);
    return found;
}

QTimeLine* timeLineOf(PlayerDocument& player) { return player.findChild<QTimeLine*>(); }

// A player, the view it draws in (smaller than A4 at scale 1) and a sketch copy.
struct PlayerBench {
    explicit PlayerBench(const SketchSpec& drawing = fiveStrokes(), int rotation = 0)
        : sketch(playerCopy(drawing, rotation))
    {
        view.resize(420, 297);
    }

    bool init() { return player.init(sketch, &view); }
    QSlider* frames() { return child<QSlider>(player, "m_player_slider"); }
    QSlider* speed() { return child<QSlider>(player, "m_speed_slider"); }
    QSlider* zoom() { return child<QSlider>(player, "m_zoom_slider"); }
    QPushButton* play() { return child<QPushButton>(player, "m_player_play_stop_btn"); }
    bool stepControlsEnabled()
    {
        return frames()->isEnabled() && child<QPushButton>(player, "m_player_first_btn")->isEnabled() &&
            child<QPushButton>(player, "m_player_prev_btn")->isEnabled() &&
            child<QPushButton>(player, "m_player_next_btn")->isEnabled() &&
            child<QPushButton>(player, "m_player_last_btn")->isEnabled();
    }
    bool looksStopped() { return play()->toolTip() == QLatin1String("Play") && stepControlsEnabled(); }
    bool running() { return timeLineOf(player)->state() == QTimeLine::Running; }

    QGraphicsView view;
    PlayerDocument player;
    MetadataPtr sketch;
};

} // namespace

class PlayerDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(player); }

    void buttonsShowTheirIcons()
    {
        SketchEnvironment environment;
        PlayerDocument player;
        for (const QAbstractButton* button : player.findChildren<QAbstractButton*>()) {
            QVERIFY2(hasInk(button->icon().pixmap(24, 24).toImage()), qPrintable(button->objectName()));
        }
    }

    void initShowsFrameZeroOnTheCheckerboard()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());

        DocumentGraphicModel& scene = sceneOf(bench.sketch);
        QCOMPARE(bench.view.scene(), &scene);
        QCOMPARE(paperItems(scene), 0);
        QCOMPARE(bench.frames()->minimum(), 0);
        QCOMPARE(bench.frames()->maximum(), 5);
        QCOMPARE(bench.frames()->value(), 0);
        QCOMPARE(shownStrokes(bench.sketch), 0);
        for (const GraphicsItemsGroup* group : scene.layerGroups()) {
            QCOMPARE(group->drawMode(), GraphicsItemsGroup::StrokePenMode);
            QVERIFY(group->isPainted());
        }
        for (const GraphicsInkPathItem* stroke : strokesOf(bench.sketch))
            QCOMPARE(stroke->paintFormat().width(), 3.0);

        QTimeLine* timeLine = timeLineOf(bench.player);
        QCOMPARE(timeLine->duration(), 1000);
        QCOMPARE(timeLine->startFrame(), 0);
        QCOMPARE(timeLine->endFrame(), 5);

        QCOMPARE(bench.view.cacheMode(), QGraphicsView::CacheBackground);
        const QImage checker = bench.view.backgroundBrush().texture().toImage();
        QCOMPARE(checker.size(), QSize(256, 256));
        QCOMPARE(checker.pixelColor(0, 0), QColor(230, 230, 230));
        QCOMPARE(checker.pixelColor(127, 127), QColor(230, 230, 230));
        QCOMPARE(checker.pixelColor(128, 0), QColor(Qt::white));
        QCOMPARE(checker.pixelColor(0, 128), QColor(Qt::white));
        QCOMPARE(checker.pixelColor(255, 255), QColor(230, 230, 230));
    }

    void initRefusesWhatItCannotShow()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(!bench.player.init(bench.sketch, nullptr));
        QVERIFY(!timeLineOf(bench.player));
        QCOMPARE(bench.frames()->maximum(), 99);

        // A record whose file could not be read has no scene.
        MetadataPtr unread(new DocumentMetaData(QStringLiteral("/sketches/missing.wpi")));
        QVERIFY(!bench.player.init(unread, &bench.view));
        QCOMPARE(bench.frames()->maximum(), 0);
        bench.player.playStopPlayerSlot();
        QVERIFY(bench.looksStopped());
    }

    void copyKeepsItsTurnInThePlayer()
    {
        SketchEnvironment environment;
        PlayerBench bench(fiveStrokes(), 90);
        QVERIFY(bench.init());
        QCOMPARE(sceneOf(bench.sketch).paintRotation(), 90);
        for (const GraphicsInkPathItem* stroke : strokesOf(bench.sketch))
            QCOMPARE(stroke->paintRotation(), 90);
    }

    void framesShowTheFirstStrokes_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("slider");
        QTest::newRow("none") << 0 << 0 << 0;
        QTest::newRow("inside the first layer") << 2 << 2 << 2;
        QTest::newRow("first layer complete") << 3 << 3 << 3;
        QTest::newRow("into the second layer") << 4 << 4 << 4;
        QTest::newRow("all") << 5 << 5 << 5;
        QTest::newRow("before the first") << -1 << 0 << 0;
        QTest::newRow("past the last") << 6 << 5 << 5;
    }

    void framesShowTheFirstStrokes()
    {
        QFETCH(int, frame);
        QFETCH(int, shown);
        QFETCH(int, slider);
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        bench.player.updatePlayer(frame);
        QCOMPARE(shownStrokes(bench.sketch), shown);
        QCOMPARE(bench.frames()->value(), slider);
        for (const GraphicsInkPathItem* stroke : strokesOf(bench.sketch).mid(0, shown))
            QCOMPARE(stroke->paintFormat().penColor(), configuredInk());
    }

    void stepButtonsMoveOneStroke()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        child<QPushButton>(bench.player, "m_player_next_btn")->click();
        child<QPushButton>(bench.player, "m_player_next_btn")->click();
        QCOMPARE(shownStrokes(bench.sketch), 2);
        // After a jump to frame 2 the rest of the replay takes three strokes' time.
        QCOMPARE(timeLineOf(bench.player)->duration(), 600);
        QCOMPARE(timeLineOf(bench.player)->startFrame(), 2);
        child<QPushButton>(bench.player, "m_player_prev_btn")->click();
        QCOMPARE(shownStrokes(bench.sketch), 1);
        child<QPushButton>(bench.player, "m_player_last_btn")->click();
        QCOMPARE(shownStrokes(bench.sketch), 5);
        child<QPushButton>(bench.player, "m_player_first_btn")->click();
        QCOMPARE(shownStrokes(bench.sketch), 0);
        QCOMPARE(bench.frames()->value(), 0);
    }

    void playRunsToTheEndAndStops()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        bench.speed()->setValue(20);
        bench.player.updatePlayer(1);

        bench.play()->click();
        QVERIFY(bench.running());
        QCOMPARE(bench.play()->toolTip(), QStringLiteral("Pause"));
        QVERIFY(!bench.stepControlsEnabled());
        QCOMPARE(timeLineOf(bench.player)->duration(), 80);

        QTRY_VERIFY_WITH_TIMEOUT(!bench.running(), 5000);
        QVERIFY(bench.looksStopped());
        QCOMPARE(bench.frames()->value(), 5);
        QCOMPARE(shownStrokes(bench.sketch), 5);

        // At the end, Play leaves the player stopped ...
        bench.play()->click();
        QVERIFY(!bench.running());
        QVERIFY(bench.looksStopped());
        // ... and plays at once once the slider is back.
        bench.player.sliderMovedSlot(3);
        QCOMPARE(shownStrokes(bench.sketch), 3);
        bench.play()->click();
        QVERIFY(bench.running());
        QCOMPARE(timeLineOf(bench.player)->startFrame(), 3);
    }

    void pauseKeepsTheFrameReached()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        bench.player.updatePlayer(2);
        bench.play()->click();
        bench.play()->click();
        QVERIFY(!bench.running());
        QVERIFY(bench.looksStopped());
        QCOMPARE(bench.frames()->value(), 2);
    }

    void sketchWithoutStrokesStaysStopped()
    {
        SketchEnvironment environment;
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        PlayerBench bench(SketchSpec{LayerSpec{}});
        QVERIFY(bench.init());
        QCOMPARE(bench.frames()->maximum(), 0);
        bench.play()->click();
        QVERIFY(!bench.running());
        QVERIFY(bench.looksStopped());
        bench.player.gotoNextStrokePlayerSlot();
        bench.player.increasePlayerSpeedSlot();
        QCOMPARE(bench.frames()->value(), 0);
    }

    void speedButtonsStepAndClamp_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("faster");
        QTest::addColumn<int>("msPerStroke");
        QTest::newRow("faster") << 200 << true << 185;
        QTest::newRow("slower") << 200 << false << 215;
        QTest::newRow("fastest") << 1 << true << 1;
        QTest::newRow("slowest") << 401 << false << 401;
    }

    void speedButtonsStepAndClamp()
    {
        QFETCH(int, start);
        QFETCH(bool, faster);
        QFETCH(int, msPerStroke);
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        bench.speed()->setValue(start);
        child<QToolButton>(bench.player, faster ? "m_plus_btn" : "m_minus_btn")->click();
        QCOMPARE(bench.speed()->value(), msPerStroke);
        QCOMPARE(timeLineOf(bench.player)->duration(), 5 * msPerStroke);
    }

    void speedChangeWhilePlayingGoesOnFromTheFrame()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        bench.speed()->setValue(400);
        bench.player.updatePlayer(2);
        bench.play()->click();
        bench.speed()->setValue(100);
        QVERIFY(bench.running());
        QCOMPARE(bench.play()->toolTip(), QStringLiteral("Pause"));
        QCOMPARE(timeLineOf(bench.player)->startFrame(), 2);
        QCOMPARE(timeLineOf(bench.player)->duration(), 300);
    }

    void zoomSliderSetsTheScale_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("scale");
        QTest::newRow("smallest") << 50 << 1.0 / 16;
        QTest::newRow("middle") << 175 << std::pow(2.0, -1.5);
        QTest::newRow("natural") << 250 << 1.0;
        QTest::newRow("largest") << 300 << 2.0;
    }

    void zoomSliderSetsTheScale()
    {
        QFETCH(int, value);
        QFETCH(double, scale);
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        bench.zoom()->setValue(value);
        emit bench.zoom()->sliderReleased();
        QCOMPARE(bench.view.transform(), QTransform::fromScale(scale, scale));
    }

    void zoomButtonsStepWhilePlaying()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        bench.zoom()->setValue(250);
        bench.play()->click();
        child<QToolButton>(bench.player, "m_zoom_in_btn")->click();
        QCOMPARE(bench.zoom()->value(), 252);
        QVERIFY(bench.running());
        child<QToolButton>(bench.player, "m_zoom_out_btn")->click();
        child<QToolButton>(bench.player, "m_zoom_out_btn")->click();
        QCOMPARE(bench.zoom()->value(), 248);
        QCOMPARE(bench.view.transform().m11(), std::pow(2.0, -2.0 / 50));
    }

    void paperIsFittedIntoTheView_data()
    {
        QTest::addColumn<QSize>("viewSize");
        QTest::addColumn<double>("scale");
        // A4 portrait is 2100 x 2970.
        QTest::newRow("larger view") << QSize(2200, 3000) << 1.0;
        QTest::newRow("too narrow") << QSize(1050, 3000) << 0.5;
        QTest::newRow("too low") << QSize(2200, 1485) << 0.5;
        QTest::newRow("too small both ways") << QSize(420, 1485) << 0.2;
    }

    void paperIsFittedIntoTheView()
    {
        QFETCH(QSize, viewSize);
        QFETCH(double, scale);
        SketchEnvironment environment;
        PlayerBench bench;
        bench.view.resize(viewSize);
        QVERIFY(bench.init());
        QCOMPARE(bench.view.transform(), QTransform::fromScale(scale, scale));
        // Showing the player again does not scale twice.
        QVERIFY(bench.player.init(playerCopy(fiveStrokes()), &bench.view));
        QCOMPARE(bench.view.transform(), QTransform::fromScale(scale, scale));
    }

    void resetHandsTheViewBackAndKeepsTheCopy()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        QVERIFY(bench.init());
        bench.zoom()->setValue(300);
        bench.speed()->setValue(50);
        bench.player.updatePlayer(1);
        bench.play()->click();

        bench.player.resetPlayer();
        QVERIFY(!bench.view.scene());
        QVERIFY(bench.view.transform().isIdentity());
        QCOMPARE(bench.zoom()->value(), 175);
        QCOMPARE(bench.speed()->value(), 201);
        QVERIFY(bench.looksStopped());
        QCOMPARE(bench.frames()->value(), 0);
        QVERIFY(!timeLineOf(bench.player));
        // The copy's scene still holds every stroke.
        QCOMPARE(strokesOf(bench.sketch).size(), 5);

        // Back on the tab, the player plays again at the default speed.
        QVERIFY(bench.init());
        QCOMPARE(timeLineOf(bench.player)->duration(), 1000);
        bench.play()->click();
        QVERIFY(bench.running());
    }

    void tabVisitsKeepOneTimeLine()
    {
        SketchEnvironment environment;
        PlayerBench bench;
        for (int visit = 0; visit < 3; ++visit) {
            QVERIFY(bench.player.init(playerCopy(fiveStrokes()), &bench.view));
            QCOMPARE(bench.player.findChildren<QTimeLine*>().size(), 1);
            bench.player.resetPlayer();
        }
        QVERIFY(bench.player.findChildren<QTimeLine*>().isEmpty());
    }

    void penComesFromTheSettings_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QColor>("firstColour");
        QTest::addColumn<double>("firstWidth");
        QTest::newRow("readable") << "0 0 255 255" << "5" << QColor(Qt::blue) << 5.0;
        QTest::newRow("unreadable") << "blue" << "5.5" << QColor(Qt::black) << 1.0;
        QTest::newRow("empty") << "" << "" << QColor(Qt::black) << 1.0;
    }

    void penComesFromTheSettings()
    {
        QFETCH(QString, colour);
        QFETCH(QString, width);
        QFETCH(QColor, firstColour);
        QFETCH(double, firstWidth);
        SketchEnvironment environment;
        PlayerBench bench;
        // The copy is drawn in the settings' pen; the player's pen comes after.
        ApplSettings* settings = ApplSettings::instance();
        QVERIFY(settings->setAttrValueStr(kPenKey, QStringLiteral("rgba_color"), colour));
        QVERIFY(settings->setAttrValueStr(kPenKey, QStringLiteral("width"), width));
        QVERIFY(bench.init());
        bench.player.gotoLastStrokePlayerSlot();
        for (const GraphicsInkPathItem* stroke : strokesOf(bench.sketch)) {
            QCOMPARE(stroke->paintFormat().penColor(), firstColour);
            QCOMPARE(stroke->paintFormat().width(), firstWidth);
        }

        // A pen read earlier stays when the settings become unreadable.
        QVERIFY(settings->setAttrValueStr(kPenKey, QStringLiteral("rgba_color"), QStringLiteral("0 255 0 255")));
        QVERIFY(settings->setAttrValueStr(kPenKey, QStringLiteral("width"), QStringLiteral("4")));
        QVERIFY(bench.init());
        QVERIFY(settings->setAttrValueStr(kPenKey, QStringLiteral("rgba_color"), QStringLiteral("0 255")));
        QVERIFY(settings->setAttrValueStr(kPenKey, QStringLiteral("width"), QStringLiteral("wide")));
        QVERIFY(bench.init());
        bench.player.gotoLastStrokePlayerSlot();
        QCOMPARE(strokesOf(bench.sketch).first()->paintFormat().penColor(), QColor(Qt::green));
        QCOMPARE(strokesOf(bench.sketch).first()->paintFormat().width(), 4.0);
        QVERIFY(environment.prompt.requests.isEmpty());
    }
};

QTEST_MAIN(PlayerDocumentTest)
#include "tst_PlayerDocument.moc"
