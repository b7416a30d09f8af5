// Writes and reads back a sketch of about a million points. The read is
// timed against TinyXML's bare load of the same file in the same run.

#include "DocumentReader.h"
#include "DocumentSerializer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

using namespace Pelm;

namespace {

constexpr int layers = 10;
constexpr int strokesPerLayer = 1000;
constexpr int pointsPerStroke = 100;
constexpr double points = double(layers) * strokesPerLayer * pointsPerStroke;

// Written to the temporary folder, never into the source tree.
const std::string path = (std::filesystem::temp_directory_path() / "bench-sketch.inkml").string();

// Pen-like samples: coordinates with fractions, varying pressure and tilt,
// a growing timestamp.
const Document& sketch()
{
    static const Document document = [] {
        Document made;
        unsigned long time = 0;
        for (int l = 0; l < layers; ++l) {
            Layer layer;
            layer.annotations["tag"] = "Layer " + std::to_string(l + 1);
            for (int s = 0; s < strokesPerLayer; ++s) {
                Stroke stroke;
                const double startX = -2500.0 + (s * 37 % 5000) + 0.25 * l;
                const double startY = 100.0 + (s * 53 % 5800);
                for (int p = 0; p < pointsPerStroke; ++p)
                    stroke.addElement(Point(startX + p * 1.7, startY + p * 0.9 - (p % 7) * 0.13, 0,
                                            200 + (p * 13) % 800, (p % 40) - 20, 15 - (p % 30),
                                            time++));
                layer.addElement(stroke);
            }
            made.addElement(layer);
        }
        return made;
    }();
    return document;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double nanosecondsPerPoint(double seconds, benchmark::State& state)
{
    return seconds / static_cast<double>(state.iterations()) / points * 1e9;
}

// Wall time: a save ends with the file synced to disk.
void BM_WriteSketch(benchmark::State& state)
{
    const Document& document = sketch();
    DefaultInkMLDefinitions definitions;
    double writeSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!DocumentWriter::writeToFile(path.c_str(), document, definitions))
            state.SkipWithError("the sketch was not written");
        const double seconds = secondsSince(start);
        writeSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["write_ns_per_point"] = nanosecondsPerPoint(writeSeconds, state);
}

void BM_ReadSketchAgainstBareParse(benchmark::State& state)
{
    DefaultInkMLDefinitions definitions;
    if (!DocumentWriter::writeToFile(path.c_str(), sketch(), definitions)) {
        state.SkipWithError("the sketch was not written");
        return;
    }
    double readSeconds = 0;
    double parseSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        {
            TiXmlDocument xml;
            benchmark::DoNotOptimize(xml.LoadFile(path.c_str()));
        }
        parseSeconds += secondsSince(start);

        // A caller keeps the document it read: its disposal is not timed.
        SmartPointer<Document> kept;
        start = std::chrono::steady_clock::now();
        {
            DocumentReader reader(path.c_str());
            if (!reader.readDocFromFile())
                state.SkipWithError("the sketch was not read");
            kept = reader.getDocument();
        }
        const double seconds = secondsSince(start);
        readSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["read_ns_per_point"] = nanosecondsPerPoint(readSeconds, state);
    state.counters["bare_parse_ns_per_point"] = nanosecondsPerPoint(parseSeconds, state);
    state.counters["read_to_bare_parse"] = readSeconds / parseSeconds;
}

} // namespace

BENCHMARK(BM_WriteSketch)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK(BM_ReadSketchAgainstBareParse)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);
