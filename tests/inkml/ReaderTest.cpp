#include "DocumentReader.h"
#include "InkFiles.h"
#include "ScratchDir.h"
#include "StringConverter.h"
#include "XmlFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <charconv>
#include <cmath>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <sys/stat.h>
#include <random>
#include <thread>
#include <utility>
#include <unistd.h>
#include <vector>

using namespace Pelm;
using inktest::inkFile;
using testsupport::ScratchDir;

namespace {

template <typename T>
std::vector<T> elementsOf(const Region<T>& region)
{
    std::vector<T> elements(region.getSize());
    for (unsigned long i = 0; i < region.getSize(); ++i)
        region.at(i, elements[i]);
    return elements;
}

struct Read {
    bool result;
    SmartPointer<Document> document;
    SmartPointer<InkMLDefinitions> definitions;

    Document& doc() const { return *document.GetData(); }
    Layer& layer(unsigned long i) const
    {
        Layer* found = nullptr;
        EXPECT_TRUE(doc().at(i, &found));
        return *found;
    }
};

Read readPath(const std::string& path)
{
    DocumentReader reader(path.c_str());
    const bool result = reader.readDocFromFile();
    return {result, reader.getDocument(), reader.getInkData()};
}

class ReaderTest : public ::testing::Test {
protected:
    Read readText(const std::string& text)
    {
        const std::string path = dir.file("sketch.inkml");
        inktest::writeText(path, text);
        return readPath(path);
    }
    // The points of the single trace of the single layer.
    std::vector<Point> pointsOf(const std::string& traceText)
    {
        const Read read = readText(inkFile("<tracegroup id=\"layer0\"><trace contextRef=\"#c\">" +
                                           traceText + "</trace></tracegroup>"));
        EXPECT_TRUE(read.result);
        Stroke* stroke = nullptr;
        if (read.doc().getSize() != 1 || !read.layer(0).at(0, &stroke))
            return {};
        return elementsOf(*stroke);
    }

    ScratchDir dir;
};

void expectPoint(const Point& actual, const Point& expected)
{
    EXPECT_EQ(actual.x.Get(), expected.x.Get());
    EXPECT_EQ(actual.y.Get(), expected.y.Get());
    EXPECT_EQ(actual.z.Get(), expected.z.Get());
    EXPECT_EQ(actual.pressure.Get(), expected.pressure.Get());
    EXPECT_EQ(actual.tiltX.Get(), expected.tiltX.Get());
    EXPECT_EQ(actual.tiltY.Get(), expected.tiltY.Get());
    EXPECT_EQ(actual.timestamp.Get(), expected.timestamp.Get());
}

void expectSameLayers(const Document& read, const Document& expected)
{
    const std::vector<Layer> gotLayers = elementsOf(read);
    const std::vector<Layer> wantLayers = elementsOf(expected);
    ASSERT_EQ(gotLayers.size(), wantLayers.size());
    for (std::size_t l = 0; l < wantLayers.size(); ++l) {
        EXPECT_EQ(gotLayers[l].annotations, wantLayers[l].annotations);
        const std::vector<Stroke> gotStrokes = elementsOf(gotLayers[l]);
        const std::vector<Stroke> wantStrokes = elementsOf(wantLayers[l]);
        ASSERT_EQ(gotStrokes.size(), wantStrokes.size());
        for (std::size_t s = 0; s < wantStrokes.size(); ++s) {
            const std::vector<Point> gotPoints = elementsOf(gotStrokes[s]);
            const std::vector<Point> wantPoints = elementsOf(wantStrokes[s]);
            ASSERT_EQ(gotPoints.size(), wantPoints.size());
            for (std::size_t p = 0; p < wantPoints.size(); ++p)
                expectPoint(gotPoints[p], wantPoints[p]);
        }
    }
}

} // namespace

