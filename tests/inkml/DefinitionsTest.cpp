#include "InkMLDefinitions.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Pelm;

namespace {

std::string printed(IXmlSerializable& object)
{
    TiXmlDocument doc;
    object.Serialize(doc);
    TiXmlPrinter printer;
    doc.Accept(&printer);
    return printer.Str();
}

// The first element of the text, kept alive by its document.
struct Parsed {
    explicit Parsed(const std::string& xml) { doc.Parse(xml.c_str()); }
    const TiXmlElement& element() const { return *doc.FirstChildElement(); }
    TiXmlDocument doc;
};

template <typename T>
bool readInto(T& object, const std::string& xml)
{
    Parsed parsed(xml);
    return object.DeSerialize(parsed.element());
}

// Definitions written by one object and read back into fresh ones.
bool roundTrip(InkMLDefinitions& written, InkMLDefinitions& read)
{
    return readInto(read, printed(written));
}

} // namespace

TEST(Brush, DefaultIsWrittenWithEveryValue)
{
    Brush brush;
    EXPECT_EQ(printed(brush), "<brush id=\"none\">\n"
                              "    <annotationXML>\n"
                              "        <color>Black</color>\n"
                              "        <width>1</width>\n"
                              "        <height>10</height>\n"
                              "        <transparency>100</transparency>\n"
                              "        <antialiased>False</antialiased>\n"
                              "        <fittocurve>True</fittocurve>\n"
                              "        <ignorePressure>True</ignorePressure>\n"
                              "        <pentip>Ball</pentip>\n"
                              "    </annotationXML>\n"
                              "</brush>\n");
}

TEST(Brush, ReadsBackWhatItWrote)
{
    Brush written("b1", "Red", 3, 7, 50, true, false, false, "Chisel");
    Brush read;
    ASSERT_TRUE(readInto(read, printed(written)));
    EXPECT_EQ(read.getId(), "b1");
    EXPECT_EQ(read.color.Get(), "Red");
    EXPECT_EQ(read.width.Get(), 3u);
    EXPECT_EQ(read.height.Get(), 7u);
    EXPECT_EQ(read.transparency.Get(), 50u);
    EXPECT_TRUE(read.antialiased.Get());
    EXPECT_FALSE(read.fittocurve.Get());
    EXPECT_FALSE(read.ignorePressure.Get());
    EXPECT_EQ(read.pentip.Get(), "Chisel");
}

TEST(Brush, LenientAndFailingReads)
{
    Brush noValues;
    EXPECT_FALSE(readInto(noValues, "<brush id=\"lost\"><other/></brush>"));
    EXPECT_EQ(noValues.getId(), "lost") << "the id is taken before the values are looked for";

    Brush noId;
    EXPECT_FALSE(readInto(noId, "<brush><annotationXML/></brush>"));

    Brush sparse;
    ASSERT_TRUE(readInto(sparse, "<brush id=\"s\"><annotationXML><height>12.7</height>"
                                 "<antialiased>TRUE</antialiased><fittocurve>true</fittocurve>"
                                 "</annotationXML></brush>"));
    EXPECT_EQ(sparse.width.Get(), 0u);
    EXPECT_EQ(sparse.height.Get(), 12u);
    EXPECT_FALSE(sparse.antialiased.Get());
    EXPECT_TRUE(sparse.fittocurve.Get());
    EXPECT_FALSE(sparse.ignorePressure.Get());
    EXPECT_EQ(sparse.color.Get(), "");
    EXPECT_EQ(sparse.pentip.Get(), "");
}

