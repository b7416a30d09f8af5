// Feeds arbitrary bytes to the InkML reader, checks that the nesting walk
// measures the tree TinyXML builds, and that whatever was read survives
// being written and read again.

#include "DocumentSerializer.h"
#include "TreeExtent.h"
#include "XmlFile.h"
#include "XmlNesting.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace Pelm;

namespace {

// Small inputs cannot nest deep enough or hold attributes enough to hurt
// TinyXML, so it may parse them unguarded and show what it really built.
void checkNestingWalk(std::string text)
{
    text.resize(std::min(text.find('\0'), text.size()));
    text.append(3, '\0');
    TiXmlDocument xml;
    xml.Parse(text.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
    const std::size_t n = text.size();
    const XmlNesting::Extent walked = XmlNesting::measure(text.c_str(), {n, n, n, n});
    const XmlNesting::Extent tree = inktest::treeExtent(xml);
    if (walked.depth != tree.depth || walked.nodes < tree.nodes ||
        walked.attributes < tree.attributes || walked.elementAttributes < tree.elementAttributes)
        std::abort();
}

std::size_t pointCount(Document& document)
{
    std::size_t points = 0;
    RegionIterator<Layer> layers(document);
    for (Layer* layer = layers.current(); layer; layers.advance(), layer = layers.current()) {
        RegionIterator<Stroke> strokes(*layer);
        for (Stroke* stroke = strokes.current(); stroke; strokes.advance(), stroke = strokes.current())
            points += stroke->getSize();
    }
    return points;
}

bool readText(const std::string& text, Document& document, InkMLDefinitions& definitions)
{
    TiXmlDocument xml;
    DocumentSerializer reader(document);
    return parseXmlText(text, xml) && reader.parseDoc(xml, definitions);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (size <= 16384)
        checkNestingWalk(text);

    Document document;
    InkMLDefinitions definitions;
    if (!readText(text, document, definitions))
        return 0;

    TiXmlDocument written;
    DocumentSerializer writer(document);
    if (!writer.buildXmlDoc(written, definitions))
        std::abort();
    Document reread;
    InkMLDefinitions rereadDefinitions;
    readText(xmlFileText(written), reread, rereadDefinitions);
    if (!reread.loaded.Get() || reread.getSize() != document.getSize() ||
        pointCount(reread) != pointCount(document))
        std::abort();
    return 0;
}
