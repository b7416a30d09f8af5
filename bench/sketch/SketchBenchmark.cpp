// Loading sketches of 5k, 30k and 150k points from WPI and InkML files
// (against a plain read of the same bytes), building their scenes (against a
// deep copy of the document), rendering a thumbnail at a quarter of the
// scene size from the scene and from the ink (against filling the same
// picture), and building and tearing
// down the scene of an InkML file of up to 600,000 one-point traces (against
// a deep copy of its document, with the process's peak memory), each pair
// timed in the same run.

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "DocumentReader.h"
#include "InkMLDefinitions.h"
#include "OffscreenBenchmarkMain.h"
#include "ProcessMemory.h"
#include "SketchTestSupport.h"
#include "ThumbnailPicture.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

using benchsupport::ProcessMemory;
using namespace sketchtest;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPointsPerStroke = 50;
constexpr int kLayers = 3;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Wavy strokes spread over an A4 page, pressure rising and falling along
// each stroke.
SketchSpec handwriting(int points)
{
    const int strokes = points / kPointsPerStroke;
    SketchSpec sketch(kLayers);
    for (int s = 0; s < strokes; ++s) {
        StrokeSpec stroke;
        const double left = 100.0 + (s % 20) * 90.0;
        const double top = 100.0 + ((s / 20) % 90) * 30.0;
        for (int i = 0; i < kPointsPerStroke; ++i) {
            const double t = double(i) / kPointsPerStroke;
            stroke.push_back({left + 80.0 * t, top + 12.0 * std::sin(6.0 * t + s),
                              static_cast<unsigned int>(300 + 900 * std::sin(3.14 * t))});
        }
        sketch[static_cast<std::size_t>(s * kLayers / strokes)].push_back(stroke);
    }
    return sketch;
}

std::vector<char> plainRead(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<char> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

// The settings and the sketch files, made once.
class Sketches {
public:
    static Sketches& get()
    {
        static Sketches sketches;
        return sketches;
    }

    std::string path(int points, bool ink)
    {
        const auto key = std::make_pair(points, ink);
        auto found = files.find(key);
        if (found != files.end())
            return found->second;
        const std::string name = std::to_string(points) + (ink ? ".inkml" : ".wpi");
        const std::string file = environment.file(name);
        const SketchSpec sketch = handwriting(points);
        if (ink) {
            Pelm::Document document = makeDocument(sketch);
            Pelm::DefaultInkMLDefinitions definitions;
            if (!Pelm::DocumentWriter::writeToFile(file.c_str(), document, definitions))
                throw std::runtime_error("cannot write " + file);
        } else {
            wpiSketch(sketch).writeTo(file);
        }
        return files[key] = file;
    }

    // An InkML file of `traces` traces of one point each, spread over the page.
    std::string taps(int traces)
    {
        const auto key = std::make_pair(-traces, true);
        auto found = files.find(key);
        if (found != files.end())
            return found->second;
        SketchSpec sketch(1);
        for (int t = 0; t < traces; ++t)
            sketch[0].push_back({{100.0 + t % 1900, 100.0 + (t / 1900) % 2700, 500u}});
        const std::string file = environment.file("taps-" + std::to_string(traces) + ".inkml");
        Pelm::DefaultInkMLDefinitions definitions;
        if (!Pelm::DocumentWriter::writeToFile(file.c_str(), makeDocument(sketch), definitions))
            throw std::runtime_error("cannot write " + file);
        return files[key] = file;
    }

    // A loaded record without a scene.
    std::unique_ptr<DocumentMetaData> loaded(int points, bool ink)
    {
        auto record = std::make_unique<DocumentMetaData>(QString::fromStdString(path(points, ink)));
        if (!record->loadDocumentFromFile())
            throw std::runtime_error("the sketch did not load");
        return record;
    }

private:
    SketchEnvironment environment;
    std::map<std::pair<int, bool>, std::string> files;
};

// Pressure outlines on the paper (as the editor and the exports draw), or
// polylines (as loading draws).
std::unique_ptr<DocumentGraphicModel> makeScene(Pelm::Document& document, const PaintFormat& format,
                                                bool outline)
{
    if (outline)
        return std::make_unique<DocumentGraphicModel>(document, format,
                                                      QRectF(0, 0, kPaperWidth, kPaperHeight));
    return std::make_unique<DocumentGraphicModel>(document, format);
}

// Filling a picture of the size with white.
double fillSeconds(const QSize& size, QImage::Format format)
{
    const Clock::time_point start = Clock::now();
    QImage plain(size, format);
    plain.fill(Qt::white);
    benchmark::DoNotOptimize(plain.bits());
    return secondsSince(start);
}

void reportRatio(benchmark::State& state, double seconds, double baselineSeconds, double points)
{
    const double iterations = static_cast<double>(state.iterations());
    state.counters["ms"] = seconds * 1e3 / iterations;
    state.counters["points_per_s"] = points * iterations / seconds;
    state.counters["ratio_to_baseline"] = seconds / baselineSeconds;
}

void reportSize(benchmark::State& state, const QSize& size)
{
    state.counters["width_px"] = size.width();
    state.counters["height_px"] = size.height();
}

// Reading and correcting a sketch, no scene; the baseline reads the bytes.
void BM_Load(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    const bool ink = state.range(1) != 0;
    const std::string path = Sketches::get().path(points, ink);
    double seconds = 0.0;
    double baseline = 0.0;
    for (auto _ : state) {
        auto record = std::make_unique<DocumentMetaData>(QString::fromStdString(path));
        const Clock::time_point start = Clock::now();
        if (!record->loadDocumentFromFile())
            state.SkipWithError("the sketch did not load");
        seconds += secondsSince(start);

        state.PauseTiming();
        const Clock::time_point readStart = Clock::now();
        benchmark::DoNotOptimize(plainRead(path).data());
        baseline += secondsSince(readStart);
        record.reset();
        state.ResumeTiming();
    }
    reportRatio(state, seconds, baseline, points);
}

// Building the scene of a loaded record; the baseline copies its document.
void BM_BuildScene(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    const bool ink = state.range(1) != 0;
    const bool outline = state.range(2) != 0;
    std::unique_ptr<DocumentMetaData> record = Sketches::get().loaded(points, ink);
    Pelm::Document& document = *record->m_document.GetData();
    const PaintFormat format;
    double seconds = 0.0;
    double baseline = 0.0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        auto scene = makeScene(document, format, outline);
        seconds += secondsSince(start);

        state.PauseTiming();
        const Clock::time_point copyStart = Clock::now();
        auto copy = std::make_unique<Pelm::Document>(document);
        baseline += secondsSince(copyStart);
        copy.reset();
        scene.reset();
        state.ResumeTiming();
    }
    reportRatio(state, seconds, baseline, points);
}

