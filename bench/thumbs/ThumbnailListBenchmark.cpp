// What a user waits for in the sketch browser: the real thumbnail list,
// shown offscreen, on a folder like the testers' (121 sketches of 3k to 52k
// points, WPI and InkML mixed, four unreadable files). For a folder
// request, a change to page 2 and a zoom step: the time to the first
// thumbnail painted, the time until the whole page is painted, and the
// longest gap between the turns of a GUI-thread timer meanwhile. Each in
// milliseconds and as a ratio to reading the same files' bytes in the same
// run. And in the main window on a page of 50 InkML sketches of 20k points:
// the save of the sketch of the first row and of the last, the last as a
// ratio to the first.
//
// Targets: a page of 50 within 500 ms, the first thumbnail within 100 ms,
// no gap over 50 ms; the save of row 49 within 20 % of that of row 0.

#include "DocumentSerializer.h"
#include "GuiGapMeter.h"
#include "InkMLDefinitions.h"
#include "LoaderTestSupport.h"
#include "OffscreenBenchmarkMain.h"
#include "PaintWatchingApplication.h"
#include "PreviewThumbnailList.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

using namespace loadertest;
using namespace sketchtest;

namespace {

constexpr double kPageTargetMs = 500.0;
constexpr double kFirstTargetMs = 100.0;
constexpr double kGapTargetMs = 50.0;
constexpr int kSketches = 121;
constexpr int kPointsPerStroke = 90;
constexpr int kZoomStep = 300;
constexpr int kSavedPagePoints = 20000;
constexpr double kSaveRowTarget = 1.2;

double milliseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1e6; }

PaintWatchingApplication& application() { return PaintWatchingApplication::get(); }

// Handwriting-like strokes over an A4 page, pressure rising and falling.
SketchSpec handwriting(int points, int layers)
{
    const int strokes = std::max(1, points / kPointsPerStroke);
    SketchSpec sketch(static_cast<std::size_t>(layers));
    for (int s = 0; s < strokes; ++s) {
        StrokeSpec stroke;
        const double left = 150.0 + (s % 18) * 100.0;
        const double top = 150.0 + ((s / 18) % 80) * 32.0;
        for (int i = 0; i < kPointsPerStroke; ++i) {
            const double t = double(i) / kPointsPerStroke;
            stroke.push_back({left + 85.0 * t + 6.0 * std::cos(9.0 * t + s),
                              top + 14.0 * std::sin(7.0 * t + s),
                              static_cast<unsigned int>(250 + 800 * std::sin(3.14 * t))});
        }
        sketch[static_cast<std::size_t>(s * layers / strokes)].push_back(stroke);
    }
    return sketch;
}

// The folder and the settings, made once by main() after the application.
class TesterFolder {
public:
    static TesterFolder& get() { return *instance; }
    TesterFolder();
    TesterFolder(const TesterFolder&) = delete;
    TesterFolder& operator=(const TesterFolder&) = delete;
    ~TesterFolder() { instance = nullptr; }

    const SketchFolder& folder() const { return m_folder; }

    // The files of page `page` (1-based) in the list's order.
    QStringList pageFiles(int page) const
    {
        return m_folder.listing().mid((page - 1) * 50, 50);
    }

    // How many of them become thumbnails.
    static int readable(const QStringList& files)
    {
        int count = 0;
        for (const QString& path : files)
            if (!QFileInfo(path).fileName().startsWith(QLatin1String("broken")))
                ++count;
        return count;
    }

private:
    static TesterFolder* instance;
    SketchEnvironment m_environment;
    SketchFolder m_folder;
};

TesterFolder* TesterFolder::instance = nullptr;

TesterFolder::TesterFolder() : m_folder(m_environment, "testers")
{
    instance = this;
    for (int i = 0; i < kSketches; ++i) {
        // Sizes spread evenly over 3k..52k points, in a scrambled order.
        const int points = 3000 + (i * 37 % kSketches) * 49000 / (kSketches - 1);
        const int layers = 1 + i % 3;
        const std::string name = "sketch_" + std::to_string(i);
        const SketchSpec sketch = handwriting(points, layers);
        if (i % 3 == 2) {
            const Pelm::Document document = makeDocument(sketch);
            Pelm::DefaultInkMLDefinitions definitions;
            const std::string path = m_folder.file(name + ".hlv");
            if (!Pelm::DocumentWriter::writeToFile(path.c_str(), document, definitions))
                throw std::runtime_error("cannot write " + path);
        } else {
            m_folder.addWpi(name + ".wpi", sketch);
        }
    }
    m_folder.addText("broken_0.wpi", std::string(3000, '\x5a'));
    m_folder.addText("broken_1.hlv", "<ink><trace>1 2, 3 4");
    m_folder.addText("broken_2.inkml", "not a sketch");
    m_folder.addText("broken_3.wpi", "");
}

