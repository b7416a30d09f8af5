#include "XmlNesting.h"

#include <algorithm>

namespace Pelm {

// Each step below follows the TinyXML 2.6 function named in its comment:
// where TinyXML's parse goes on, this goes on to the same place; where
// TinyXML's parse stops (the returned pointer is null), this stops too.

XmlNesting::Extent XmlNesting::measure(const char* p, const Extent& limit)
{
    // TiXmlDocument::Parse
    TiXmlEncoding encoding = TIXML_ENCODING_UNKNOWN;
    const unsigned char* u = reinterpret_cast<const unsigned char*>(p);
    if (u[0] == 0xEF && u[1] == 0xBB && u[2] == 0xBF) // byte order mark
        encoding = TIXML_ENCODING_UTF8;

    std::vector<std::string> endTags; // "</name" of every element whose content is open
    std::vector<std::string> attributeNames;
    Extent extent{0, 0, 0, 0};
    const bool condensed = IsWhiteSpaceCondensed();
    const char* beforeSpace = p;
    p = SkipWhiteSpace(p, encoding);
    while (p && *p) {
        const bool atTop = endTags.empty();
        if (*p != '<') {
            // A document holds no text: its parse ends. An element's text
            // is read from before the white space when that is kept.
            if (atTop)
                break;
            ++extent.nodes;
            p = skipText(condensed ? p : beforeSpace, encoding);
        } else if (!atTop && StringEqual(p, "</", false, encoding)) {
            p = skipEndTag(p, encoding, endTags.back());
            endTags.pop_back();
        } else {
            const Markup kind = identify(p, encoding);
            ++extent.nodes;
            if (kind == Markup::Element) {
                extent.depth = std::max(extent.depth, endTags.size() + 1);
                std::string name;
                bool opensContent = false;
                p = skipStartTag(p, encoding, name, opensContent, limit.elementAttributes,
                                 attributeNames, extent);
                if (p && opensContent)
                    endTags.push_back("</" + name);
            } else {
                p = skipLeaf(kind, p, encoding, atTop);
            }
        }
        if (exceeds(extent, limit))
            break;
        beforeSpace = p;
        p = SkipWhiteSpace(p, encoding);
    }
    return extent;
}

bool XmlNesting::exceeds(const Extent& extent, const Extent& limit)
{
    return extent.depth > limit.depth || extent.nodes > limit.nodes ||
           extent.attributes > limit.attributes || extent.elementAttributes > limit.elementAttributes;
}

// TiXmlNode::Identify, at a '<'
XmlNesting::Markup XmlNesting::identify(const char* p, TiXmlEncoding encoding)
{
    if (StringEqual(p, "<?xml", true, encoding))
        return Markup::Declaration;
    if (StringEqual(p, "<!--", false, encoding))
        return Markup::Comment;
    if (StringEqual(p, "<![CDATA[", false, encoding))
        return Markup::CData;
    if (StringEqual(p, "<!", false, encoding))
        return Markup::Unknown;
    if (IsAlpha(static_cast<unsigned char>(p[1]), encoding) || p[1] == '_')
        return Markup::Element;
    return Markup::Unknown;
}

// The encoding choice of TiXmlDocument::Parse after a declaration.
TiXmlEncoding XmlNesting::declaredEncoding(const TiXmlDeclaration& declaration)
{
    const char* name = declaration.Encoding();
    if (*name == 0 || StringEqual(name, "UTF-8", true, TIXML_ENCODING_UNKNOWN) ||
        StringEqual(name, "UTF8", true, TIXML_ENCODING_UNKNOWN))
        return TIXML_ENCODING_UTF8;
    return TIXML_ENCODING_LEGACY;
}

// Nodes that hold no elements are parsed by TinyXML itself, on a node that
// belongs to no document.
const char* XmlNesting::skipLeaf(Markup kind, const char* p, TiXmlEncoding& encoding, bool atTop)
{
    switch (kind) {
    case Markup::Declaration: {
        TiXmlDeclaration declaration;
        p = declaration.Parse(p, nullptr, encoding);
        if (atTop && encoding == TIXML_ENCODING_UNKNOWN)
            encoding = declaredEncoding(declaration);
        return p;
    }
    case Markup::Comment: {
        TiXmlComment comment;
        return comment.Parse(p, nullptr, encoding);
    }
    case Markup::CData: {
        TiXmlText text("");
        text.SetCDATA(true);
        return text.Parse(p, nullptr, encoding);
    }
    default: {
        TiXmlUnknown unknown;
        return unknown.Parse(p, nullptr, encoding);
    }
    }
}

// TiXmlElement::Parse up to its content: the name and the attributes. The
// search for an earlier attribute of the same name, which TinyXML makes
// too, is bounded by mostAttributes.
const char* XmlNesting::skipStartTag(const char* p, TiXmlEncoding encoding, std::string& name,
                                     bool& opensContent, std::size_t mostAttributes,
                                     std::vector<std::string>& names, Extent& extent)
{
    p = ReadName(SkipWhiteSpace(p + 1, encoding), &name, encoding);
    if (!p || !*p)
        return nullptr;
    names.clear();
    for (;;) {
        p = SkipWhiteSpace(p, encoding);
        if (!p || !*p)
            return nullptr;
        if (*p == '/') {
            opensContent = false;
            return p[1] == '>' ? p + 2 : nullptr;
        }
        if (*p == '>') {
            opensContent = true;
            return p + 1;
        }
        TiXmlAttribute attribute;
        p = attribute.Parse(p, nullptr, encoding);
        if (!p || !*p)
            return nullptr;
        if (std::find(names.begin(), names.end(), attribute.NameTStr()) != names.end())
            return nullptr;
        ++extent.attributes;
        extent.elementAttributes = std::max(extent.elementAttributes, names.size() + 1);
        if (names.size() == mostAttributes)
            return nullptr;
        names.push_back(attribute.NameTStr());
    }
}

// The end of TiXmlElement::Parse, after its content.
const char* XmlNesting::skipEndTag(const char* p, TiXmlEncoding encoding,
                                   const std::string& endTag)
{
    if (!StringEqual(p, endTag.c_str(), false, encoding))
        return nullptr;
    p = SkipWhiteSpace(p + endTag.size(), encoding);
    return p && *p == '>' ? p + 1 : nullptr;
}

// TiXmlText::Parse of text that is not CDATA, through TiXmlBase::ReadText
// up to the next '<'; returns that '<'.
const char* XmlNesting::skipText(const char* p, TiXmlEncoding encoding)
{
    const bool condensed = IsWhiteSpaceCondensed();
    if (condensed)
        p = SkipWhiteSpace(p, encoding);
    while (p && *p && *p != '<') {
        const unsigned char byte = static_cast<unsigned char>(*p);
        if (byte < 0x80 && byte != '&') {
            // White space is passed over, any other such byte is one character.
            ++p;
        } else if (condensed && IsWhiteSpace(*p)) {
            ++p;
        } else {
            char value[4];
            int length = 0;
            p = GetChar(p, value, &length, encoding);
        }
    }
    if (!p || !*p || !p[1])
        return nullptr;
    return p;
}

} // namespace Pelm
