#include "InfoPlist.h"

#include "RegularFile.h"
#include "XmlFile.h"

#include <tinyxml.h>

namespace Platform {

namespace {

// True when every multi-byte sequence is complete and well formed; a
// property list of other bytes is no property list.
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
    // The guarded parse refuses nesting deep enough to overflow TinyXML's
    // recursion.
    TiXmlDocument document;
    if (!wellFormedUtf8(xml) || !Pelm::parseXmlText(xml, document))
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
    std::string text;
    if (!Pelm::RegularFile(path.c_str()).readAll(text, maxInfoPlistSize))
        return std::nullopt;
    return parseInfoPlist(text);
}

} // namespace Platform