// The files' bytes read one after another, in milliseconds.
double plainReadMs(const QStringList& files)
{
    QElapsedTimer clock;
    clock.start();
    std::size_t total = 0;
    for (const QString& path : files) {
        std::ifstream in(path.toStdString(), std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        total += bytes.size();
    }
    benchmark::DoNotOptimize(total);
    return milliseconds(clock);
}

// A thumbnail list in a window of the size the testers used.
struct ShownList {
    ShownList()
    {
        window.resize(1600, 1000);
        list = new PreviewThumbnailList(&window);
        window.setCentralWidget(list);
        window.show();
        application().watched = list->viewport();
    }
    ~ShownList()
    {
        application().watched = nullptr;
        application().onPainted = nullptr;
    }

    bool allResizedTo(int size) const
    {
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->sizeHint() != QSize(size, size))
                return false;
        return true;
    }

    QMainWindow window;
    PreviewThumbnailList* list;
};

// One action on the list, measured until `complete` holds at a paint.
struct Timing {
    double firstMs = 0.0;
    double completeMs = 0.0;
    double longestGapMs = 0.0;
    // CPU time of all the process's threads meanwhile.
    double cpuMs = 0.0;
};

Timing measure(ShownList& shown, const std::function<void()>& action,
               const std::function<bool()>& complete)
{
    Timing timing;
    bool firstSeen = false;
    QEventLoop loop;
    QElapsedTimer clock;
    application().onPainted = [&] {
        if (!firstSeen && shown.list->count() > 0) {
            firstSeen = true;
            timing.firstMs = milliseconds(clock);
        }
        if (complete()) {
            timing.completeMs = milliseconds(clock);
            loop.quit();
        }
    };
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, [&] { loop.exit(1); });
    giveUp.start(60000);
    GuiGapMeter meter;
    const std::clock_t cpuStart = std::clock();
    clock.start();
    action();
    const bool timedOut = loop.exec() != 0;
    timing.longestGapMs = meter.longestMs();
    timing.cpuMs = double(std::clock() - cpuStart) * 1e3 / CLOCKS_PER_SEC;
    application().onPainted = nullptr;
    if (timedOut)
        throw std::runtime_error("the page did not complete");
    return timing;
}

// Lets the list settle: pending records and paints.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Totals {
    void add(const Timing& timing, double readMs)
    {
        first += timing.firstMs;
        complete += timing.completeMs;
        gap = std::max(gap, timing.longestGapMs);
        cpu += timing.cpuMs;
        read += readMs;
    }
    double first = 0.0;
    double complete = 0.0;
    double cpu = 0.0;
    double gap = 0.0; // the worst of all iterations
    double read = 0.0;
};

void report(benchmark::State& state, const Totals& totals, bool withFirst)
{
    const double n = static_cast<double>(state.iterations());
    state.counters["complete_ms"] = totals.complete / n;
    state.counters["complete_ratio"] = totals.complete / totals.read;
    state.counters["gap_ms"] = totals.gap;
    state.counters["gap_ratio"] = totals.gap / (totals.read / n);
    state.counters["read_ms"] = totals.read / n;
    state.counters["process_cpu_ms"] = totals.cpu / n;
    state.counters["gap_within_target"] = totals.gap <= kGapTargetMs;
    if (withFirst) {
        state.counters["first_ms"] = totals.first / n;
        state.counters["first_ratio"] = totals.first / totals.read;
        state.counters["first_within_target"] = totals.first / n <= kFirstTargetMs;
        state.counters["complete_within_target"] = totals.complete / n <= kPageTargetMs;
    }
}

// Shows the folder and waits until page 1 is painted whole.
Timing showFolder(ShownList& shown)
{
    const TesterFolder& testers = TesterFolder::get();
    const int expected = TesterFolder::readable(testers.pageFiles(1));
    return measure(
        shown, [&] { shown.list->previewEliFiles(testers.folder().dir()); },
        [&] { return shown.list->count() == expected; });
}

