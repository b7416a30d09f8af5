#include "TreeExtent.h"

#include <gtest/gtest.h>

using Pelm::XmlNesting;

namespace {

std::string repeated(const std::string& unit, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += unit;
    return text;
}

std::string padded(std::string text) { return text.append(3, '\0'); }

const XmlNesting::Extent unlimited{1000000, 1000000, 1000000, 1000000};

// The walk's extent of the text against the tree TinyXML parses from it. The
// walk also counts blank text nodes, which TinyXML makes and drops again, and
// the attributes of an element whose parse fails.
void expectWalkMatchesTree(const std::string& text)
{
    const std::string input = padded(text);
    TiXmlDocument xml;
    xml.Parse(input.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
    const XmlNesting::Extent walked = XmlNesting::measure(input.c_str(), unlimited);
    const XmlNesting::Extent tree = inktest::treeExtent(xml);
    EXPECT_EQ(walked.depth, tree.depth);
    EXPECT_GE(walked.nodes, tree.nodes);
    EXPECT_GE(walked.attributes, tree.attributes);
    EXPECT_GE(walked.elementAttributes, tree.elementAttributes);
}

} // namespace

// Every construct where a plain count of tags and TinyXML disagree: the walk
// must land on the depth TinyXML really builds, whether it nests, closes or
// stops.
TEST(XmlNesting, AgreesWithTheTreeTinyXmlBuilds)
{
    const std::string utf8 = "<?xml version=\"1.0\"?>";
    const std::string cases[] = {
        repeated("<a>", 30) + repeated("</a>", 30),
        repeated("<a/><b >", 30) + repeated("</b >", 30),
        repeated("<a>&#x</a>x1;", 30),                     // a character reference takes in "</a>"
        repeated("<a>&#</a>#1;", 30),
        repeated("<a>&#x1;&amp;&bogus;</a>", 30),
        utf8 + repeated("<a>x\xE2</a>", 30),               // a lead byte takes in "</"
        "\xEF\xBB\xBF" + repeated("<a>x\xE2</a>", 30),     // byte order mark: UTF-8 too
        "<?xml version=\"1.0\" encoding=\"latin1\"?>" + repeated("<a>x\xE2</a>", 30),
        "<!-- c --><?xml version=\"1.0\"?>" + repeated("<a>x\xE2</a>", 30),
        repeated("<a v=\"</a>\" w='>'>", 30),
        repeated("<a v=</a>", 30),
        repeated("<a><!--</a>-->", 30),
        repeated("<a><![CDATA[</a>]]>", 30),
        repeated("<a><!x </a>", 30),
        repeated("<a><?xml version=\"</a>\"?>", 30),
        repeated("<a><?xml foo=\"</a>\"?>", 30),
        repeated("<a>", 10) + "</b>" + repeated("<a>", 10),
        repeated("<a x='1' x='2'>", 5) + repeated("<b>", 5),
        "text first" + repeated("<a>", 5),
        repeated("<a>", 5) + "\xF0",
        repeated("<a>", 5) + "<",
        repeated("</a><a>", 10),
        repeated("<\xEF\xBB\xBF" "a>", 5),
        utf8 + repeated("<\xEF\xBB\xBF" "a>", 5) + repeated("</a\xEF\xBB\xBF>", 5),
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        expectWalkMatchesTree(text);
    }
}

TEST(XmlNesting, CountsTheNodesOfTheTree)
{
    const std::string input = padded("<?xml version=\"1.0\"?><!-- c --><ink><a x=\"1\">text<b/>"
                                     "<![CDATA[raw]]><!DOCTYPE></a>tail &#x20;</ink>");
    TiXmlDocument xml;
    xml.Parse(input.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
    EXPECT_EQ(XmlNesting::measure(input.c_str(), unlimited).nodes, inktest::treeExtent(xml).nodes);
    EXPECT_EQ(XmlNesting::measure(input.c_str(), {100, 3, 100, 100}).nodes, 4u) << "the walk stops past the limit";
}

TEST(XmlNesting, CountsTheAttributesOfTheTree)
{
    const std::string input = padded("<?xml version=\"1.0\" encoding=\"UTF-8\"?><ink a='1' b=\"2\">"
                                     "<t c=3 d='4' e='5'/><u f='&#x3E;'>x</u></ink>");
    TiXmlDocument xml;
    xml.Parse(input.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
    const XmlNesting::Extent walked = XmlNesting::measure(input.c_str(), unlimited);
    const XmlNesting::Extent tree = inktest::treeExtent(xml);
    EXPECT_EQ(walked.attributes, 6u) << "the declaration's are not an element's";
    EXPECT_EQ(walked.attributes, tree.attributes);
    EXPECT_EQ(walked.elementAttributes, 3u);
    EXPECT_EQ(walked.elementAttributes, tree.elementAttributes);
}

// Within an element as well: an element of many attributes is left at the
// first one past the limit, before the next is looked up among the others.
TEST(XmlNesting, StopsCountingAttributesPastTheLimit)
{
    std::string many = "<ink><t";
    for (int i = 0; i < 100000; ++i)
        many += " a" + std::to_string(i) + "=''";
    const std::string input = padded(many + "/></ink>");
    XmlNesting::Extent limit = unlimited;
    limit.elementAttributes = 128;
    const XmlNesting::Extent walked = XmlNesting::measure(input.c_str(), limit);
    EXPECT_EQ(walked.elementAttributes, 129u);
    EXPECT_EQ(walked.attributes, 129u);
    EXPECT_TRUE(XmlNesting::exceeds(walked, limit));

    std::string spread = "<ink>";
    for (int i = 0; i < 1000; ++i)
        spread += "<t a='' b=''/>";
    limit = unlimited;
    limit.attributes = 99;
    EXPECT_EQ(XmlNesting::measure(padded(spread + "</ink>").c_str(), limit).attributes, 100u);
}

TEST(XmlNesting, KeptWhiteSpaceIsWalkedLikeTinyXml)
{
    TiXmlBase::SetCondenseWhiteSpace(false);
    expectWalkMatchesTree("<?xml version=\"1.0\"?>" + repeated("<a>  x\xE2</a>", 20));
    TiXmlBase::SetCondenseWhiteSpace(true);
}

TEST(XmlNesting, StopsCountingPastTheLimit)
{
    const std::string input = padded(repeated("<a>", 100000));
    EXPECT_EQ(XmlNesting::measure(input.c_str(), {100, 1000000, 0, 0}).depth, 101u);
}
