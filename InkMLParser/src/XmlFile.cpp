#include "XmlFile.h"

#include "RegularFile.h"
#include "XmlNesting.h"

namespace Pelm {

namespace {

// TinyXML may step up to three characters past the end of its text; these
// keep it on null characters of our own.
constexpr std::size_t nullPadding = 3;

// CR LF and a lone CR become LF, as LoadFile does before parsing.
void normaliseLineEnds(std::string& text)
{
    if (text.find('\r') == std::string::npos)
        return;
    std::string::size_type out = 0;
    for (std::string::size_type in = 0; in < text.size(); ++in) {
        if (text[in] != '\r') {
            text[out++] = text[in];
            continue;
        }
        text[out++] = '\n';
        if (in + 1 < text.size() && text[in + 1] == '\n')
            ++in;
    }
    text.resize(out);
}

} // namespace

bool parseXmlText(std::string text, TiXmlDocument& xml)
{
    const std::string::size_type firstNull = text.find('\0');
    if (firstNull != std::string::npos)
        text.resize(firstNull);
    normaliseLineEnds(text);
    text.append(nullPadding, '\0');
    const XmlNesting::Extent limit{maxXmlNesting, maxXmlNodes, maxXmlAttributes,
                                   maxXmlElementAttributes};
    if (XmlNesting::exceeds(XmlNesting::measure(text.c_str(), limit), limit))
        return false;
    xml.SetTabSize(0); // no row and column tracking: it costs a sixth of the parse
    xml.Parse(text.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
    return !xml.Error();
}

bool loadXmlFile(const char* path, TiXmlDocument& xml)
{
    std::string bytes;
    return RegularFile(path).readAll(bytes, maxXmlFileBytes) && parseXmlText(std::move(bytes), xml);
}

} // namespace Pelm