TEST(Channel, ReadTakesAttributesInOrderUntilOneIsMissing)
{
    Channel noUnits;
    EXPECT_FALSE(readInto(noUnits, "<channel name=\"P\" type=\"BOOLEAN\" min=\"-5\" max=\"12.7\" />"));
    EXPECT_EQ(noUnits.name.Get(), "P");
    EXPECT_EQ(noUnits.type.Get(), Channel::BOOLEAN);
    EXPECT_EQ(noUnits.min.Get(), -5);
    EXPECT_EQ(noUnits.max.Get(), 12);
    EXPECT_EQ(noUnits.units.Get(), "0.01mm");

    Channel lowerCaseType("X", Channel::DECIMAL, 0, 0, "mm");
    EXPECT_TRUE(readInto(lowerCaseType,
                         "<channel name=\"Y\" type=\"boolean\" min=\"1\" max=\"2\" units=\"in\" />"));
    EXPECT_EQ(lowerCaseType.type.Get(), Channel::DECIMAL) << "an unknown type text keeps the type";
    EXPECT_EQ(lowerCaseType.units.Get(), "in");

    Channel noType;
    EXPECT_FALSE(readInto(noType, "<channel name=\"Y\" min=\"1\" max=\"2\" units=\"in\" />"));
}

TEST(TraceFormat, ReadKeepsReadableChannelsAndNeedsAnId)
{
    TraceFormat noId(nullptr);
    EXPECT_FALSE(readInto(noId, "<traceFormat><channel name=\"X\" type=\"DECIMAL\" min=\"0\" "
                                "max=\"1\" units=\"mm\" /></traceFormat>"));
    EXPECT_TRUE(noId.empty());

    TraceFormat mixed(nullptr);
    ASSERT_TRUE(readInto(mixed, "<traceFormat id=\"f\">"
                                "<channel name=\"A\" type=\"DECIMAL\" min=\"0\" max=\"1\" units=\"mm\" />"
                                "<channel name=\"untyped\" min=\"0\" max=\"1\" units=\"mm\" />"
                                "<channel name=\"B\" type=\"INTEGER\" min=\"0\" max=\"1\" units=\"mm\" />"
                                "</traceFormat>"));
    EXPECT_EQ(mixed.getId(), "f");
    ASSERT_EQ(mixed.size(), 2u);
    EXPECT_EQ(mixed.front().name.Get(), "A");
    EXPECT_EQ(mixed.back().name.Get(), "B");
}

TEST(InkMLDefinitions, DefaultWrittenAndReadGivesTheFormatButNoContext)
{
    DefaultInkMLDefinitions written;
    InkMLDefinitions read;
    EXPECT_FALSE(roundTrip(written, read)) << "the context names no brush, and none has an empty id";
    ASSERT_EQ(read.traceFormats.size(), 1u);
    EXPECT_TRUE(read.brushes.empty());
    EXPECT_TRUE(read.contexts.empty());
    const TraceFormat& format = read.traceFormats.front();
    EXPECT_EQ(format.getId(), "default");
    const DefaultTraceFormat expected;
    ASSERT_EQ(format.size(), expected.size());
    auto want = expected.begin();
    for (const Channel& channel : format) {
        EXPECT_EQ(channel.name.Get(), want->name.Get());
        EXPECT_EQ(channel.type.Get(), want->type.Get());
        EXPECT_EQ(channel.min.Get(), want->min.Get());
        EXPECT_EQ(channel.max.Get(), want->max.Get());
        EXPECT_EQ(channel.units.Get(), want->units.Get());
        ++want;
    }
}

TEST(InkMLDefinitions, ContextsPointAtTheElementsTheyName)
{
    InkMLDefinitions written;
    written.brushes.push_back(Brush("pen", "Blue", 1, 1, 1, false, false, false, "Ball"));
    written.brushes.push_back(Brush("marker", "Green", 1, 1, 1, false, false, false, "Ball"));
    written.traceFormats.push_back(DefaultTraceFormat());
    written.contexts.emplace_back("c1", &written.traceFormats.back(), &written.brushes.back());

    InkMLDefinitions read;
    ASSERT_TRUE(roundTrip(written, read));
    ASSERT_EQ(read.brushes.size(), 2u);
    EXPECT_EQ(read.brushes.front().color.Get(), "Blue");
    EXPECT_EQ(read.brushes.back().color.Get(), "Green");
    ASSERT_EQ(read.contexts.size(), 1u);
    EXPECT_EQ(read.contexts.front().getId(), "c1");
    EXPECT_EQ(read.contexts.front().brush.Get(), &read.brushes.back());
    EXPECT_EQ(read.contexts.front().traceFormat.Get(), &read.traceFormats.back());
}