TEST_F(ReaderTest, ReadsBackWhatTheWriterWrote)
{
    Document written;
    written.annotations["tag"] = "Sketch \xC3\xA9 & <co>";
    written.addElement(inktest::layerOf(
        {inktest::strokeOf({Point(10.5, 20.25, 0, 300, -2, 5, 100), Point(-7, 3000.5, 1, 0, 9, -9, 7)}),
         inktest::strokeOf({Point(1234.5678, 0.1, 0, 4000000000u, 0, 0, 16777215)})},
        "Layer 1"));
    written.addElement(inktest::layerOf({inktest::strokeOf({Point(55, 66, 0, 1, 2, 3, 4)})}));
    DefaultInkMLDefinitions definitions;
    const std::string path = dir.file("round.hlv");
    ASSERT_TRUE(DocumentWriter::writeToFile(path.c_str(), written, definitions));

    const Read read = readPath(path);
    ASSERT_TRUE(read.result);
    EXPECT_TRUE(read.doc().loaded.Get());
    EXPECT_EQ(read.doc().annotations, written.annotations);
    Document expected = written;
    Stroke* rounded = nullptr;
    Layer* first = nullptr;
    ASSERT_TRUE(expected.at(0, &first) && first->at(1, &rounded));
    rounded->getTail().x.Set(1234.57);
    expectSameLayers(read.doc(), expected);

    const BindingRectangle& box = read.doc().getBindingRectangle();
    EXPECT_EQ(box.topLeft.Get().x.Get(), -7);
    EXPECT_EQ(box.topLeft.Get().y.Get(), 0.1);
    EXPECT_EQ(box.bottomRight.Get().x.Get(), 1234.57);
    EXPECT_EQ(box.bottomRight.Get().y.Get(), 3000.5);

    ASSERT_EQ(read.definitions->traceFormats.size(), 1u);
    EXPECT_EQ(read.definitions->traceFormats.front().size(), 6u);
    EXPECT_TRUE(read.definitions->contexts.empty());
}

TEST_F(ReaderTest, ReadsTheWorkedExampleWithoutItsEmptyStroke)
{
    const Read read = readPath(inktest::fixture("example.inkml"));
    ASSERT_TRUE(read.result);
    Document expected = inktest::exampleDocument();
    Layer* second = nullptr;
    ASSERT_TRUE(expected.at(1, &second));
    second->eraseAt(0);
    expectSameLayers(read.doc(), expected);
    EXPECT_EQ(read.doc().annotations.at("tag"), "Trip");
}

TEST_F(ReaderTest, ReadsBrushesAndTheContextsThatCanBeRead)
{
    const Read read = readPath(inktest::fixture("brushes.inkml"));
    ASSERT_TRUE(read.result) << "unreadable definitions do not fail the read";
    expectSameLayers(read.doc(), inktest::brushesDocument());
    const InkMLDefinitions& definitions = *read.definitions.GetData();
    ASSERT_EQ(definitions.brushes.size(), 2u);
    EXPECT_EQ(definitions.brushes.front().color.Get(), "Blue");
    EXPECT_TRUE(definitions.brushes.front().antialiased.Get());
    EXPECT_EQ(definitions.brushes.back().pentip.Get(), "Chisel");
    // The default context names no brush, which matches the brush without
    // id; the context without id stops the pass.
    ASSERT_EQ(definitions.contexts.size(), 2u);
    EXPECT_EQ(definitions.contexts.front().getId(), "default-context");
    EXPECT_EQ(definitions.contexts.front().brush.Get(), &definitions.brushes.back());
    EXPECT_EQ(definitions.contexts.back().brush.Get(), &definitions.brushes.front());
    EXPECT_EQ(definitions.contexts.back().traceFormat.Get(), &definitions.traceFormats.front());
}

