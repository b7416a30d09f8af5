#include "InfoPlist.h"

#include <tinyxml.h>

#include <fstream>

namespace Platform {

namespace {

// Deeper element nesting is refused before the recursive parser sees it.
constexpr int maxNesting = 64;

// Position just past the '>' closing the tag that starts at open, honouring
// quoted attribute values; npos when the tag does not end.
std::size_t tagEnd(const std::string& xml, std::size_t open)
{
    char quote = 0;
    for (std::size_t i = open + 1; i < xml.size(); ++i) {
        const char c = xml[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return std::string::npos;
}

// True when no element lies more than maxNesting levels deep. Markup inside
// comments counts too, so the estimate errs towards refusing.
bool nestingWithinLimit(const std::string& xml)
{
    int depth = 0;
    std::size_t at = xml.find('<');
    while (at != std::string::npos && at + 1 < xml.size()) {
        const char next = xml[at + 1];
        const std::size_t end = tagEnd(xml, at);
        if (end == std::string::npos)
            return true; // unterminated: the parser reports the error
        if (next == '/') {
            depth = depth > 0 ? depth - 1 : 0;
        } else if (next != '?' && next != '!' && xml[end - 2] != '/') {
            if (++depth > maxNesting)
                return false;
        }
        at = xml.find('<', end);
    }
    return true;
}

// True when every multi-byte sequence is complete. The parser steps over a
// sequence by the length its first byte announces, so a truncated one at the
// end would make it read past the text.
bool wellFormedUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1
            : (lead & 0xE0) == 0xC0           ? 2
            : (lead & 0xF0) == 0xE0           ? 3
            : (lead & 0xF8) == 0xF0           ? 4
                                              : 0;
        if (length == 0 || text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

std::string textOf(const TiXmlElement& element)
{
    const char* text = element.GetText();
    return text ? text : "";
}

} // namespace

std::optional<InfoDictionary> parseInfoPlist(const std::string& xml)
{
    if (!wellFormedUtf8(xml) || !nestingWithinLimit(xml))
        return std::nullopt;
    TiXmlDocument document;
    document.Parse(xml.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (document.Error())
        return std::nullopt;
    const TiXmlElement* root = document.RootElement();
    if (!root || root->ValueStr() != "plist")
        return std::nullopt;
    const TiXmlElement* dictionary = root->FirstChildElement();
    if (!dictionary || dictionary->ValueStr() != "dict")
        return std::nullopt;

    InfoDictionary values;
    for (const TiXmlElement* key = dictionary->FirstChildElement(); key;
         key = key->NextSiblingElement()) {
        if (key->ValueStr() != "key")
            continue;
        const TiXmlElement* value = key->NextSiblingElement();
        if (!value)
            break;
        if (value->ValueStr() == "string")
            values.emplace(textOf(*key), textOf(*value));
        key = value;
    }
    return values;
}

std::optional<InfoDictionary> readInfoPlist(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string text;
    char chunk[16384];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(file.gcount()));
        if (text.size() > maxInfoPlistSize)
            return std::nullopt;
    }
    return parseInfoPlist(text);
}

} // namespace Platform