TEST(InkMLDefinitions, ContextPassStopsAtTheFirstUnreadableContext)
{
    InkMLDefinitions read;
    EXPECT_FALSE(readInto(read, "<definitions>"
                                "<context id=\"early\" brushRef=\"#b\" traceFormatRef=\"#f\" />"
                                "<context id=\"bad\" brushRef=\"b\" traceFormatRef=\"#f\" />"
                                "<context id=\"late\" brushRef=\"#b\" traceFormatRef=\"#f\" />"
                                "<traceFormat id=\"f\" />"
                                "<brush id=\"b\"><annotationXML /></brush>"
                                "</definitions>"));
    ASSERT_EQ(read.contexts.size(), 1u) << "a context may stand before what it names";
    EXPECT_EQ(read.contexts.front().getId(), "early");
}

// Also across reads: a second read appends, and its contexts still name
// the elements of the first.
TEST(InkMLDefinitions, AContextNamesTheFirstElementsOfItsIds)
{
    const std::string text = "<definitions>"
                             "<traceFormat id=\"f\"><channel name=\"X\" type=\"DECIMAL\" min=\"0\" max=\"1\" units=\"mm\" /></traceFormat>"
                             "<traceFormat id=\"f\" />"
                             "<brush id=\"b\"><annotationXML><color>Blue</color></annotationXML></brush>"
                             "<brush id=\"b\"><annotationXML><color>Green</color></annotationXML></brush>"
                             "<context id=\"c\" brushRef=\"#b\" traceFormatRef=\"#f\" />"
                             "</definitions>";
    InkMLDefinitions read;
    ASSERT_TRUE(readInto(read, text));
    ASSERT_TRUE(readInto(read, text));
    ASSERT_EQ(read.contexts.size(), 2u);
    for (const InkMLContext& context : read.contexts) {
        EXPECT_EQ(context.brush.Get(), &read.brushes.front());
        EXPECT_EQ(context.traceFormat.Get(), &read.traceFormats.front());
    }
    EXPECT_EQ(read.brushes.front().color.Get(), "Blue");
}

TEST(InkMLDefinitions, CopiesPointAtTheirOwnElements)
{
    auto source = std::make_unique<DefaultInkMLDefinitions>();
    source->brushes.push_back(Brush());
    source->contexts.emplace_back("inked", &source->traceFormats.front(), &source->brushes.front());
    const std::string expected = printed(*source);

    InkMLDefinitions copy(*source);
    InkMLDefinitions assigned;
    assigned.brushes.push_back(Brush());
    assigned = *source;
    source.reset();

    for (InkMLDefinitions* definitions : {&copy, &assigned}) {
        ASSERT_EQ(definitions->contexts.size(), 2u);
        for (const InkMLContext& context : definitions->contexts)
            EXPECT_EQ(context.traceFormat.Get(), &definitions->traceFormats.front());
        EXPECT_EQ(definitions->contexts.back().brush.Get(), &definitions->brushes.front());
        EXPECT_EQ(printed(*definitions), expected);
    }
}