TEST_F(ReaderTest, TraceTexts)
{
    const struct {
        const char* text;
        std::vector<Point> points;
    } cases[] = {
        {"10.5 20.25 0 300 -2 5 100", {Point(10.5, 20.25, 0, 300, -2, 5, 100)}},
        {"1.23457e+06 -1e-05", {Point(1234570, -0.00001, 0, 0, 0, 0, 0)}},
        {"7", {Point(7, 0, 0, 0, 0, 0, 0)}},
        {"1 2,,3 4", {Point(1, 2, 0, 0, 0, 0, 0), Point(3, 4, 0, 0, 0, 0, 0)}},
        {"1 2, ,3 4", {Point(1, 2, 0, 0, 0, 0, 0), Point(3, 4, 0, 0, 0, 0, 0)}},
        {"1 2,abc", {Point(1, 2, 0, 0, 0, 0, 0), Point()}},
        {"  \n 3 \t 4\n, 5 ", {Point(3, 4, 0, 0, 0, 0, 0), Point(5, 0, 0, 0, 0, 0, 0)}},
        {"+5 -.5 5e1x 1 2 3 4 99", {Point(5, -0.5, 50, 1, 2, 3, 4)}},
        {"0 0 0 12.7 -3abc 2147483648 99999999999", {Point(0, 0, 0, 12, -3, 2147483647, 99999999999ul)}},
        {"0 0 0 0 -99999999999999999999 +7 99999999999999999999",
         {Point(0, 0, 0, 0, -2147483647 - 1, 7, 9223372036854775807ul)}},
        // Non-finite and out-of-range coordinates read as 0.
        {"nan -inf 1e999 5", {Point(0, 0, 0, 5, 0, 0, 0)}},
        {"infinity 1e-999 -nan", {Point(0, 0, 0, 0, 0, 0, 0)}},
        // An unsigned pressure above the int range survives.
        {"0 0 0 4294967295", {Point(0, 0, 0, 4294967295u, 0, 0, 0)}},
        {"0 0 0 -1", {Point(0, 0, 0, 4294967295u, 0, 0, 0)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<Point> points = pointsOf(c.text);
        ASSERT_EQ(points.size(), c.points.size());
        for (std::size_t i = 0; i < points.size(); ++i)
            expectPoint(points[i], c.points[i]);
    }
}

// Plain decimals are read without from_chars; the value must be the same.
TEST(PointSerializer, CoordinatesReadAsFromCharsReadsThem)
{
    std::mt19937_64 random(7);
    std::vector<std::string> texts = {"0", "-0", "0.", ".5", "-.5", "5.", "000123.4500",
                                      "123456789012345", "1234567890123456", "0.1", "2.675",
                                      "9007199254740993", "1.5e3", "1.5E-3", "12.5.3", "-", "."};
    for (int i = 0; i < 50000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 18);
        const int point = static_cast<int>(random() % (digits + 2));
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        double expected = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        Point point;
        ASSERT_TRUE(PointSerializer(point).DeSerialize(text));
        ASSERT_EQ(std::signbit(point.x.Get()), std::signbit(expected)) << text;
        ASSERT_EQ(point.x.Get(), expected) << text;
    }
}

TEST_F(ReaderTest, SkipsWhatDoesNotFit)
{
    const Read read = readText(inkFile(
        "<annotation type=\"tag\">first</annotation>"
        "<annotation type=\"tag\">second</annotation>"
        "<annotation type=\"empty\"></annotation>"
        "<annotation>no type</annotation>"
        "<trace contextRef=\"#c\">9 9</trace>"
        "<traceGroup id=\"layer5\"><trace contextRef=\"#c\">9 9</trace></traceGroup>"
        "<tracegroup id=\"group1\"><trace contextRef=\"#c\">9 9</trace></tracegroup>"
        "<tracegroup><trace contextRef=\"#c\">9 9</trace></tracegroup>"
        "<tracegroup id=\"layer7\">"
        "  <trace contextRef=\"#c\"></trace>"
        "  <trace>1 1</trace>"
        "  <trace contextRef=\"#c\">2 2</trace>"
        "  <annotation type=\"tag\">seven</annotation>"
        "  <annotation type=\"blank\"></annotation>"
        "  <annotation type=\"inner\">not the document's</annotation>"
        "</tracegroup>"
        "<tracegroup id=\"layer0\"><trace contextRef=\"#c\">3 3</trace></tracegroup>"));
    ASSERT_TRUE(read.result);
    const std::map<std::string, std::string> documentAnnotations = {{"tag", "second"}};
    EXPECT_EQ(read.doc().annotations, documentAnnotations);
    ASSERT_EQ(read.doc().getSize(), 4u);
    EXPECT_TRUE(read.layer(0).empty());
    EXPECT_TRUE(read.layer(1).empty());
    const Layer& seven = read.layer(2);
    ASSERT_EQ(seven.getSize(), 1u);
    EXPECT_EQ(seven.getTail().getTail().x.Get(), 2);
    const std::map<std::string, std::string> layerAnnotations = {{"tag", "seven"},
                                                                  {"inner", "not the document's"}};
    EXPECT_EQ(seven.annotations, layerAnnotations);
    EXPECT_EQ(read.layer(3).getTail().getTail().x.Get(), 3);
}

TEST_F(ReaderTest, LayerWithoutTracesLiesAtTheOrigin)
{
    const Read read = readText(inkFile("<tracegroup id=\"layer0\" />"));
    ASSERT_TRUE(read.result);
    ASSERT_EQ(read.doc().getSize(), 1u);
    for (const BindingRectangle* box :
         {&read.layer(0).getBindingRectangle(), &read.doc().getBindingRectangle()}) {
        EXPECT_EQ(box->topLeft.Get(), Point());
        EXPECT_EQ(box->bottomRight.Get(), Point());
    }
}

TEST_F(ReaderTest, RefusedFiles)
{
    inktest::writeText(dir.file("empty.inkml"), "");
    const std::string cases[] = {
        "<?xml version=\"1.0\" ?><sketch><definitions /><tracegroup id=\"layer0\" /></sketch>",
        "<ink><tracegroup id=\"layer0\" /></ink>",
        "<ink><definitions /><tracegroup id=\"layer0\"></ink>",
        "not xml at all",
        "<!-- ink --><ink2><definitions /></ink2>",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        const Read read = readText(text);
        EXPECT_FALSE(read.result);
        EXPECT_FALSE(read.doc().loaded.Get());
        EXPECT_EQ(read.doc().getSize(), 0u);
    }
    for (const std::string& path : {dir.file("missing.inkml"), dir.path().string(),
                                    dir.file("empty.inkml"), std::string("/dev/zero")})
        EXPECT_FALSE(readPath(path).result) << path;
}

// A FIFO would block an open without O_NONBLOCK until a writer comes; the
// reader must refuse it (and a link to it) at once. A read still blocked
// after a while is freed by opening the writing end, and fails the test.
TEST_F(ReaderTest, RefusesFifosWithoutWaitingForAWriter)
{
    const std::string fifo = dir.file("pipe.inkml");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = dir.file("link.inkml");
    std::filesystem::create_symlink(fifo, link);

    for (const std::string& path : {fifo, link}) {
        SCOPED_TRACE(path);
        std::future<bool> read = std::async(std::launch::async, [path] { return readPath(path).result; });
        const bool finished = read.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        if (!finished) {
            const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        }
        EXPECT_TRUE(finished) << "the read waited for a writer";
        EXPECT_FALSE(read.get());
    }
}

TEST_F(ReaderTest, ReadingTwiceWithOneReaderDoublesTheLayers)
{
    DocumentReader reader(inktest::fixture("example.inkml").c_str());
    ASSERT_TRUE(reader.readDocFromFile());
    ASSERT_TRUE(reader.readDocFromFile());
    EXPECT_EQ(reader.getDocument()->getSize(), 4u);
    EXPECT_EQ(reader.getInkData()->traceFormats.size(), 2u);
}

TEST_F(ReaderTest, WidePaths)
{
    const std::string path = dir.file("caf\xC3\xA9.inkml");
    inktest::writeText(path, inktest::readText(inktest::fixture("example.inkml")));
    DocumentReader wide(StringConverter(path.c_str()).GetWideString(false).c_str());
    EXPECT_TRUE(wide.readDocFromFile());
    DocumentReader none(static_cast<const wchar_t*>(nullptr));
    EXPECT_FALSE(none.readDocFromFile());
}

TEST_F(ReaderTest, DocumentOutlivesItsReader)
{
    SmartPointer<Document> kept;
    {
        DocumentReader reader(inktest::fixture("example.inkml").c_str());
        ASSERT_TRUE(reader.readDocFromFile());
        kept = reader.getDocument();
    }
    EXPECT_EQ(kept->getSize(), 2u);
}

// Hostile files

TEST_F(ReaderTest, DeepNestingIsRefusedUnparsed)
{
    std::string deep;
    for (int i = 0; i < 60000; ++i)
        deep += "<a>";
    const Read read = readText("<ink><definitions />" + deep);
    EXPECT_FALSE(read.result);

    std::string allowed = "<ink><definitions />";
    for (std::size_t i = 1; i < maxXmlNesting; ++i)
        allowed += "<a>";
    for (std::size_t i = 1; i < maxXmlNesting; ++i)
        allowed += "</a>";
    EXPECT_TRUE(readText(allowed + "</ink>").result);
    EXPECT_FALSE(readText("<ink><definitions /><a>" + allowed.substr(20) + "</a></ink>").result);
}

TEST_F(ReaderTest, NestingHiddenFromASimpleTagCountIsRefused)
{
    // TinyXML takes "&#x</a>x1;" for one character reference, so no element
    // closes here although every level seems to.
    std::string hidden = "<ink><definitions />";
    for (std::size_t i = 0; i <= maxXmlNesting; ++i)
        hidden += "<a>&#x</a>x1;";
    EXPECT_FALSE(readText(hidden).result);
}

TEST_F(ReaderTest, FileOfTooManyNodesIsRefusedUnparsed)
{
    std::string nodes;
    nodes.reserve(4 * (maxXmlNodes + 1));
    for (std::size_t i = 0; i <= maxXmlNodes; ++i)
        nodes += "<a/>";
    EXPECT_FALSE(readText("<ink><definitions />" + nodes + "</ink>").result);
}

// " a0='' a1='' ..." from the first name on.
std::string attributes(std::size_t first, std::size_t count)
{
    std::string text;
    for (std::size_t i = first; i < first + count; ++i)
        text += " a" + std::to_string(i) + "=''";
    return text;
}

// TinyXML looks every attribute up among its element's earlier ones, so
// attributes are counted, per element and in all, before it parses.
TEST_F(ReaderTest, AttributesBeyondTheLimitsAreRefusedUnparsed)
{
    const auto traceWith = [](const std::string& extra) {
        return "<tracegroup id=\"layer0\"><trace contextRef=\"#c\"" + extra + ">1 2</trace></tracegroup>";
    };
    const Read atLimit = readText(inkFile(traceWith(attributes(0, maxXmlElementAttributes - 1))));
    EXPECT_TRUE(atLimit.result);
    EXPECT_EQ(atLimit.layer(0).getSize(), 1u);
    EXPECT_FALSE(readText(inkFile(traceWith(attributes(0, maxXmlElementAttributes)))).result);
    EXPECT_FALSE(readText(inkFile(traceWith(attributes(0, 100000)))).result);

    const std::size_t perElement = 8;
    const std::string element = "<a" + attributes(0, perElement) + "/>";
    std::string spread;
    for (std::size_t n = 0; n <= maxXmlAttributes; n += perElement)
        spread += element;
    EXPECT_FALSE(readText(inkFile(spread)).result);
}

TEST_F(ReaderTest, OversizedFileIsRefusedUnread)
{
    const std::string path = dir.file("huge.inkml");
    inktest::writeText(path, inkFile(""));
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(maxXmlFileBytes) + 1), 0);
    EXPECT_FALSE(readPath(path).result);
}

