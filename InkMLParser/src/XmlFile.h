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

// Parses the XML text as TinyXML's LoadFile does (line ends normalised, the
// text ending at its first null character, the encoding detected), after
// refusing text nested deeper than maxXmlNesting. False on any refusal or
// parse error.
bool parseXmlText(std::string text, TiXmlDocument& xml);

// parseXmlText of a regular file of at most maxXmlFileBytes.
bool loadXmlFile(const char* path, TiXmlDocument& xml);

} // namespace Pelm

#endif
