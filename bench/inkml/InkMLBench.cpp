// Writes and reads back a sketch of about a million points. The read is
// timed against TinyXML's bare load of the same file in the same run.
//
// Hostile files whose cost could grow faster than their size: many
// attributes on one element (1k to 100k), and many contexts that name the
// last of many brushes, read and copied (as a sketch record's copy copies
// them). Each is timed against the same of the same kind and about the same
// size that takes the plain path (the attributes one to an element, the
// contexts naming the first brush), alternately in the same run: a ratio
// that stays flat as the count grows is linear time.

#include "DocumentReader.h"
#include "DocumentSerializer.h"

#include <benchmark/benchmark.h>

#include "XmlFile.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
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

// The whole file read as a sketch, in seconds.
double secondsToRead(const std::string& file, bool& loaded)
{
    const auto start = std::chrono::steady_clock::now();
    DocumentReader reader(file.c_str());
    loaded = reader.readDocFromFile();
    return secondsSince(start);
}

void writeFile(const std::string& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

// Reads `hostile` and `plain` alternately; reports the hostile read in
// nanoseconds per unit and as a ratio to the plain one.
void compareReads(benchmark::State& state, const std::string& hostile, const std::string& plain,
                  double units)
{
    const std::string hostilePath = path + ".hostile";
    const std::string plainPath = path + ".plain";
    writeFile(hostilePath, hostile);
    writeFile(plainPath, plain);
    double hostileSeconds = 0;
    double plainSeconds = 0;
    bool hostileLoaded = false;
    bool plainLoaded = false;
    for (auto _ : state) {
        const double seconds = secondsToRead(hostilePath, hostileLoaded);
        hostileSeconds += seconds;
        state.SetIterationTime(seconds);
        plainSeconds += secondsToRead(plainPath, plainLoaded);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ns_per_unit"] = hostileSeconds / n / units * 1e9;
    state.counters["plain_ns_per_unit"] = plainSeconds / n / units * 1e9;
    state.counters["ratio_to_plain"] = hostileSeconds / plainSeconds;
    state.counters["loaded"] = hostileLoaded;
    state.counters["plain_loaded"] = plainLoaded;
    state.counters["file_kB"] = static_cast<double>(hostile.size()) / 1e3;
}

std::string inkFileWith(const std::string& definitions, const std::string& body)
{
    return "<ink><definitions>" + definitions + "</definitions>" + body + "</ink>";
}

// " a0='' a1='' ..."
std::string attributeList(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += " a" + std::to_string(i) + "=''";
    return text;
}

// One trace of n attributes, against n attributes one to an element.
void BM_AttributesPerElement(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string trace = "<tracegroup id=\"layer0\"><trace contextRef=\"#c\"" +
                              attributeList(n) + ">1 2</trace></tracegroup>";
    std::string spread = "<tracegroup id=\"layer0\"><trace contextRef=\"#c\">1 2</trace>";
    for (int i = 0; i < n; ++i)
        spread += "<a a" + std::to_string(i) + "=''/>";
    spread += "</tracegroup>";
    compareReads(state, inkFileWith("", trace), inkFileWith("", spread), n);
}

// Elements of as many attributes as a file may give one, a million in all,
// against the same attributes one to an element.
void BM_AttributesAtTheElementLimit(benchmark::State& state)
{
    const int perElement = static_cast<int>(maxXmlElementAttributes);
    const int elements = 1000000 / perElement;
    const std::string element = "<a" + attributeList(perElement) + "/>";
    std::string full;
    std::string spread;
    for (int e = 0; e < elements; ++e) {
        full += element;
        for (int i = 0; i < perElement; ++i)
            spread += "<a a" + std::to_string(i) + "=''/>";
    }
    compareReads(state, inkFileWith("", full), inkFileWith("", spread),
                 double(elements) * perElement);
}

// Brush ids of one width, so that naming the first or the last costs the
// same text.
std::string brushId(int i)
{
    std::string digits = std::to_string(i);
    return "b" + std::string(6 - std::min<std::size_t>(6, digits.size()), '0') + digits;
}

// n brushes and n contexts, each naming the last brush, against contexts
// that name the first.
void BM_ContextsNamingTheLastBrush(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    std::string definitions = "<traceFormat id=\"f\" />";
    for (int i = 0; i < n; ++i)
        definitions += "<brush id=\"" + brushId(i) + "\"><annotationXML /></brush>";
    const auto contexts = [n](int brush) {
        std::string text;
        for (int i = 0; i < n; ++i)
            text += "<context id=\"c\" brushRef=\"#" + brushId(brush) + "\" traceFormatRef=\"#f\" />";
        return text;
    };
    compareReads(state, inkFileWith(definitions + contexts(n - 1), ""),
                 inkFileWith(definitions + contexts(0), ""), n);
}

// Definitions of n brushes and n contexts that name the brush at `brush`.
InkMLDefinitions definitionsNaming(int n, int brush)
{
    InkMLDefinitions definitions;
    for (int i = 0; i < n; ++i)
        definitions.brushes.push_back(Brush(brushId(i), "Black", 1, 10, 100, false, true, true, "Ball"));
    definitions.traceFormats.push_back(DefaultTraceFormat());
    Brush* named = &*std::next(definitions.brushes.begin(), brush);
    for (int i = 0; i < n; ++i)
        definitions.contexts.emplace_back("c", &definitions.traceFormats.back(), named);
    return definitions;
}

double secondsToCopy(const InkMLDefinitions& definitions)
{
    const auto start = std::chrono::steady_clock::now();
    const InkMLDefinitions copy(definitions);
    benchmark::DoNotOptimize(copy.contexts.size());
    return secondsSince(start);
}

void BM_CopyContextsNamingTheLastBrush(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const InkMLDefinitions last = definitionsNaming(n, n - 1);
    const InkMLDefinitions first = definitionsNaming(n, 0);
    double lastSeconds = 0;
    double firstSeconds = 0;
    for (auto _ : state) {
        const double seconds = secondsToCopy(last);
        lastSeconds += seconds;
        state.SetIterationTime(seconds);
        firstSeconds += secondsToCopy(first);
    }
    state.counters["ns_per_unit"] = lastSeconds / static_cast<double>(state.iterations()) / n * 1e9;
    state.counters["ratio_to_plain"] = lastSeconds / firstSeconds;
}

} // namespace

BENCHMARK(BM_AttributesPerElement)->Arg(1000)->Arg(3000)->Arg(10000)->Arg(30000)->Arg(100000)
    ->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AttributesAtTheElementLimit)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContextsNamingTheLastBrush)->Arg(1000)->Arg(4000)->Arg(16000)->Arg(64000)
    ->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyContextsNamingTheLastBrush)->Arg(1000)->Arg(4000)->Arg(16000)->Arg(64000)
    ->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSketch)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK(BM_ReadSketchAgainstBareParse)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(3.0);