TEST_F(ReaderTest, FileOfTooManyPointsIsRefusedBeforeReadingThem)
{
    std::string trace;
    for (int i = 0; i < 2500000; ++i)
        trace += "0,";
    const std::string layer = "<tracegroup id=\"layer0\"><trace contextRef=\"#c\">" + trace +
                              "</trace></tracegroup>";
    const Read read = readText("<ink><definitions><traceFormat id=\"f\" /></definitions>" + layer +
                               layer + "</ink>");
    EXPECT_FALSE(read.result);
    EXPECT_EQ(read.doc().getSize(), 0u);
    EXPECT_TRUE(read.definitions->traceFormats.empty());
}

TEST_F(ReaderTest, LayersBeyondTheLimitAreRefusedBeforeReadingThem)
{
    std::string groups;
    for (unsigned long i = 0; i < maxDocumentLayers; ++i)
        groups += "<tracegroup id=\"layer0\" />";
    const Read atLimit = readText(inkFile(groups));
    EXPECT_TRUE(atLimit.result);
    EXPECT_EQ(atLimit.doc().getSize(), maxDocumentLayers);
    const Read beyond = readText(inkFile(groups + "<tracegroup />"));
    EXPECT_FALSE(beyond.result);
    EXPECT_EQ(beyond.doc().getSize(), 0u);
}

