#ifndef PELM_XMLFILE_H
#define PELM_XMLFILE_H

#include <tinyxml.h>

#include <cstddef>
#include <string>

namespace Pelm {

// Larger files are refused unread.
constexpr std::size_t maxXmlFileBytes = 64u << 20;
// Documents nested deeper than this are refused before TinyXML parses them;
// the InkML writer nests five levels.
constexpr std::size_t maxXmlNesting = 100;
// Documents of more nodes are refused before TinyXML parses them. The
// writer spends at least some 55 bytes on each trace and its text, so none
// of its files within maxXmlFileBytes comes near.
constexpr std::size_t maxXmlNodes = 4000000;
// Documents with an element of more attributes, or of more attributes in
// all, are refused before TinyXML parses them: it looks each attribute up
// among its element's earlier ones, so up to this many per element cost it
// no more per byte than the same text as bare elements. InkML's elements
// define at most a dozen attributes; the writer spends at least some 37
// bytes on each attribute it writes.
constexpr std::size_t maxXmlElementAttributes = 128;
constexpr std::size_t maxXmlAttributes = 4000000;

// Parses the XML text as TinyXML's LoadFile does (line ends normalised, the
// text ending at its first null character, the encoding detected), after
// refusing text beyond any of the limits above. False on any refusal or
// parse error.
bool parseXmlText(std::string text, TiXmlDocument& xml);

// The text the writer saves for xml: TinyXML's indented print, in which
// every byte that does not belong to a whole UTF-8 sequence is re-encoded as
// the Latin-1 character of that value. Text read from a file in another
// encoding can hold such bytes, and reading UTF-8 TinyXML takes a lead byte
// together with the markup after it, so the saved file would not read back.
std::string xmlFileText(const TiXmlDocument& xml);

// parseXmlText of a regular file of at most maxXmlFileBytes.
bool loadXmlFile(const char* path, TiXmlDocument& xml);

} // namespace Pelm

#endif
