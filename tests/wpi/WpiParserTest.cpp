#include "WpiTestSupport.h"

#include <functional>

using testsupport::WpiBuilder;
using wpitest::pointsOf;
using wpitest::Shape;
using wpitest::shapeOf;
using wpitest::WpiTest;

namespace {

WpiBuilder file() { return std::move(WpiBuilder().descriptor()); }

std::string parseLine(const std::string& message) { return "SEVERE " + message + "\tWpiParser::parse()"; }

struct Case {
    const char* name;
    std::function<void(WpiBuilder&)> packets; // after the descriptor
    Shape shape;
};

// Each case follows the descriptor and must load with the given shape.
template <std::size_t N>
void expectShapes(const Case (&cases)[N])
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WpiBuilder f = file();
        c.packets(f);
        Pelm::WpiParser parser("");
        ASSERT_TRUE(parser.readDocFromBuffer(f.bytes().data(), f.size()));
        EXPECT_EQ(shapeOf(*parser.getDocument().GetData()), c.shape);
    }
}

} // namespace

TEST_F(WpiTest, DescriptorAloneGivesAnEmptyLoadedDocument)
{
    EXPECT_TRUE(read(file()));
    EXPECT_TRUE(doc().empty());
    EXPECT_TRUE(doc().loaded.Get());
    EXPECT_EQ(doc().fileDescriptor.body, (std::array<unsigned char, 4>{0x10, 0x02, 0x00, 0x00}));
    EXPECT_TRUE(log.messages().empty());
}

TEST(WpiPenStates, StatusPacketsOpenStrokesAndLayers)
{
    const Case cases[] = {
        {"pen down, three points", [](WpiBuilder& f) { f.penDown().point(1, 1).point(2, 2).point(3, 3); }, {{3}}},
        {"no status at all", [](WpiBuilder& f) { f.point(1, 1).point(2, 2).point(3, 3); }, {{3}}},
        {"up then down before the third",
         [](WpiBuilder& f) { f.penDown().point(1, 1).point(2, 2).penUp().penDown().point(3, 3); }, {{2, 1}}},
        {"up alone keeps the stroke", [](WpiBuilder& f) { f.penDown().point(1, 1).point(2, 2).penUp().point(3, 3); },
         {{3}}},
        {"down while down keeps the stroke",
         [](WpiBuilder& f) { f.penDown().point(1, 1).point(2, 2).penDown().point(3, 3); }, {{3}}},
        {"new layer before the third",
         [](WpiBuilder& f) { f.penDown().point(1, 1).point(2, 2).newLayer().point(3, 3); }, {{2}, {1}}},
        {"new layer with the pen bit too",
         [](WpiBuilder& f) { f.penDown().point(1, 1).status(0x81).point(2, 2).penDown().point(3, 3); }, {{1}, {2}}},
        {"new layer, then up and down",
         [](WpiBuilder& f) {
             f.penDown().point(1, 1).newLayer().penUp().penDown().point(2, 2).penUp().penDown().point(3, 3);
         },
         {{1}, {1, 1}}},
        {"negative y is dropped and keeps the pending layer",
         [](WpiBuilder& f) { f.penDown().point(1, 1).newLayer().point(5, -3).point(3, 3); }, {{1}, {1}}},
        {"only dropped points", [](WpiBuilder& f) { f.penDown().point(1, -3).point(1, -100); }, {}},
        {"other status bits count as pen up",
         [](WpiBuilder& f) { f.penDown().point(1, 1).status(0x7E).penDown().point(2, 2); }, {{1, 1}}},
    };
    expectShapes(cases);
}

TEST(WpiPenStates, UnknownPacketsBlanksAndTrailingBytesAreSkipped)
{
    const Case cases[] = {
        {"unknown tag with its body", [](WpiBuilder& f) { f.point(1, 1).packet(0x70, 0x05, {0x61, 0x06, 0}).point(2, 2); },
         {{2}}},
        {"length code 0 ends the packet at the code",
         [](WpiBuilder& f) { f.point(1, 1).packet(0x70, 0x00, {}).point(2, 2); }, {{2}}},
        {"length code 2 has no body", [](WpiBuilder& f) { f.point(1, 1).packet(0x00, 0x02, {}).point(2, 2); }, {{2}}},
        {"long length code", [](WpiBuilder& f) {
             f.point(1, 1).raw({0x99, 0x43});
             for (int i = 0; i < 16; ++i)
                 f.raw({0x61});
             f.point(2, 2);
         },
         {{2}}},
        {"blanks in tag positions",
         [](WpiBuilder& f) { f.point(1, 1).raw({0x20, 0x09, 0x0A, 0x0B, 0x0C, 0x0D}).point(2, 2).raw({0x20}); },
         {{2}}},
        {"unknown packet running past the end", [](WpiBuilder& f) { f.point(1, 1).packet(0x70, 0x09, {1, 2}); }, {{1}}},
        {"unknown tag as the last byte", [](WpiBuilder& f) { f.point(1, 1).raw({0x70}); }, {{1}}},
    };
    expectShapes(cases);
}