TEST_F(ReaderTest, TextIsReadAsTinyXmlLoadsFiles)
{
    // Line ends normalised, the text ending at a null character, a byte
    // order mark, a declared single-byte encoding, a lead byte cut off by
    // the end of the file.
    const std::string body = "<tracegroup id=\"layer0\"><annotation type=\"t\"><![CDATA[a\r\nb\rc]]>"
                             "</annotation></tracegroup>";
    Read read = readText(inkFile(body) + std::string("\0<garbage", 9));
    ASSERT_TRUE(read.result);
    EXPECT_EQ(read.layer(0).annotations.at("t"), "a\nb\nc");

    read = readText("\xEF\xBB\xBF" + inkFile("<annotation type=\"t\">\xC3\xA9</annotation>"));
    ASSERT_TRUE(read.result);
    EXPECT_EQ(read.doc().annotations.at("t"), "\xC3\xA9");

    read = readText("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><ink><definitions />"
                    "<annotation type=\"t\">caf\xE9</annotation></ink>");
    ASSERT_TRUE(read.result);
    EXPECT_EQ(read.doc().annotations.at("t"), "caf\xE9");

    EXPECT_FALSE(readText("<?xml version=\"1.0\"?><ink><definitions /><annotation type=\"t\">\xF0").result);
}

