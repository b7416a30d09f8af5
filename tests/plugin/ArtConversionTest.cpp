// An ink document turned into host art by the plug-in linked into the test.

#include "InkDocuments.h"
#include "PluginHostTest.h"
#include "PluginMain.h"
#include "hlvexportfileplugin.h"

#include <gmock/gmock.h>

using namespace testhost;
using ::testing::IsEmpty;

namespace {

constexpr double kScale = 0.2834f;
constexpr double kPageCentreH = 297.57f;
constexpr double kPageCentreV = 420.849f;

class ArtConversion : public PluginHostTest {
protected:
    ArtConversion() : PluginHostTest(&PluginMain) {}

    void SetUp() override
    {
        ASSERT_EQ(host.startup(), kNoErr);
        host.newDocument();
        plugin().LoadBrushLibrary();
    }

    void TearDown() override
    {
        EXPECT_EQ(host.shutdown(), kNoErr);
        EXPECT_THAT(host.heldSuites(), IsEmpty());
        PluginHostTest::TearDown();
    }

    hlvexportfileplugin& plugin() { return *static_cast<hlvexportfileplugin*>(static_cast<Plugin*>(host.globals())); }

    void import(const std::vector<InkLayer>& layers) { EXPECT_EQ(plugin().ParseVectorFileData(sharedInkDocument(layers)), kNoErr); }

