// The background loader on folders of 50 and 500 typical sketches (15000
// points in 3 layers each): the time until the first record reaches the GUI
// thread and until the whole range has arrived, against reading the same
// files one after another on the calling thread; and the longest stretch in
// which the GUI thread does not get to run while a second request is made in
// the middle of a pass, against the same measure on an idle GUI thread.
// Targets: first record within 200 ms, a page of 50 within 2 s, no block of
// the GUI thread over 100 ms.

#include "GuiGapMeter.h"
#include "LoaderTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

using namespace loadertest;

namespace {

constexpr double kFirstRecordTargetMs = 200.0;
constexpr double kPageOf50TargetMs = 2000.0;
constexpr double kGuiBlockTargetMs = 100.0;

double milliseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1e6; }

// Records are made in a GUI application; it runs offscreen and lives until
// the program ends.
struct OffscreenApplication {
    OffscreenApplication()
    {
        static int argc = 1;
        static char name[] = "bench_loader";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication application(argc, argv);
    }
};

// The settings and the folders, made once.
class Folders {
public:
    static Folders& get()
    {
        static Folders folders;
        return folders;
    }

    const SketchFolder& ofSize(int files)
    {
        auto found = m_folders.find(files);
        if (found == m_folders.end()) {
            auto folder = std::make_unique<SketchFolder>(m_environment, "sketches-" + std::to_string(files));
            folder->addWpiFiles("sketch", files, sketchOf(300, 50, 3));
            found = m_folders.emplace(files, std::move(folder)).first;
        }
        return *found->second;
    }

private:
    // First, so that the settings and folders go before the application.
    OffscreenApplication m_application;
    sketchtest::SketchEnvironment m_environment;
    std::map<int, std::unique_ptr<SketchFolder>> m_folders;
};

// Runs the GUI thread's event loop until the loader's pass ends; records
// are dropped as they arrive.
class PassWatch {
public:
    explicit PassWatch(LoaderThread& loader)
    {
        QObject::connect(&loader, &LoaderThread::fileDocumentMetaDataReady, &m_context,
                         [this](DocumentMetaData* record, uint) {
                             delete record;
                             if (m_records++ == 0)
                                 m_firstRecordMs = milliseconds(m_clock);
                             if (m_records == m_recordsBeforeHook && m_hook)
                                 m_hook();
                         });
        QObject::connect(&loader, &LoaderThread::loadFilesFinishedSgnl, &m_loop, &QEventLoop::quit);
        QObject::connect(&loader, &LoaderThread::filesLoadProgressChunkDone, &m_loop, &QEventLoop::quit);
    }

    // Runs hook once `records` records have arrived.
    void after(int records, std::function<void()> hook)
    {
        m_recordsBeforeHook = records;
        m_hook = std::move(hook);
    }

    // Starts the clock, makes the request and waits for the end of the last pass.
    void run(const std::function<void()>& request)
    {
        m_clock.start();
        request();
        m_loop.exec();
        m_wholeMs = milliseconds(m_clock);
    }

    double firstRecordMs() const { return m_firstRecordMs; }
    double wholeMs() const { return m_wholeMs; }
    int records() const { return m_records; }

private:
    QObject m_context;
    QEventLoop m_loop;
    QElapsedTimer m_clock;
    int m_records = 0;
    int m_recordsBeforeHook = -1;
    std::function<void()> m_hook;
    double m_firstRecordMs = 0.0;
    double m_wholeMs = 0.0;
};

// The same files read one after another on this thread, in milliseconds.
double sequentialReadMs(const QStringList& files)
{
    QElapsedTimer clock;
    clock.start();
    for (const QString& path : files) {
        DocumentMetaData record(path);
        if (!record.loadDocumentFromFile())
            throw std::runtime_error("a sketch did not load");
    }
    return milliseconds(clock);
}

void setCounter(benchmark::State& state, const char* name, double value)
{
    state.counters[name] = benchmark::Counter(value, benchmark::Counter::kAvgIterations);
}

