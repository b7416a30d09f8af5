#include "DocumentReader.h"
#include "DocumentSerializer.h"
#include "FifoWatchdog.h"
#include "InkFiles.h"
#include "ScratchDir.h"
#include "StringConverter.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Pelm;
using inktest::readText;
using testsupport::ScratchDir;

namespace {

std::string written(Document& document, InkMLDefinitions& definitions, const ScratchDir& dir)
{
    const std::string path = dir.file("written.inkml");
    DocumentSerializer serializer(document);
    EXPECT_TRUE(serializer.Serialize(path.c_str(), definitions));
    return readText(path);
}

std::string pointText(const Point& point)
{
    Point copy(point);
    std::string text = "previous";
    PointSerializer(copy).Serialize(text);
    return text;
}

// A document with what the example leaves out: escapes, many layers,
// annotations out of order, a brush.
Document richDocument()
{
    Document document;
    document.annotations["zeta"] = "last";
    document.annotations["alpha"] = "a & b < c > d \"q\" 'a'";
    document.annotations["lines"] = "one\ntwo\tend";
    document.annotations["empty"] = "";
    for (int i = 0; i < 12; ++i)
        document.addElement(inktest::layerOf(
            {inktest::strokeOf({Point(i, -i * 0.5, 0.25, 7u * i, -i, i, 1000ul * i)})},
            "L\xC3\xA9" + std::to_string(i)));
    Layer annotatedOnly;
    annotatedOnly.annotations["b"] = "2";
    annotatedOnly.annotations["a"] = "1";
    document.addElement(annotatedOnly);
    document.addElement(Layer());
    return document;
}

} // namespace

TEST(DocumentWriter, WorkedExampleMatchesTheCommittedFile)
{
    ScratchDir dir;
    Document document = inktest::exampleDocument();
    DefaultInkMLDefinitions definitions;
    EXPECT_EQ(written(document, definitions, dir), readText(inktest::fixture("example.inkml")));
}

TEST(DocumentWriter, BrushesAndContextsMatchTheCommittedFile)
{
    ScratchDir dir;
    Document document = inktest::brushesDocument();
    DefaultInkMLDefinitions definitions;
    inktest::addBrushes(definitions);
    EXPECT_EQ(written(document, definitions, dir), readText(inktest::fixture("brushes.inkml")));
}

TEST(DocumentWriter, EmptyDocumentIsFourLines)
{
    ScratchDir dir;
    Document document;
    InkMLDefinitions definitions;
    EXPECT_EQ(written(document, definitions, dir),
              "<?xml version=\"1.0\" ?>\n<ink>\n    <definitions />\n</ink>\n");
}

TEST(DocumentWriter, LayoutOfLayersAndAnnotations)
{
    ScratchDir dir;
    Document document = richDocument();
    InkMLDefinitions definitions;
    const std::string text = written(document, definitions, dir);

    // Document annotations in key order, escaped, before the first layer.
    const std::string annotations = "    <annotation type=\"alpha\">a &amp; b &lt; c &gt; d "
                                    "&quot;q&quot; &apos;a&apos;</annotation>\n"
                                    "    <annotation type=\"empty\"></annotation>\n"
                                    "    <annotation type=\"lines\">one&#x0A;two&#x09;end</annotation>\n"
                                    "    <annotation type=\"zeta\">last</annotation>\n"
                                    "    <tracegroup id=\"layer0\">\n";
    EXPECT_NE(text.find(annotations), std::string::npos) << text;
    EXPECT_NE(text.find("    <tracegroup id=\"layer11\">\n"
                        "        <annotation type=\"tag\">L\xC3\xA9" "11</annotation>\n"
                        "        <trace contextRef=\"#default-context\">11 -5.5 0.25 77 -11 11 11000</trace>\n"
                        "    </tracegroup>\n"),
              std::string::npos);
    EXPECT_NE(text.find("    <tracegroup id=\"layer12\">\n"
                        "        <annotation type=\"a\">1</annotation>\n"
                        "        <annotation type=\"b\">2</annotation>\n"
                        "    </tracegroup>\n"
                        "    <tracegroup id=\"layer13\" />\n"
                        "</ink>\n"),
              std::string::npos);
}

