// Peak resident memory while huge sketches are browsed and read: a folder of
// eight WPI files of 63 MB each (just under the reader's cap, six bytes a
// point) shown in the real thumbnail list offscreen, the same with one such
// file, and one file read alone, by the WPI reader and as a sketch record;
// and an InkML file of 600,000 strokes (some 45 MB) browsed and read as a
// record.
// Each is given as the process's peak, as the rise above the memory the
// process held before, and as that rise per byte of the files read (the
// baseline: the files' own size). Rows run once each, in a fresh process
// state as far as the heap allows (freed memory is given back first).
//
// Targets: the folder within 2.5 GB; one file read as a record well within
// the editor's 1.5 GB.

#include "DocumentSerializer.h"
#include "InkMLDefinitions.h"
#include "LargeSketches.h"
#include "LoaderTestSupport.h"
#include "OffscreenBenchmarkMain.h"
#include "PreviewThumbnailList.h"
#include "ProcessMemory.h"
#include "WpiParser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <stdexcept>

using benchsupport::ProcessMemory;
using namespace loadertest;

namespace {

constexpr int kFilesInFolder = 8;
constexpr double kFolderTargetMB = 2500.0;
constexpr double kEditorTargetMB = 1500.0;

// The folders, made once by main() after the application.
class LargeSketchFolders {
public:
    static LargeSketchFolders& get() { return *instance; }

    LargeSketchFolders()
        : m_eight(m_environment, "eight"), m_one(m_environment, "one"), m_ink(m_environment, "ink")
    {
        instance = this;
        {
            const testsupport::WpiBuilder sketch = benchsupport::largeWpiSketch();
            m_fileBytes = sketch.size();
            for (int i = 0; i < kFilesInFolder; ++i)
                sketch.writeTo(m_eight.file("large_" + std::to_string(i) + ".wpi"));
            sketch.writeTo(m_one.file("large.wpi"));
        }
        const std::string inkPath = m_ink.file("strokes.inkml");
        Pelm::DefaultInkMLDefinitions definitions;
        if (!Pelm::DocumentWriter::writeToFile(inkPath.c_str(), benchsupport::manyStrokeSketch(),
                                               definitions))
            throw std::runtime_error("cannot write " + inkPath);
        m_inkFileBytes = static_cast<std::size_t>(QFileInfo(QString::fromStdString(inkPath)).size());
    }
    LargeSketchFolders(const LargeSketchFolders&) = delete;
    LargeSketchFolders& operator=(const LargeSketchFolders&) = delete;
    ~LargeSketchFolders() { instance = nullptr; }

    const SketchFolder& eight() const { return m_eight; }
    const SketchFolder& one() const { return m_one; }
    const SketchFolder& ink() const { return m_ink; }
    std::size_t fileBytes() const { return m_fileBytes; }
    std::size_t inkFileBytes() const { return m_inkFileBytes; }

private:
    static LargeSketchFolders* instance;
    sketchtest::SketchEnvironment m_environment;
    SketchFolder m_eight;
    SketchFolder m_one;
    SketchFolder m_ink;
    std::size_t m_fileBytes = 0;
    std::size_t m_inkFileBytes = 0;
};

LargeSketchFolders* LargeSketchFolders::instance = nullptr;

// Runs `action` from a restarted peak and reports the memory it took.
void measurePeak(benchmark::State& state, double bytesRead, double targetMB,
                 const std::function<void()>& action)
{
    double startMB = 0.0;
    double peakMB = 0.0;
    QElapsedTimer clock;
    for (auto _ : state) {
        ProcessMemory::giveBackFreedHeap();
        ProcessMemory::restartPeak();
        startMB = ProcessMemory::residentMB();
        clock.start();
        action();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        peakMB = ProcessMemory::peakMB();
    }
    const double riseMB = peakMB - startMB;
    state.counters["peak_MB"] = peakMB;
    state.counters["start_MB"] = startMB;
    state.counters["rise_MB"] = riseMB;
    state.counters["files_MB"] = bytesRead / 1e6;
    state.counters["rise_per_file_byte"] = riseMB * 1024.0 * 1024.0 / bytesRead;
    state.counters["peak_within_target"] = peakMB <= targetMB;
}

// Shows the folder in a thumbnail list of the testers' window size and
// waits until its page is loaded and every thumbnail has arrived.
void browse(const SketchFolder& folder, int thumbnails)
{
    QMainWindow window;
    window.resize(1600, 1000);
    auto* list = new PreviewThumbnailList(&window);
    window.setCentralWidget(list);
    window.show();
    QEventLoop loop;
    bool finished = false;
    const auto quitWhenDone = [&] {
        if (finished && list->count() == thumbnails)
            loop.quit();
    };
    QObject::connect(list, &PreviewThumbnailList::loaderFinishedWorkSgnl, &loop, [&] {
        finished = true;
        quitWhenDone();
    });
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, &loop, quitWhenDone);
    QTimer::singleShot(600000, &loop, [&] { loop.exit(1); });
    list->previewEliFiles(folder.dir());
    if (loop.exec() != 0)
        throw std::runtime_error("the folder's page did not complete");
}