// A range of a folder from a fresh loader.
void BM_LoadRange(benchmark::State& state)
{
    const int folderSize = static_cast<int>(state.range(0));
    const int rangeSize = static_cast<int>(state.range(1));
    const SketchFolder& folder = Folders::get().ofSize(folderSize);
    const QStringList files = folder.listing().mid(0, rangeSize);
    double firstMs = 0.0, wholeMs = 0.0, firstBaselineMs = 0.0, wholeBaselineMs = 0.0;
    for (auto _ : state) {
        auto loader = newLoader();
        PassWatch watch(*loader);
        watch.run([&] { loader->loadDirectoryFilesByRange(folder.dir(), 0, unsigned(rangeSize), true); });
        if (watch.records() != rangeSize)
            state.SkipWithError("records are missing");
        state.SetIterationTime(watch.wholeMs() / 1e3);
        firstMs += watch.firstRecordMs();
        wholeMs += watch.wholeMs();
        firstBaselineMs += sequentialReadMs(files.mid(0, 1));
        wholeBaselineMs += sequentialReadMs(files);
    }
    const double n = static_cast<double>(state.iterations());
    setCounter(state, "first_record_ms", firstMs);
    setCounter(state, "whole_range_ms", wholeMs);
    state.counters["first_record_ratio_to_one_read"] = firstMs / firstBaselineMs;
    state.counters["whole_range_ratio_to_sequential_read"] = wholeMs / wholeBaselineMs;
    state.counters["first_record_within_target"] = firstMs / n <= kFirstRecordTargetMs;
    if (rangeSize == 50)
        state.counters["page_within_target"] = wholeMs / n <= kPageOf50TargetMs;
}

// A pass over the first page of the folder of 500; after 10 records a
// second request: the next page of the same folder, or another folder.
void BM_SecondRequestMidPass(benchmark::State& state)
{
    const bool otherFolder = state.range(0) != 0;
    const SketchFolder& folder = Folders::get().ofSize(500);
    const SketchFolder& other = Folders::get().ofSize(50);
    double longestGapMs = 0.0, requestMs = 0.0, idleGapMs = 0.0;
    for (auto _ : state) {
        auto loader = newLoader();
        PassWatch watch(*loader);
        double thisRequestMs = 0.0;
        watch.after(10, [&] {
            QElapsedTimer clock;
            clock.start();
            if (otherFolder)
                loader->loadDirectoryFilesByRange(other.dir(), 0, 50, true);
            else
                loader->loadDirectoryFilesByRange(folder.dir(), 50, 100, true);
            thisRequestMs = milliseconds(clock);
        });
        {
            GuiGapMeter meter;
            watch.run([&] { loader->loadDirectoryFilesByRange(folder.dir(), 0, 50, true); });
            longestGapMs += meter.longestMs();
        }
        requestMs += thisRequestMs;
        state.SetIterationTime(watch.wholeMs() / 1e3);

        GuiGapMeter idle;
        QEventLoop wait;
        QTimer::singleShot(int(watch.wholeMs()) + 1, &wait, &QEventLoop::quit);
        wait.exec();
        idleGapMs += idle.longestMs();
    }
    const double n = static_cast<double>(state.iterations());
    setCounter(state, "longest_gui_block_ms", longestGapMs);
    setCounter(state, "second_request_ms", requestMs);
    state.counters["gui_block_ratio_to_idle"] = longestGapMs / idleGapMs;
    state.counters["gui_block_within_target"] = longestGapMs / n <= kGuiBlockTargetMs;
}

BENCHMARK(BM_LoadRange)
    ->ArgNames({"folder", "range"})
    ->Args({50, 50})
    ->Args({500, 50})
    ->Args({500, 500})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SecondRequestMidPass)
    ->ArgNames({"other_folder"})
    ->Args({0})
    ->Args({1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