TEST(DocumentWriter, SavesWhatTinyXmlItselfWouldSave)
{
    ScratchDir dir;
    Document document = richDocument();
    DefaultInkMLDefinitions definitions;
    definitions.brushes.push_back(Brush("b&1", "Red", 2, 3, 4, true, false, true, "Tip"));
    definitions.contexts.emplace_back("inked", &definitions.traceFormats.front(),
                                      &definitions.brushes.front());

    TiXmlDocument xml;
    DocumentSerializer serializer(document);
    ASSERT_TRUE(serializer.buildXmlDoc(xml, definitions));
    const std::string reference = dir.file("reference.inkml");
    ASSERT_TRUE(xml.SaveFile(reference.c_str()));
    EXPECT_EQ(written(document, definitions, dir), readText(reference));
}

// Text read from a file in another encoding can hold bytes that are no
// UTF-8; written as they are, the file would not read back.
TEST(DocumentWriter, BytesOutsideUtf8AreSavedAsLatin1Characters)
{
    ScratchDir dir;
    Document document;
    document.annotations["tag"] = "caf\xE9 \xE2\x82\xAC";
    document.addElement(inktest::layerOf({inktest::strokeOf({Point(1, 2, 0, 0, 0, 0, 0)})}, "\xC3"));
    InkMLDefinitions definitions;
    const std::string text = written(document, definitions, dir);
    EXPECT_NE(text.find("caf\xC3\xA9 \xE2\x82\xAC</annotation>"), std::string::npos);

    DocumentReader reader(dir.file("written.inkml").c_str());
    ASSERT_TRUE(reader.readDocFromFile());
    Layer layer;
    ASSERT_TRUE(reader.getDocument()->at(0, layer));
    EXPECT_EQ(layer.annotations.at("tag"), "\xC3\x83");
    EXPECT_EQ(layer.getSize(), 1u);
}

TEST(DocumentWriter, WriteToFileWritesTheDocument)
{
    ScratchDir dir;
    const Document document = inktest::exampleDocument();
    DefaultInkMLDefinitions definitions;
    const std::string path = dir.file("out.hlv");
    ASSERT_TRUE(DocumentWriter::writeToFile(path.c_str(), document, definitions));
    EXPECT_EQ(readText(path), readText(inktest::fixture("example.inkml")));
}

TEST(PointSerializer, WritesSixSignificantDigitsAndFullIntegers)
{
    const struct {
        Point point;
        const char* text;
    } cases[] = {
        {Point(10.5, 20, 0, 300, -2, 5, 100), "10.5 20 0 300 -2 5 100"},
        {Point(1234.5678, 0.123456789, -0.00001, 0, 0, 0, 0), "1234.57 0.123457 -1e-05 0 0 0 0"},
        {Point(1234567, 123456, 0.0001, 4294967295u, -2147483647 - 1, 2147483647,
               18446744073709551615ul),
         "1.23457e+06 123456 0.0001 4294967295 -2147483648 2147483647 18446744073709551615"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pointText(c.point), c.text);
}

// Coordinates are formatted without to_chars where that is safe; the text
// must still be exactly what "%g" gives.
TEST(PointSerializer, CoordinatesMatchGeneralFormatting)
{
    std::vector<double> values = {0.0001, 0.00009999995, 0.000099999949, 9.999995, 99999.95,
                                  999999.5, 999999.4999, 1e6, 0.1234565, 1234565e-3, 5e-5,
                                  123456.5, 100000, 0.5, -0.0, 1e300, 4.9e-324};
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-7, 7);
    for (int i = 0; i < 100000; ++i)
        values.push_back((i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random)));
    for (int i = 0; i < 20000; ++i) {
        // Ties of the sixth digit, and their neighbours.
        const double tie = (100000 + static_cast<double>(random() % 900000) + 0.5) *
                           std::pow(10.0, exponent(random) - 5);
        values.insert(values.end(), {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300)});
    }
    for (const double value : values) {
        char expected[32];
        *std::to_chars(expected, expected + 31, value, std::chars_format::general, 6).ptr = 0;
        const std::string text = pointText(Point(value, 0, 0, 0, 0, 0, 0));
        ASSERT_EQ(text.substr(0, text.find(' ')), expected) << std::hexfloat << value;
    }
}