// A thumbnail as the sketch browser draws it: the whole scene at a quarter
// of its size on white; the baseline fills the picture.
void BM_QuarterThumbnail(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    const bool outline = state.range(1) != 0;
    std::unique_ptr<DocumentMetaData> record = Sketches::get().loaded(points, false);
    Pelm::Document& document = *record->m_document.GetData();
    const PaintFormat format;
    auto scene = makeScene(document, format, outline);
    const QSize size(int(scene->sceneRect().width() * 0.25), int(scene->sceneRect().height() * 0.25));
    double seconds = 0.0;
    double baseline = 0.0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        QImage picture(size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        scene->render(&painter, QRectF(), QRectF(), Qt::KeepAspectRatio);
        painter.end();
        seconds += secondsSince(start);

        state.PauseTiming();
        baseline += fillSeconds(size, QImage::Format_ARGB32_Premultiplied);
        state.ResumeTiming();
    }
    reportRatio(state, seconds, baseline, points);
    reportSize(state, size);
}


// The scene of a file of one-point traces as loading draws it, built and
// torn down; the baseline copies the document.
void BM_ManyTracesScene(benchmark::State& state)
{
    const int traces = static_cast<int>(state.range(0));
    auto record = std::make_unique<DocumentMetaData>(QString::fromStdString(Sketches::get().taps(traces)));
    if (!record->loadDocumentFromFile())
        throw std::runtime_error("the traces did not load");
    Pelm::Document& document = *record->m_document.GetData();
    const PaintFormat format;
    double seconds = 0.0;
    double baseline = 0.0;
    double peakMB = 0.0;
    for (auto _ : state) {
        ProcessMemory::restartPeak();
        const Clock::time_point start = Clock::now();
        makeScene(document, format, false).reset();
        seconds += secondsSince(start);
        peakMB = std::max(peakMB, ProcessMemory::peakMB());

        state.PauseTiming();
        const Clock::time_point copyStart = Clock::now();
        std::make_unique<Pelm::Document>(document).reset();
        baseline += secondsSince(copyStart);
        state.ResumeTiming();
    }
    reportRatio(state, seconds, baseline, traces);
    state.counters["ns_per_stroke"] = seconds * 1e9 / (traces * static_cast<double>(state.iterations()));
    state.counters["peak_MB"] = peakMB;
}

// The thumbnail as the loader draws it: straight from the ink, no scene;
// the baseline fills a picture of the same size.
void BM_InkThumbnail(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    std::unique_ptr<DocumentMetaData> record = Sketches::get().loaded(points, false);
    Pelm::Document& document = *record->m_document.GetData();
    const PaintFormat format;
    QSize size;
    double seconds = 0.0;
    double baseline = 0.0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const QImage picture = drawThumbnail(document, format);
        seconds += secondsSince(start);

        state.PauseTiming();
        size = picture.size();
        baseline += fillSeconds(size, QImage::Format_RGB32);
        state.ResumeTiming();
    }
    reportRatio(state, seconds, baseline, points);
    reportSize(state, size);
}

void sizesAndFormats(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"points", "inkml"});
    for (int points : {5000, 30000, 150000})
        for (int ink : {0, 1})
            b->Args({points, ink});
}

void sizesFormatsAndModes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"points", "inkml", "outline"});
    for (int points : {5000, 30000, 150000})
        for (int ink : {0, 1})
            for (int outline : {0, 1})
                b->Args({points, ink, outline});
}

BENCHMARK(BM_Load)->Apply(sizesAndFormats)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildScene)->Apply(sizesFormatsAndModes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuarterThumbnail)
    ->ArgNames({"points", "outline"})
    ->Args({30000, 0})
    ->Args({30000, 1})
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_InkThumbnail)->ArgNames({"points"})->Arg(5000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ManyTracesScene)
    ->ArgNames({"traces"})
    ->Arg(20000)
    ->Arg(75000)
    ->Arg(150000)
    ->Arg(300000)
    ->Arg(600000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

// Scenes need a GUI application; it runs offscreen.
int main(int argc, char** argv) { return offscreenBenchmarkMain<QApplication>(argc, argv); }