    std::vector<const ArtObject*> allPaths()
    {
        std::vector<const ArtObject*> paths;
        for (AILayerHandle layer : host.layers())
            for (const ArtObject* path : host.pathsOf(layer))
                paths.push_back(path);
        return paths;
    }
};

void expectPoint(const AIRealPoint& actual, double h, double v, const char* what)
{
    EXPECT_NEAR(actual.h, h, 1e-3) << what;
    EXPECT_NEAR(actual.v, v, 1e-3) << what;
}

void expectSame(const AIRealPoint& actual, const AIRealPoint& expected, const char* what)
{
    EXPECT_EQ(actual.h, expected.h) << what;
    EXPECT_EQ(actual.v, expected.v) << what;
}

struct Drawing {
    double left, top, right, bottom;
};

class DrawingBox : public ArtConversion, public ::testing::WithParamInterface<Drawing> {};

// The page is sized to the drawing, whose corners land on the page's centre
// plus or minus half its size, y growing upward.
TEST_P(DrawingBox, SizesThePageAndCentresTheDrawingOnIt)
{
    const Drawing d = GetParam();
    import({{{{d.left, d.top, 100}, {d.right, d.bottom, 900}}}});

    const AIDocumentSetup& setup = host.setup();
    EXPECT_NEAR(setup.width, (d.right - d.left) * kScale, 1e-3);
    EXPECT_NEAR(setup.height, (d.bottom - d.top) * kScale, 1e-3);
    EXPECT_EQ(setup.outputResolution, 800.0);
    ASSERT_TRUE(host.rulerOrigin());
    EXPECT_EQ(host.rulerOrigin()->h, 0.0);
    EXPECT_EQ(host.rulerOrigin()->v, 0.0);

    const std::vector<const ArtObject*> paths = allPaths();
    ASSERT_EQ(paths.size(), 1u);
    const std::vector<AIPathSegment>& segments = paths[0]->segments;
    ASSERT_EQ(segments.size(), 2u);
    expectPoint(segments[0].p, kPageCentreH - setup.width / 2, kPageCentreV + setup.height / 2, "top left");
    expectPoint(segments[1].p, kPageCentreH + setup.width / 2, kPageCentreV - setup.height / 2, "bottom right");
    expectSame(segments[0].in, segments[0].p, "first in-handle");
    expectSame(segments[0].out, segments[1].p, "first out-handle");
    expectSame(segments[1].in, segments[0].p, "last in-handle");
    expectSame(segments[1].out, segments[1].p, "last out-handle");
    EXPECT_FALSE(segments[0].corner || segments[1].corner);
    EXPECT_EQ(paths[0]->closed, false);
}

INSTANTIATE_TEST_SUITE_P(Boxes, DrawingBox,
                         ::testing::Values(Drawing{0, 0, 2100, 2970}, Drawing{100, 200, 500, 800},
                                           Drawing{-300, 50, 40, 51}));

TEST_F(ArtConversion, AnA4DrawingGivesAnA4Page)
{
    import({{{{0, 0, 0}, {2100, 2970, 0}}}});
    EXPECT_NEAR(host.setup().width, 595.14, 0.01);
    EXPECT_NEAR(host.setup().height, 841.70, 0.01);
}

TEST_F(ArtConversion, AThreePointStrokeChainsItsHandlesAndCarriesItsPressure)
{
    import({{{{100, 200, 0}, {300, 500, 512}, {500, 800, 1024}}}});
    const std::vector<const ArtObject*> paths = allPaths();
    ASSERT_EQ(paths.size(), 1u);
    const std::vector<AIPathSegment>& s = paths[0]->segments;
    ASSERT_EQ(s.size(), 3u);
    EXPECT_NEAR(s[1].p.h - s[0].p.h, 200 * kScale, 1e-9);
    EXPECT_NEAR(s[1].p.v - s[0].p.v, -300 * kScale, 1e-9);
    expectSame(s[0].in, s[0].p, "first in-handle");
    expectSame(s[0].out, s[1].p, "first out-handle");
    expectSame(s[1].in, s[0].p, "middle in-handle");
    expectSame(s[1].out, s[2].p, "middle out-handle");
    expectSame(s[2].in, s[1].p, "last in-handle");
    expectSame(s[2].out, s[2].p, "last out-handle");

    const std::vector<AITabletProfile>& profile = paths[0]->profile;
    ASSERT_EQ(profile.size(), 3u);
    EXPECT_EQ(paths[0]->profileKind, kTabletPressure);
    EXPECT_EQ(profile[0].offset, 0.0);
    EXPECT_EQ(profile[1].offset, 0.5);
    EXPECT_EQ(profile[2].offset, 1.0);
    EXPECT_EQ(profile[0].value, 0.0);
    EXPECT_EQ(profile[1].value, 0.5);
    EXPECT_EQ(profile[2].value, 1.0);
}

TEST_F(ArtConversion, ProfileEndsAreExactlyZeroAndOneForAnyLength)
{
    import({{straightStroke(0, 0, 1000, 10, 7), straightStroke(0, 0, 1000, 10, 1000)}});
    for (const ArtObject* path : allPaths()) {
        EXPECT_EQ(path->profile.front().offset, 0.0);
        EXPECT_EQ(path->profile.back().offset, 1.0);
        EXPECT_TRUE(std::is_sorted(path->profile.begin(), path->profile.end(),
                                   [](const AITabletProfile& a, const AITabletProfile& b) { return a.offset < b.offset; }));
    }
}

// The first ink layer goes into the host's first layer, every later one
// into a new layer above; empty layers still get theirs, short strokes
// nothing.
TEST_F(ArtConversion, OneHostLayerPerInkLayerStackedUpward)
{
    const AILayerHandle original = host.layers().front();
    const InkStroke twoPoints = {{10, 10, 100}, {20, 20, 200}};
    import({{twoPoints, twoPoints}, {}, {twoPoints, {{5, 5, 5}}, {}, twoPoints, twoPoints}});

    const std::vector<AILayerHandle> layers = host.layers();
    ASSERT_EQ(layers.size(), 3u);
    EXPECT_EQ(layers[0], original);
    EXPECT_EQ(host.pathsOf(layers[0]).size(), 2u);
    EXPECT_EQ(host.pathsOf(layers[1]).size(), 0u);
    EXPECT_EQ(host.pathsOf(layers[2]).size(), 3u);
    EXPECT_EQ(host.currentLayer(), layers[2]);
    for (AILayerHandle layer : layers)
        EXPECT_TRUE(host.layer(layer).editable);
    EXPECT_EQ(host.callsOf("InsertLayer").size(), 2u);
}

TEST_F(ArtConversion, EveryPathGetsTheNamedStyleMadeFromTheLibraryStyle)
{
    import({{{{10, 10, 100}, {20, 20, 200}}}, {{{30, 10, 100}, {40, 20, 200}}, {{50, 10, 100}, {60, 20, 200}}}});
    const std::vector<CallRecord> created = host.callsOf("CreateNamedStyle");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_NE(created[0].args.find(", 1"), std::string::npos);
    const std::vector<const ArtObject*> paths = allPaths();
    ASSERT_EQ(paths.size(), 3u);
    for (const ArtObject* path : paths)
        EXPECT_EQ(host.styleOf(*path), "hlvaiexportset");
}

TEST_F(ArtConversion, ADocumentWithoutLayersStillPreparesTheFirstLayerAndStyles)
{
    const AILayerHandle original = host.layers().front();
    import({});
    EXPECT_EQ(host.layers().size(), 1u);
    EXPECT_THAT(allPaths(), IsEmpty());
    EXPECT_EQ(host.currentLayer(), original);
    EXPECT_TRUE(host.layer(original).editable);
    EXPECT_EQ(host.callsOf("CountLayers").size(), 1u);
}

// A host path counts its segments in 16 bits: longer strokes continue in
// further paths from the point where the previous one stopped.
TEST_F(ArtConversion, AStrokeLongerThanAHostPathBecomesConsecutivePaths)
{
    const unsigned long length = kMaxPathSegments + 10;
    import({{straightStroke(0, 0, 2000, 1000, length)}});
    const std::vector<const ArtObject*> paths = allPaths();
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0]->segments.size(), kMaxPathSegments);
    EXPECT_EQ(paths[1]->segments.size(), 11u);
    EXPECT_EQ(paths[1]->profile.size(), 11u);
    expectSame(paths[1]->segments.front().p, paths[0]->segments.back().p, "joint");
    EXPECT_EQ(paths[0]->profile.back().offset, 1.0);
}