// Stopping a read

TEST_F(ReaderTest, AbortBeforeReadingRefusesEveryRead)
{
    DocumentReader reader(inktest::fixture("example.inkml").c_str());
    reader.abort();
    EXPECT_FALSE(reader.readDocFromFile());
    EXPECT_FALSE(reader.readDocFromFile(inktest::fixture("example.inkml").c_str()));
    EXPECT_EQ(reader.getDocument()->getSize(), 0u);
}

namespace {

// Stops its own read once the first layer has been added.
class DocumentThatAbortsAfterOneLayer : public Document {
public:
    using Document::addElement;
    void addElement(Layer&& layer) override
    {
        Document::addElement(std::move(layer));
        serializer->abort();
    }
    DocumentSerializer* serializer = nullptr;
};

} // namespace

TEST_F(ReaderTest, AbortStopsBeforeTheNextLayerAndKeepsWhatWasRead)
{
    DocumentThatAbortsAfterOneLayer document;
    DocumentSerializer serializer(document);
    document.serializer = &serializer;
    InkMLDefinitions definitions;
    EXPECT_FALSE(serializer.DeSerialize(inktest::fixture("example.inkml").c_str(), definitions));
    EXPECT_EQ(document.getSize(), 1u);
    EXPECT_FALSE(document.loaded.Get());
    EXPECT_EQ(definitions.traceFormats.size(), 1u);
}

TEST(LayerSerializer, AbortedReaderReadsNothing)
{
    TiXmlDocument xml;
    xml.Parse("<tracegroup id=\"layer3\"><trace contextRef=\"#c\">1 1</trace></tracegroup>");
    Layer layer;
    LayerSerializer reader(layer, 0);
    reader.abort();
    EXPECT_FALSE(reader.DeSerialize(*xml.FirstChildElement()));
    EXPECT_EQ(reader.index, 3);
    EXPECT_TRUE(layer.empty());
}

TEST_F(ReaderTest, AbortFromAnotherThreadDuringTheRead)
{
    std::string body;
    for (int l = 0; l < 40; ++l) {
        body += "<tracegroup id=\"layer" + std::to_string(l) + "\">";
        for (int s = 0; s < 50; ++s)
            body += "<trace contextRef=\"#c\">1 2 0 3 4 5 6,7 8 0 9 1 2 3</trace>";
        body += "</tracegroup>";
    }
    const std::string path = dir.file("big.inkml");
    inktest::writeText(path, inkFile(body));

    for (int round = 0; round < 20; ++round) {
        DocumentReader reader(path.c_str());
        std::atomic<bool> started{false};
        bool result = false;
        std::thread reading([&] {
            started = true;
            result = reader.readDocFromFile();
        });
        while (!started)
            std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::microseconds(round * 250));
        reader.abort();
        reading.join();
        const Document& document = *reader.getDocument().GetData();
        EXPECT_EQ(result, document.loaded.Get());
        if (result) {
            EXPECT_EQ(document.getSize(), 40u);
        }
        EXPECT_FALSE(reader.readDocFromFile(path.c_str()));
    }
}