// Each iteration: a fresh list, shown; with pageFirst it shows page 1 first
// (untimed); then `action` is timed until `complete` holds at a paint. The
// baseline reads `files`.
void measureIterations(benchmark::State& state, const QStringList& files, bool pageFirst,
                       const std::function<void(PreviewThumbnailList&)>& action,
                       const std::function<bool(const ShownList&)>& complete, bool withFirst)
{
    Totals totals;
    for (auto _ : state) {
        ShownList shown;
        if (pageFirst)
            showFolder(shown);
        settle();
        const Timing timing = measure(
            shown, [&] { action(*shown.list); }, [&] { return complete(shown); });
        state.SetIterationTime(timing.completeMs / 1e3);
        totals.add(timing, plainReadMs(files));
        settle();
    }
    report(state, totals, withFirst);
}

// The folder request: from previewEliFiles to page 1 painted whole.
void BM_FolderRequest(benchmark::State& state)
{
    const TesterFolder& testers = TesterFolder::get();
    const int expected = TesterFolder::readable(testers.pageFiles(1));
    measureIterations(
        state, testers.pageFiles(1), false,
        [&](PreviewThumbnailList& list) { list.previewEliFiles(testers.folder().dir()); },
        [&](const ShownList& shown) { return shown.list->count() == expected; }, true);
}

// From page 1, complete, to page 2 painted whole.
void BM_PageChange(benchmark::State& state)
{
    const TesterFolder& testers = TesterFolder::get();
    const int expected = TesterFolder::readable(testers.pageFiles(2));
    bool cleared = false;
    measureIterations(
        state, testers.pageFiles(2), true,
        [&](PreviewThumbnailList& list) {
            list.handlePageSelectionClick(2, 1);
            cleared = list.count() == 0;
        },
        [&](const ShownList& shown) { return cleared && shown.list->count() == expected; }, true);
}

// A smooth zoom step on a complete page 1, until every thumbnail has its
// new size and the view has painted.
void BM_ZoomStep(benchmark::State& state)
{
    measureIterations(
        state, TesterFolder::get().pageFiles(1), true,
        [](PreviewThumbnailList& list) { list.handleZoomSliderKeyEvent(kZoomStep, Qt::SmoothTransformation); },
        [](const ShownList& shown) { return shown.allResizedTo(kZoomStep); }, false);
}

// The save of an opened, turned sketch by the Save command, on the GUI
// thread, for the sketch of row 0 and of row 49 in turn (each save moves the
// sketch's thumbnail to the end of the page, so every turn saves another).
void BM_SaveOfARow(benchmark::State& state)
{
    windowtest::WindowRig rig(QStringList{});
    for (int i = 0; i < 50; ++i) {
        const Pelm::Document document = makeDocument(handwriting(kSavedPagePoints, 1 + i % 3));
        Pelm::DefaultInkMLDefinitions definitions;
        const std::string path = rig.sketch(QStringLiteral("saved_%1.hlv").arg(i, 2, 10, QLatin1Char('0'))).toStdString();
        if (!Pelm::DocumentWriter::writeToFile(path.c_str(), document, definitions))
            throw std::runtime_error("cannot write " + path);
    }
    rig.shownSketches = 50;
    if (!rig.start(60000))
        throw std::runtime_error("the page did not come");
    rig.window->resize(1600, 1000);
    double totals[2] = {0.0, 0.0};
    int counts[2] = {0, 0};
    int turn = 0;
    for (auto _ : state) {
        const int which = turn++ % 2;
        const QString path = rig.shownPaths().at(which == 0 ? 0 : 49);
        if (!rig.openChanged(QFileInfo(path).fileName()))
            throw std::runtime_error("the sketch did not open");
        QElapsedTimer clock;
        clock.start();
        rig.action("m_actionSave")->trigger();
        const double ms = milliseconds(clock);
        state.SetIterationTime(ms / 1e3);
        totals[which] += ms;
        ++counts[which];
        if (!rig.editorShows(path))
            throw std::runtime_error("the saved sketch did not open again");
        rig.editor()->m_back2preview_btn->click();
        settle();
    }
    const double row0 = totals[0] / std::max(1, counts[0]);
    const double row49 = totals[1] / std::max(1, counts[1]);
    state.counters["row0_ms"] = row0;
    state.counters["row49_ms"] = row49;
    state.counters["row49_ratio"] = row49 / row0;
    state.counters["row49_within_target"] = row49 <= kSaveRowTarget * row0;
}

BENCHMARK(BM_FolderRequest)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageChange)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomStep)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
// Last: its window loads settings of its own.
BENCHMARK(BM_SaveOfARow)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return offscreenBenchmarkMain<PaintWatchingApplication>(argc, argv, [] {
        const TesterFolder testers;
        // What a program has done before its first folder: fonts loaded, the
        // list and the painter used once.
        {
            ShownList warmUp;
            showFolder(warmUp);
        }
        benchmark::RunSpecifiedBenchmarks();
    });
}
