// Reading a sketch of about a million points from a file, against reading the
// same bytes into memory, timed alternately in the same run.

#include "ScratchDir.h"
#include "WpiBuilder.h"
#include "WpiParser.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int strokeCount = 10000;
constexpr int pointsPerStroke = 100;
constexpr double pointCount = double(strokeCount) * pointsPerStroke;

// Samples as the receiver sends them: coordinate, pressure, time, and a tilt
// every fourth sample; a new layer every thousand strokes.
struct SketchFile {
    SketchFile() : path(folder.file("large.wpi"))
    {
        testsupport::WpiBuilder f;
        f.descriptor().physicalParams({1, 5, 200, 7, 208, 2, 1}).dateTime({14, 6, 21, 10, 30, 0, 0});
        std::uint32_t time = 0;
        for (int s = 0; s < strokeCount; ++s) {
            if (s % 1000 == 0)
                f.newLayer();
            f.penDown();
            for (int i = 0; i < pointsPerStroke; ++i) {
                f.point(static_cast<std::int16_t>(1000 + (s % 100) * 100 + i * 7),
                        static_cast<std::int16_t>(500 + (s / 100) * 90 + (i * i) % 400));
                f.pressure(static_cast<std::uint16_t>(2000 + 30 * i), testsupport::WpiBuilder::quarterPressure);
                f.timestamp(time++ & 0xFFFFFF);
                if (i % 4 == 0)
                    f.tilt(static_cast<std::int8_t>(i % 50 - 25), 12);
            }
            f.penUp();
        }
        f.writeTo(path);
        size = f.size();
    }

    testsupport::ScratchDir folder;
    std::string path;
    std::size_t size = 0;
};

const SketchFile& sketch()
{
    static const SketchFile file;
    return file;
}

// The file's bytes into a buffer that already holds memory of its size, so
// that the baseline is the read alone.
void plainRead(const std::string& path, std::vector<char>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot read " + path);
    benchmark::DoNotOptimize(bytes.data());
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_PlainRead(benchmark::State& state)
{
    const SketchFile& file = sketch();
    std::vector<char> bytes(file.size);
    for (auto _ : state)
        plainRead(file.path, bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// Each iteration parses the file, then (untimed) reads the same bytes plainly
// for the ratio and drops the document. The first iteration also pays for
// the heap's first growth (fresh memory), as the first file a program reads
// does; it is reported apart as well.
void BM_ParseFile(benchmark::State& state)
{
    const SketchFile& file = sketch();
    std::vector<char> bytes(file.size);
    double parseSeconds = 0.0;
    double firstSeconds = -1.0;
    double readSeconds = 0.0;
    for (auto _ : state) {
        const Clock::time_point parseStart = Clock::now();
        auto parser = std::make_unique<Pelm::WpiParser>(file.path.c_str());
        if (!parser->readDocFromFile())
            state.SkipWithError("the sketch did not load");
        const double seconds = secondsSince(parseStart);
        parseSeconds += seconds;
        if (firstSeconds < 0.0)
            firstSeconds = seconds;

        state.PauseTiming();
        const Clock::time_point readStart = Clock::now();
        plainRead(file.path, bytes);
        readSeconds += secondsSince(readStart);
        parser.reset();
        state.ResumeTiming();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["ns_per_point"] = parseSeconds * 1e9 / (iterations * pointCount);
    state.counters["first_ns_per_point"] = firstSeconds * 1e9 / pointCount;
    if (iterations > 1)
        state.counters["later_ns_per_point"] =
            (parseSeconds - firstSeconds) * 1e9 / ((iterations - 1) * pointCount);
    state.counters["read_ns_per_point"] = readSeconds * 1e9 / (iterations * pointCount);
    state.counters["ratio_to_read"] = parseSeconds / readSeconds;
    state.counters["file_MB"] = static_cast<double>(file.size) / 1e6;
}
BENCHMARK(BM_ParseFile)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