TEST_F(ArtConversion, ExactlyOneHostPathLongAStrokeStaysOnePath)
{
    import({{straightStroke(0, 0, 2000, 1000, kMaxPathSegments)}, {straightStroke(0, 0, 2000, 1000, kMaxPathSegments + 1)}});
    const std::vector<AILayerHandle> layers = host.layers();
    ASSERT_EQ(host.pathsOf(layers[0]).size(), 1u);
    ASSERT_EQ(host.pathsOf(layers[1]).size(), 2u);
    EXPECT_EQ(host.pathsOf(layers[1])[1]->segments.size(), 2u);
}

// A style that could not be made is not applied, nor is the one of an
// earlier import, whose document is gone.
TEST_F(ArtConversion, AFailedNamedStyleLeavesThePathsUnstyled)
{
    const std::vector<InkLayer> drawing = {{{{10, 10, 100}, {20, 20, 200}}}};
    import(drawing);
    ASSERT_EQ(host.callsOf("SetArtStyle").size(), 2u);

    host.newDocument();
    plugin().LoadBrushLibrary();
    host.failCall("CreateNamedStyle", kInjected);
    import(drawing);
    EXPECT_EQ(allPaths().size(), 1u);
    EXPECT_EQ(host.styleOf(*allPaths()[0]), "");
    EXPECT_EQ(host.callsOf("SetArtStyle").size(), 2u);
}

// Without the group a path goes above all art of the current layer.
TEST_F(ArtConversion, WithoutTheLayerGroupPathsArePlacedAboveAll)
{
    host.failCall("GetFirstArtOfLayer", kInjected);
    import({{{{10, 10, 100}, {20, 20, 200}}, {{30, 10, 100}, {40, 20, 200}}}});
    const std::vector<CallRecord> created = host.callsOf("NewArt");
    ASSERT_EQ(created.size(), 2u);
    EXPECT_EQ(created[0].args, "2, 5, (null)");
    EXPECT_EQ(created[1].args.substr(0, 5), "2, 3,");
    EXPECT_EQ(allPaths().size(), 2u);
}

} // namespace