TEST_F(WpiTest, FailuresKeepThePointsReadSoFarNotLoaded)
{
    const std::string cutShort = parseLine("packet cut short by the end of the file");
    const std::string tooShort = parseLine("unknown packet shorter than its tag and length code");
    const struct {
        const char* name;
        std::function<void(WpiBuilder&)> packets;
        std::vector<std::string> log;
    } cases[] = {
        {"second descriptor", [](WpiBuilder& f) { f.descriptor(); }, {parseLine("multipe file descriptors found")}},
        {"unknown length code 0x40", [](WpiBuilder& f) { f.packet(0x70, 0x40, {0x61, 0x06}); }, {tooShort}},
        {"unknown length code 0x80", [](WpiBuilder& f) { f.packet(0x70, 0x80, {}); }, {tooShort}},
        {"unknown length code 0xC0", [](WpiBuilder& f) { f.packet(0x00, 0xC0, {}); }, {tooShort}},
        {"unknown length code 0x01", [](WpiBuilder& f) { f.packet(0x70, 0x01, {}); }, {tooShort}},
        {"coordinate cut short", [](WpiBuilder& f) { f.point(0x7FFF, 0x7FFF).truncate(2); }, {cutShort}},
        {"coordinate without length code", [](WpiBuilder& f) { f.raw({0x61}); }, {cutShort}},
        {"status without body", [](WpiBuilder& f) { f.raw({0xF1, 0x03}); }, {cutShort}},
        {"timestamp cut short", [](WpiBuilder& f) { f.timestamp(7).truncate(1); }, {cutShort}},
        {"date cut short", [](WpiBuilder& f) { f.dateTime({1, 2, 3, 4, 5, 6, 7}).truncate(3); }, {cutShort}},
        {"wrong length code", [](WpiBuilder& f) { f.packet(0x61, 0x46, {0, 0, 0, 0}); }, {}},
        {"unknown pressure type",
         [](WpiBuilder& f) { f.pressure(10, 2); },
         {"WARNING invalid pressure algorithm type\tPressureData::readFromStream()"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        WpiBuilder f = file();
        f.penDown().point(10, 10).point(20, 20);
        c.packets(f);
        Pelm::WpiParser failing("");
        EXPECT_FALSE(failing.readDocFromBuffer(f.bytes().data(), f.size()));
        Pelm::WpiDocument& kept = *failing.getDocument().GetData();
        EXPECT_FALSE(kept.loaded.Get());
        EXPECT_EQ(shapeOf(kept), (Shape{{2}}));
        EXPECT_EQ(log.messages(), c.log);
    }
}

// A layer costs far more memory than the nine bytes that open it.
TEST_F(WpiTest, LayersBeyondTheLimitFailTheRead)
{
    WpiBuilder f = file();
    for (unsigned long i = 0; i < Pelm::maxDocumentLayers; ++i)
        f.newLayer().point(10, 10);
    Pelm::WpiParser atLimit("");
    ASSERT_TRUE(atLimit.readDocFromBuffer(f.bytes().data(), f.size()));
    EXPECT_EQ(atLimit.getDocument()->getSize(), Pelm::maxDocumentLayers);

    f.newLayer().point(20, 20);
    Pelm::WpiParser beyond("");
    EXPECT_FALSE(beyond.readDocFromBuffer(f.bytes().data(), f.size()));
    EXPECT_FALSE(beyond.getDocument()->loaded.Get());
    EXPECT_EQ(log.messages(), std::vector<std::string>{parseLine("file refused: more than 10000 layers")});
}

TEST_F(WpiTest, BadDescriptorFailsWithItsOwnLineFirst)
{
    WpiBuilder blank;
    blank.raw({0x20}).descriptor().point(1, 1);
    EXPECT_FALSE(read(blank));
    WpiBuilder format;
    format.descriptor(1).point(1, 1);
    Pelm::WpiParser second("");
    EXPECT_FALSE(second.readDocFromBuffer(format.bytes().data(), format.size()));
    EXPECT_TRUE(doc().empty());
    EXPECT_EQ(log.messages(),
              (std::vector<std::string>{
                  "SEVERE bad packet tag: 1 expected for file descriptor\tFileDescriptor::readFromStream()",
                  parseLine("invalid file descriptor"),
                  "SEVERE Invalid coordinate format - currently only cooridnates are supported"
                  "\tFileDescriptor::readFromStream()",
                  parseLine("invalid file descriptor")}));
}

TEST_F(WpiTest, PointsTakeScaledCoordinatesAndTheCarriedPenValues)
{
    WpiBuilder f = file();
    f.timestamp(0x010203).penDown().pressure(1000, WpiBuilder::quarterPressure).tilt(-3, 4);
    f.point(-15, -2).point(95, 5);
    ASSERT_TRUE(read(f));
    const std::vector<Pelm::Point> points = pointsOf(doc());
    ASSERT_EQ(points.size(), 2u);
    // Pen down resets pressure and tilt, not the time.
    const Pelm::Point& first = points[0];
    EXPECT_DOUBLE_EQ(first.x.Get(), -1.0);
    EXPECT_DOUBLE_EQ(first.y.Get(), 0.1);
    EXPECT_EQ(first.z.Get(), 0.0);
    EXPECT_EQ(first.pressure.Get(), 250u);
    EXPECT_EQ(first.tiltX.Get(), -3);
    EXPECT_EQ(first.tiltY.Get(), 4);
    EXPECT_EQ(first.timestamp.Get(), 66051ul);
    EXPECT_DOUBLE_EQ(points[1].x.Get(), 10.0);
    EXPECT_DOUBLE_EQ(points[1].y.Get(), 1.5);
}

TEST_F(WpiTest, PenValuesPatchOnlyTheLoneFirstPointTimestampTheLastPoint)
{
    WpiBuilder f = file();
    f.pressure(500).tilt(9, 9).timestamp(5).penDown();
    f.point(1, 1).pressure(600).tilt(1, 2).timestamp(11);   // lone point: all patched
    f.point(2, 2).pressure(700).tilt(3, 4).timestamp(12);   // second point: only its time
    f.point(3, 3);
    f.penUp().penDown().pressure(800).point(4, 4);          // new stroke: reset, then carried
    f.timestamp(13).newLayer().point(5, 5);                 // new layer: reset, time kept
    ASSERT_TRUE(read(f));
    const std::vector<Pelm::Point> p = pointsOf(doc());
    ASSERT_EQ(p.size(), 5u);
    const struct {
        unsigned int pressure;
        int tiltX, tiltY;
        unsigned long timestamp;
    } expected[] = {{600, 1, 2, 11}, {600, 1, 2, 12}, {700, 3, 4, 12}, {800, 0, 0, 13}, {0, 0, 0, 13}};
    for (std::size_t i = 0; i < p.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(p[i].pressure.Get(), expected[i].pressure);
        EXPECT_EQ(p[i].tiltX.Get(), expected[i].tiltX);
        EXPECT_EQ(p[i].tiltY.Get(), expected[i].tiltY);
        EXPECT_EQ(p[i].timestamp.Get(), expected[i].timestamp);
    }
}

// A signed 16-bit cut would store 0x8000 as 4294934528 and draw a giant outline.
TEST_F(WpiTest, RawPressureOfTheUpperHalfStaysPositive)
{
    WpiBuilder f = file();
    f.penDown().pressure(0x8000).point(1, 1).point(2, 2).pressure(0xFFFF).point(3, 3);
    ASSERT_TRUE(read(f));
    const std::vector<Pelm::Point> p = pointsOf(doc());
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].pressure.Get(), 32768u);
    EXPECT_EQ(p[2].pressure.Get(), 65535u);
}

