// Opening pen files through the loaded module, end to end.

#include "DocumentSerializer.h"
#include "InkDocuments.h"
#include "InkMLDefinitions.h"
#include "PluginHostTest.h"
#include "WpiBuilder.h"

#include <gmock/gmock.h>

#include <cmath>
#include <fstream>

using namespace testhost;
using ::testing::IsEmpty;
using testsupport::WpiBuilder;

namespace {

class FileImport : public PluginHostTest {
protected:
    explicit FileImport(const std::string& homeName = "home") : PluginHostTest(nullptr, homeName) {}

    void SetUp() override { ASSERT_EQ(host.startup(), kNoErr); }

    void TearDown() override
    {
        EXPECT_EQ(host.shutdown(), kNoErr);
        EXPECT_THAT(host.heldSuites(), IsEmpty());
        PluginHostTest::TearDown();
    }

    std::size_t pathCount()
    {
        std::size_t count = 0;
        for (AILayerHandle layer : host.layers())
            count += host.pathsOf(layer).size();
        return count;
    }

    // An InkML file written by the ink library's writer.
    std::string writeInkFile(const std::string& name, const std::vector<InkLayer>& layers)
    {
        Pelm::Document document = inkDocument(layers);
        Pelm::DefaultInkMLDefinitions definitions;
        const std::string path = scratch.file(name);
        if (!Pelm::DocumentSerializer(document).Serialize(path.c_str(), definitions))
            ADD_FAILURE() << "cannot write " << path;
        return path;
    }

    std::size_t styledPathCount()
    {
        std::size_t count = 0;
        for (AILayerHandle layer : host.layers())
            for (const ArtObject* path : host.pathsOf(layer))
                count += host.styleOf(*path) == "hlvaiexportset" ? 1 : 0;
        return count;
    }