TEST(InkMLDefinitions, AppendPointsAppendedContextsAtAppendedElements)
{
    DefaultInkMLDefinitions mine;
    auto other = std::make_unique<DefaultInkMLDefinitions>();
    other->brushes.push_back(Brush());
    other->contexts.emplace_back("inked", &other->traceFormats.front(), &other->brushes.front());
    TraceFormat foreign("foreign");
    other->contexts.emplace_back("stray", &foreign, nullptr);

    mine.append(*other);
    other.reset();
    ASSERT_EQ(mine.traceFormats.size(), 2u);
    ASSERT_EQ(mine.contexts.size(), 4u);
    auto context = mine.contexts.begin();
    EXPECT_EQ(context->traceFormat.Get(), &mine.traceFormats.front());
    ++context;
    EXPECT_EQ(context->traceFormat.Get(), &mine.traceFormats.back());
    ++context;
    EXPECT_EQ(context->traceFormat.Get(), &mine.traceFormats.back());
    EXPECT_EQ(context->brush.Get(), &mine.brushes.front());
    ++context;
    EXPECT_EQ(context->traceFormat.Get(), nullptr) << "a pointer outside the source is not copied";

    mine.append(mine);
    ASSERT_EQ(mine.contexts.size(), 8u);
    EXPECT_EQ(mine.contexts.back().traceFormat.Get(), nullptr);
    EXPECT_EQ(std::prev(mine.contexts.end(), 2)->brush.Get(), &mine.brushes.back());
}

TEST(InkMLDefinitions, EmptyDefinitionsAreOneElement)
{
    InkMLDefinitions empty;
    EXPECT_EQ(printed(empty), "<definitions />\n");
}

TEST(XmlSerializable, GetChildValSearchesOnlyBelowTheNode)
{
    Parsed parsed("<root><a><x><deep>found</deep></x></a><b><deep>other</deep></b>"
                  "<c><deep><inner>text</inner></deep></c></root>");
    const TiXmlElement& root = parsed.element();
    EXPECT_EQ(IXmlSerializable::GetChildVal(root, "deep"), "found");
    EXPECT_EQ(IXmlSerializable::GetChildVal(*root.FirstChildElement("b"), "deep"), "other");
    EXPECT_EQ(IXmlSerializable::GetChildVal(*root.FirstChildElement("a"), "inner"), "")
        << "an element elsewhere in the document is not found";
    EXPECT_EQ(IXmlSerializable::GetChildVal(*root.FirstChildElement("c"), "deep"), "")
        << "the first match holds no text of its own";
    EXPECT_EQ(IXmlSerializable::GetChildVal(root, "root"), "") << "the node itself is not below it";
}

TEST(XmlSerializable, StripDTD)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"<ink/>", "<ink/>"},
        {"<?xml version=\"1.0\"?><!DOCTYPE ink><ink/>", "<?xml version=\"1.0\"?><ink/>"},
        {"<!DOCTYPE ink [ <!ENTITY a \"<b>\"> <!ELEMENT ink ANY> ]><ink/>", "<ink/>"},
        {"x<!DOCTYPE", "x"},
        {"x<!DOCTYPE ink [ <!ENTITY", "x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IXmlSerializable::StripDTD(c.in), c.out) << c.in;
}

TEST(XmlSerializable, DocToStringTurnsEscapedLineFeedsBack)
{
    TiXmlDocument doc;
    IXmlSerializable::AppendElementWithTextChild(doc, "note", "two\nlines");
    std::string out;
    ASSERT_TRUE(IXmlSerializable::DocToString(doc, out));
    EXPECT_EQ(out, "<note>two\nlines</note>\n");
    std::string untouched = "kept";
    EXPECT_FALSE(IXmlSerializable::DocToString(doc, untouched, L"UTF-16"));
    EXPECT_EQ(untouched, "kept");
}

TEST(XmlSerializable, WideElementsAreWrittenAsUtf8)
{
    TiXmlDocument doc;
    TiXmlElement* element = IXmlSerializable::AppendElementWithTextChild(doc, L"caf\u00e9", L"\u20ac");
    ASSERT_NE(element, nullptr);
    EXPECT_STREQ(element->Value(), "caf\xC3\xA9");
    EXPECT_STREQ(element->GetText(), "\xE2\x82\xAC");
    EXPECT_EQ(IXmlSerializable::AppendElement(doc, static_cast<const wchar_t*>(nullptr)), nullptr);
    EXPECT_EQ(doc.FirstChild(), doc.LastChild()) << "nothing appended without a name";
}