// The desktop program runs under the user's locale, where "%g" writes a
// decimal comma and strtod stops at a decimal point.
TEST(PointSerializer, NumbersDoNotFollowTheCLocale)
{
    ScratchDir locales;
    const std::string command = "localedef -i de_DE -f UTF-8 " + locales.file("de_DE.UTF-8") +
                                " > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        GTEST_SKIP() << "cannot build a German locale here";
    setenv("LOCPATH", locales.path().c_str(), 1);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ASSERT_EQ(std::strtod("10.5", nullptr), 10.0) << "the locale should read a decimal comma";

    const std::string text = pointText(Point(10.5, 0.25, 1e-7, 1, 2, 3, 4));
    Point read;
    PointSerializer(read).DeSerialize("10.5 20.25 1.5e3 1 2 3 4");

    std::setlocale(LC_ALL, previous.c_str());
    unsetenv("LOCPATH");
    EXPECT_EQ(text, "10.5 0.25 1e-07 1 2 3 4");
    EXPECT_EQ(read.x.Get(), 10.5);
    EXPECT_EQ(read.y.Get(), 20.25);
    EXPECT_EQ(read.z.Get(), 1500.0);
}

// A save that fails leaves no file behind and the previous file unchanged.
class FailedSave : public ::testing::Test {
protected:
    bool save(const std::string& path)
    {
        DocumentSerializer serializer(document);
        return serializer.Serialize(path.c_str(), definitions);
    }
    std::size_t filesIn(const std::filesystem::path& folder) const
    {
        std::size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            (void)entry;
            ++count;
        }
        return count;
    }

    ScratchDir dir;
    Document document = inktest::exampleDocument();
    DefaultInkMLDefinitions definitions;
};

TEST_F(FailedSave, UnwritableFolders)
{
    inktest::writeText(dir.file("plain.txt"), "not a folder");
    for (const std::string& path : {dir.file("missing/sketch.inkml"),
                                    dir.file("plain.txt/sketch.inkml"), std::string("/dev/full/x.inkml"),
                                    std::string("")})
        EXPECT_FALSE(save(path)) << path;
    EXPECT_EQ(filesIn(dir.path()), 1u);
    EXPECT_EQ(readText(dir.file("plain.txt")), "not a folder");
}

TEST_F(FailedSave, FullDeviceReportsFailure)
{
    EXPECT_FALSE(save("/dev/full"));
}

TEST_F(FailedSave, FullDiskKeepsThePreviousFile)
{
    const std::string path = dir.file("sketch.inkml");
    inktest::writeText(path, "previous sketch");
    rlimit previous;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 64;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = save(path);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readText(path), "previous sketch");
    EXPECT_EQ(filesIn(dir.path()), 1u) << "the temporary file is removed";
}

// A save onto a FIFO, or a link to one, is refused at once: the FIFO is
// neither replaced nor opened, so the save never waits for a reader.
TEST_F(FailedSave, FifoOrLinkToOneIsRefusedAtOnce)
{
    const std::string fifo = dir.file("pipe.inkml");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = dir.file("link.inkml");
    std::filesystem::create_symlink(fifo, link);
    for (const std::string& path : {fifo, link}) {
        SCOPED_TRACE(path);
        const testsupport::FifoWatchdog watchdog(fifo);
        EXPECT_FALSE(save(path));
        EXPECT_FALSE(watchdog.fired()) << "the save waited for a reader";
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(filesIn(dir.path()), 2u);
}

TEST_F(FailedSave, NullWidePath)
{
    DocumentSerializer serializer(document);
    EXPECT_FALSE(serializer.Serialize(static_cast<const wchar_t*>(nullptr), definitions));
}

TEST(DocumentWriter, ReplacingKeepsPermissionsAndFollowsLinks)
{
    ScratchDir dir;
    Document document = inktest::exampleDocument();
    DefaultInkMLDefinitions definitions;
    DocumentSerializer serializer(document);
    const std::string expected = readText(inktest::fixture("example.inkml"));

    const std::string path = dir.file("sketch.inkml");
    inktest::writeText(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(serializer.Serialize(path.c_str(), definitions));
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(readText(path), expected);

    const std::string link = dir.file("link.inkml");
    std::filesystem::create_symlink(path, link);
    inktest::writeText(path, "old");
    ASSERT_TRUE(serializer.Serialize(link.c_str(), definitions));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readText(path), expected);

    const mode_t mask = umask(022);
    const std::string fresh = dir.file("fresh.inkml");
    const bool savedFresh = serializer.Serialize(fresh.c_str(), definitions);
    umask(mask);
    ASSERT_TRUE(savedFresh);
    ASSERT_EQ(stat(fresh.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u) << "a new file gets the permissions of the umask";

    const std::wstring widePath =
        StringConverter(dir.file("wide-\xC3\xA9.inkml").c_str()).GetWideString(false);
    ASSERT_TRUE(serializer.Serialize(widePath.c_str(), definitions));
    EXPECT_EQ(readText(dir.file("wide-\xC3\xA9.inkml")), expected);
}