void BM_BrowseFolderOfLargeSketches(benchmark::State& state)
{
    const LargeSketchFolders& folders = LargeSketchFolders::get();
    measurePeak(state, double(folders.fileBytes()) * kFilesInFolder, kFolderTargetMB,
                [&] { browse(folders.eight(), kFilesInFolder); });
}

void BM_BrowseOneLargeSketch(benchmark::State& state)
{
    const LargeSketchFolders& folders = LargeSketchFolders::get();
    measurePeak(state, double(folders.fileBytes()), kFolderTargetMB,
                [&] { browse(folders.one(), 1); });
}

// The document is kept until the peak is taken, as a caller keeps it.
void BM_ReadOneLargeSketch(benchmark::State& state)
{
    const LargeSketchFolders& folders = LargeSketchFolders::get();
    const std::string path = folders.one().file("large.wpi");
    measurePeak(state, double(folders.fileBytes()), kEditorTargetMB, [&] {
        Pelm::WpiParser parser(path.c_str());
        if (!parser.readDocFromFile())
            throw std::runtime_error("the large sketch did not load");
        benchmark::DoNotOptimize(parser.getDocument().GetData());
    });
}

// As the editor and the thumbnails' actions read a sketch: a record of the
// file (a WPI one with the receiver-position correction).
void loadRecord(const QString& path)
{
    DocumentMetaData record(path);
    if (!record.loadDocumentFromFile())
        throw std::runtime_error("the large sketch did not load");
}

void BM_LoadOneLargeRecord(benchmark::State& state)
{
    const LargeSketchFolders& folders = LargeSketchFolders::get();
    measurePeak(state, double(folders.fileBytes()), kEditorTargetMB,
                [&] { loadRecord(folders.one().filePath("large.wpi")); });
}

void BM_BrowseOneInkSketchOfManyStrokes(benchmark::State& state)
{
    const LargeSketchFolders& folders = LargeSketchFolders::get();
    measurePeak(state, double(folders.inkFileBytes()), kFolderTargetMB,
                [&] { browse(folders.ink(), 1); });
}

void BM_LoadOneInkRecordOfManyStrokes(benchmark::State& state)
{
    const LargeSketchFolders& folders = LargeSketchFolders::get();
    measurePeak(state, double(folders.inkFileBytes()), kEditorTargetMB,
                [&] { loadRecord(folders.ink().filePath("strokes.inkml")); });
}

BENCHMARK(BM_BrowseFolderOfLargeSketches)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowseOneLargeSketch)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOneLargeSketch)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadOneLargeRecord)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowseOneInkSketchOfManyStrokes)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadOneInkRecordOfManyStrokes)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return offscreenBenchmarkMain<QApplication>(argc, argv, [] {
        const LargeSketchFolders folders;
        benchmark::RunSpecifiedBenchmarks();
    });
}