    // Spans an A4 page (0..2100 by 0.1..2970.1 units) in two layers: the
    // first with a two-point, a one-point and a three-point stroke, the
    // second with one two-point stroke. Pressure 512 throughout.
    std::string writeSketch(const std::string& name)
    {
        WpiBuilder file;
        const auto stroke = [&file](std::initializer_list<std::pair<std::int16_t, std::int16_t>> points) {
            file.penDown().pressure(512);
            for (const auto& [x, y] : points)
                file.point(x, y);
            file.penUp();
        };
        file.descriptor();
        stroke({{-5, -2}, {20995, 14848}});
        stroke({{1000, 1000}});
        stroke({{2000, 2000}, {3000, 2500}, {4000, 2000}});
        file.newLayer();
        stroke({{5000, 5000}, {6000, 6000}});
        const std::string path = scratch.file(name);
        file.writeTo(path);
        return path;
    }
};

TEST_F(FileImport, AWpiSketchBecomesLayersOfStyledPressurePaths)
{
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi")), kNoErr);

    EXPECT_NEAR(host.setup().width, 595.14, 0.01);
    EXPECT_NEAR(host.setup().height, 841.70, 0.01);
    const std::vector<AILayerHandle> layers = host.layers();
    ASSERT_EQ(layers.size(), 2u);
    ASSERT_EQ(host.pathsOf(layers[0]).size(), 2u);
    ASSERT_EQ(host.pathsOf(layers[1]).size(), 1u);
    const ArtObject& first = *host.pathsOf(layers[0])[0];
    ASSERT_EQ(first.segments.size(), 2u);
    EXPECT_NEAR(first.segments[0].p.h, 0.0, 1e-3);
    EXPECT_NEAR(first.segments[0].p.v, 841.70, 0.01);
    EXPECT_NEAR(first.segments[1].p.h, 595.14, 0.01);
    EXPECT_NEAR(first.segments[1].p.v, 0.0, 1e-3);
    EXPECT_EQ(host.pathsOf(layers[0])[1]->segments.size(), 3u);
    for (AILayerHandle layer : layers)
        for (const ArtObject* path : host.pathsOf(layer)) {
            EXPECT_EQ(path->closed, false);
            EXPECT_EQ(path->profile.front().value, 0.5);
            EXPECT_EQ(host.styleOf(*path), "hlvaiexportset");
        }
}

// The extension picks the reader, in any letter case; an unknown one keeps
// the reader of the file before.
TEST_F(FileImport, TheExtensionChoosesTheReader)
{
    const std::string wpi = writeSketch("sketch.wpi");
    const auto copyAs = [&](const std::string& name) {
        const std::string path = scratch.file(name);
        std::filesystem::copy_file(wpi, path);
        return path;
    };
    EXPECT_EQ(host.openFile(copyAs("a.WPI")), kNoErr);
    EXPECT_EQ(host.openFile(copyAs("b.Eli")), kNoErr);
    EXPECT_EQ(host.openFile(copyAs("c.dat")), kNoErr);
    EXPECT_EQ(host.openFile(copyAs("d.HLV")), kFileFormatErr);
    EXPECT_EQ(host.openFile(copyAs("e.dat")), kFileFormatErr);
    EXPECT_EQ(host.openFile(copyAs("f.InkML")), kFileFormatErr);
    EXPECT_EQ(host.openFile(copyAs("g.eli")), kNoErr);
    EXPECT_EQ(host.openFile(copyAs("h")), kNoErr);
}

// An unreadable file is an error for the host, not an empty document
// opened with success; nothing is built.
TEST_F(FileImport, AFileThatDoesNotReadImportsNothingAndFails)
{
    const std::string missing = scratch.file("missing.wpi");
    const std::string garbage = scratch.file("garbage.wpi");
    std::ofstream(garbage, std::ios::binary) << "not a sketch at all";
    const std::string cut = scratch.file("cut.wpi");
    WpiBuilder().descriptor().penDown().point(10, 10).point(20, 20).truncate(3).writeTo(cut);

    for (const std::string& path : {missing, garbage, cut}) {
        EXPECT_EQ(host.openFile(path), kFileFormatErr) << path;
        EXPECT_EQ(pathCount(), 0u) << path;
        EXPECT_THAT(host.callsOf("SetDocumentSetup"), IsEmpty()) << path;
    }
}

TEST_F(FileImport, AnOpenWithoutTheReadFlagLoadsTheBrushLibraryOnly)
{
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi"), 0), kNoErr);
    EXPECT_EQ(host.callsOf("OpenStyleLibrary").size(), 1u);
    EXPECT_EQ(host.callsOf("GetArtStyleByName").size(), 1u);
    EXPECT_THAT(host.callsOf("GetDocumentSetup"), IsEmpty());
    EXPECT_EQ(pathCount(), 0u);
}

// InkML files written by the ink library's writer, opened as "hlv" or "inkml".
class InkMLImport : public FileImport, public ::testing::WithParamInterface<const char*> {};

TEST_P(InkMLImport, AnInkFileBecomesOneHostLayerPerInkLayer)
{
    const InkStroke diagonal = {{0, 0, 512}, {2100, 2970, 512}};
    const InkStroke single = {{100, 100, 512}};
    const InkStroke bend = {{200, 200, 512}, {300, 400, 512}, {400, 200, 512}};
    const std::string path = writeInkFile(GetParam(), {{diagonal, single}, {}, {bend}});
    // A file of unknown extension is read like the one before it.
    const std::string unknown = scratch.file("copy.dat");
    std::filesystem::copy_file(path, unknown);
    EXPECT_EQ(host.openFile(path), kNoErr);
    EXPECT_EQ(host.openFile(unknown), kNoErr);

    EXPECT_NEAR(host.setup().width, 595.14, 0.01);
    EXPECT_NEAR(host.setup().height, 841.70, 0.01);
    const std::vector<AILayerHandle> layers = host.layers();
    ASSERT_EQ(layers.size(), 3u);
    ASSERT_EQ(host.pathsOf(layers[0]).size(), 1u);
    EXPECT_THAT(host.pathsOf(layers[1]), IsEmpty());
    ASSERT_EQ(host.pathsOf(layers[2]).size(), 1u);
    const ArtObject& top = *host.pathsOf(layers[2])[0];
    ASSERT_EQ(top.segments.size(), 3u);
    EXPECT_EQ(top.profile[1].offset, 0.5);
    EXPECT_EQ(top.profile[1].value, 0.5);
    EXPECT_EQ(host.styleOf(top), "hlvaiexportset");
}

INSTANTIATE_TEST_SUITE_P(Extensions, InkMLImport, ::testing::Values("sketch.hlv", "sketch.INKML"));

// A failing host call at any step ends the open with the host's code;
// nothing taken from the host is left open.
class FailingStep : public FileImport, public ::testing::WithParamInterface<const char*> {};

TEST_P(FailingStep, EndsTheImportWithTheHostsCode)
{
    host.failCall(GetParam(), kInjected);
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi")), kInjected);
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, FailingStep,
    ::testing::Values("CopyFilePath", "GetFullPath", "GetFileExtension", "NewUnicodeString", "GetAs",
                      "AppendUnicodeString", "NewFilePathFromUnicode", "OpenStyleLibrary", "GetArtStyleByName",
                      "GetDocumentSetup", "SetDocumentRulerOrigin", "SetDocumentSetup", "GetFirstLayer",
                      "SetLayerEditable", "InsertLayer", "NewArt", "SetPathSegmentCount", "SetPathSegments",
                      "SetPathClosed", "SetTabletData", "CountLayers"));

// A layer that cannot be made current is still filled.
TEST_F(FileImport, ALayerThatCannotBeMadeCurrentIsStillFilled)
{
    host.failCall("SetCurrentLayer", kInjected);
    host.failCall("SetCurrentLayer", kInjected);
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi")), kNoErr);
    EXPECT_EQ(host.layers().size(), 2u);
    EXPECT_EQ(styledPathCount(), 3u);
}

// The style goes to every art object of every layer, past any failing
// call; the open answers with the result of the last call made. The
// sketch's host layers, as the host counts them: the second ink layer (its
// group and one path), then the first (its group and two paths).
struct StylingFailure {
    const char* op;
    int occurrence;
    AIErr result;
    std::size_t styledPaths;
};

class FailingStyling : public FileImport, public ::testing::WithParamInterface<StylingFailure> {};

TEST_P(FailingStyling, GoesOnAndAnswersWithTheLastCall)
{
    const StylingFailure failure = GetParam();
    host.failCall(failure.op, kInjected, "", failure.occurrence);
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi")), failure.result);
    EXPECT_EQ(pathCount(), 3u);
    EXPECT_EQ(styledPathCount(), failure.styledPaths);
}

INSTANTIATE_TEST_SUITE_P(
    EachCall, FailingStyling,
    ::testing::Values(StylingFailure{"SetArtStyle", 2, kNoErr, 2}, StylingFailure{"SetArtStyle", 5, kInjected, 2},
                      StylingFailure{"IndexArtSet", 2, kNoErr, 2}, StylingFailure{"CountArtSet", 2, kInjected, 1},
                      StylingFailure{"LayerArtSet", 1, kNoErr, 2}, StylingFailure{"NewArtSet", 1, kNoErr, 2},
                      StylingFailure{"NewArtSet", 2, kInjected, 1}, StylingFailure{"LayerHasArt", 1, kNoErr, 3},
                      StylingFailure{"GetNthLayer", 1, kNoErr, 2}, StylingFailure{"GetNthLayer", 2, kInjected, 1}),
    [](const ::testing::TestParamInfo<StylingFailure>& info) {
        return std::string(info.param.op) + "_" + std::to_string(info.param.occurrence);
    });

// Coordinates the host cannot hold make the file unreadable: nothing of it
// reaches the host's document.
class OutOfRangeCoordinate : public FileImport, public ::testing::WithParamInterface<Sample> {};

std::string nameOfCoordinate(const ::testing::TestParamInfo<Sample>& info)
{
    const auto text = [](double value) {
        std::string name = std::to_string(static_cast<int>(std::log10(std::fabs(value))));
        return (value < 0 ? "minus_1e" : "1e") + name;
    };
    return std::abs(info.param.x) > std::abs(info.param.y) ? "x_" + text(info.param.x) : "y_" + text(info.param.y);
}

TEST_P(OutOfRangeCoordinate, MakesTheFileUnreadable)
{
    const std::string path = writeInkFile("far.hlv", {{{{0, 0, 512}, GetParam()}}});
    EXPECT_EQ(host.openFile(path), kFileFormatErr);
    EXPECT_EQ(pathCount(), 0u);
    EXPECT_THAT(host.callsOf("SetDocumentSetup"), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Coordinates, OutOfRangeCoordinate,
                         ::testing::Values(Sample{1e300, 10, 512}, Sample{10, -1e300, 512}, Sample{1e39, 10, 512}),
                         nameOfCoordinate);

TEST_F(FileImport, FarButHostSizedCoordinatesImport)
{
    EXPECT_EQ(host.openFile(writeInkFile("far.hlv", {{{{0, 0, 512}, {1e37, -1e37, 512}}}})), kNoErr);
    EXPECT_EQ(pathCount(), 1u);
    EXPECT_TRUE(std::isfinite(host.setup().width));
    EXPECT_TRUE(std::isfinite(host.setup().height));
}

TEST_F(FileImport, AFailingPathStopsTheStrokesAfterItAndTheStyling)
{
    host.failCall("NewArt", kInjected, "", 2);
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi")), kInjected);
    EXPECT_EQ(pathCount(), 1u);
    EXPECT_EQ(host.layers().size(), 1u);
    EXPECT_THAT(host.callsOf("SetArtStyle"), IsEmpty());
}

TEST_F(FileImport, AFailingLayerStopsTheLayersAfterIt)
{
    host.failCall("InsertLayer", kInjected);
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi")), kInjected);
    EXPECT_EQ(host.layers().size(), 1u);
    EXPECT_EQ(pathCount(), 2u);
}

TEST_F(FileImport, ABlockTheHostCannotGiveIsOutOfMemory)
{
    host.failCall("AllocateBlock", kInjected);
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi")), kOutOfMemoryErr);
}

// Without the brush library there is no style for the paths: the open
// ends before anything is read.
TEST_F(FileImport, AMissingBrushLibraryEndsTheOpen)
{
    const std::string sketch = writeSketch("sketch.wpi");
    host.addStyleLibrary(brushLibraryPath(), {"Other"});
    EXPECT_EQ(host.openFile(sketch), kNotFoundErr);

    host.addStyleLibrary(brushLibraryPath() + ".moved", {"KelpraStyle"});
    host.addStyleLibrary(brushLibraryPath(), {});
    EXPECT_EQ(host.openFile(sketch), kNotFoundErr);

    std::filesystem::remove_all(dataHome());
    EXPECT_EQ(host.openFile(sketch), kNotFoundErr);
    {
        const testsupport::EnvironmentOverride noHome("HOME", nullptr);
        EXPECT_EQ(host.openFile(sketch), kNotFoundErr);
    }
    EXPECT_THAT(host.callsOf("GetDocumentSetup"), IsEmpty());
}

// The library is read from the data folder the program copies it into:
// XDG_DATA_HOME when set, with or without HOME.
TEST_F(FileImport, TheBrushLibraryIsReadWhereTheProgramPutsIt)
{
    const std::string sketch = writeSketch("sketch.wpi");
    const std::string dataHome = scratch.file("data");
    const testsupport::EnvironmentOverride xdgData("XDG_DATA_HOME", dataHome.c_str());
    // The library below HOME is not the one the program uses now.
    EXPECT_EQ(host.openFile(sketch), kNotFoundErr);

    std::filesystem::create_directories(dataHome + "/Scrivet");
    host.addStyleLibrary(dataHome + "/Scrivet/brush_pressure.ai", {"KelpraStyle"});
    EXPECT_EQ(host.openFile(sketch), kNoErr);
    const testsupport::EnvironmentOverride noHome("HOME", nullptr);
    EXPECT_EQ(host.openFile(sketch), kNoErr);
}

// The host receives the library's path whole, as UTF-8 with its length in
// bytes, however many bytes the folder's letters take.
class NonAsciiHome : public FileImport {
protected:
    NonAsciiHome() : FileImport("Zoë Ångström 文") {}
};

TEST_F(NonAsciiHome, TheBrushLibraryPathReachesTheHostWhole)
{
    EXPECT_EQ(host.openFile(writeSketch("sketch.wpi")), kNoErr);
    const std::vector<CallRecord> strings = host.callsOf("NewUnicodeString");
    EXPECT_TRUE(std::any_of(strings.begin(), strings.end(), [&](const CallRecord& call) {
        return call.args.find("\"" + dataHome() + "\"") == 0;
    }));
    EXPECT_EQ(pathCount(), 3u);
    EXPECT_EQ(host.styleOf(*host.pathsOf(host.layers()[0])[0]), "hlvaiexportset");
}

} // namespace