TEST_F(WpiTest, RectanglesGrowAtEveryLevel)
{
    WpiBuilder f = file();
    f.penDown().point(5, 0).point(-15, 10).penUp().penDown().point(95, -2);
    f.newLayer().point(195, 20);
    ASSERT_TRUE(read(f));
    auto corners = [](const Pelm::BindingRectangle& r) {
        return std::vector<double>{r.topLeft.Get().x.Get(), r.topLeft.Get().y.Get(), r.bottomRight.Get().x.Get(),
                                   r.bottomRight.Get().y.Get()};
    };
    Pelm::Layer* first = nullptr;
    ASSERT_TRUE(doc().at(0, &first));
    Pelm::Stroke* stroke = nullptr;
    ASSERT_TRUE(first->at(0, &stroke));
    EXPECT_EQ(corners(stroke->getBindingRectangle()), (std::vector<double>{-1.0, 0.5, 1.0, 2.5}));
    EXPECT_EQ(corners(first->getBindingRectangle()), (std::vector<double>{-1.0, 0.1, 10.0, 2.5}));
    EXPECT_EQ(corners(doc().getBindingRectangle()), (std::vector<double>{-1.0, 0.1, 20.0, 4.5}));
}

TEST_F(WpiTest, DescriptionPacketsKeepTheLastOfEachKind)
{
    WpiBuilder f = file();
    f.physicalParams({1, 1, 1, 1, 1, 1, 1}).dateTime({9, 8, 7, 6, 5, 4, 3}).physicalParams({1, 2, 3, 4, 5, 6, 7});
    ASSERT_TRUE(read(f));
    EXPECT_EQ(doc().physicalParams.body, (std::array<unsigned char, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(doc().fileDateTime.body, (std::array<unsigned char, 7>{9, 8, 7, 6, 5, 4, 3}));

    Pelm::WpiParser none("");
    const WpiBuilder bare = file();
    ASSERT_TRUE(none.readDocFromBuffer(bare.bytes().data(), bare.size()));
    EXPECT_EQ(none.getDocument()->physicalParams.body, (std::array<unsigned char, 7>{}));
}
