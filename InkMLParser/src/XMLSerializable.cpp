#include "XMLSerializable.h"

#include "StringConverter.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace Pelm {

IXmlSerializable::IXmlSerializable(const std::string& name) : nodeName(name) {}

IXmlSerializable::~IXmlSerializable() = default;

std::string IXmlSerializable::GetNode() const { return nodeName; }

TiXmlElement* IXmlSerializable::AppendSelf(TiXmlNode& parent)
{
    return AppendElement(parent, GetNode().c_str());
}

TiXmlElement* IXmlSerializable::AppendElement(TiXmlNode& parent, const char* name)
{
    return parent.LinkEndChild(new TiXmlElement(name))->ToElement();
}

TiXmlElement* IXmlSerializable::AppendElementWithTextChild(TiXmlNode& parent, const char* name,
                                                           const char* text)
{
    TiXmlElement* element = AppendElement(parent, name);
    element->LinkEndChild(new TiXmlText(text));
    return element;
}

TiXmlElement* IXmlSerializable::AppendElement(TiXmlNode& parent, const wchar_t* name)
{
    StringConverter utf8Name(name);
    const char* narrowName = utf8Name.GetUtf8();
    return narrowName ? AppendElement(parent, narrowName) : nullptr;
}

TiXmlElement* IXmlSerializable::AppendElementWithTextChild(TiXmlNode& parent, const wchar_t* name,
                                                           const wchar_t* text)
{
    StringConverter utf8Name(name);
    StringConverter utf8Text(text);
    const char* narrowName = utf8Name.GetUtf8();
    const char* narrowText = utf8Text.GetUtf8();
    if (!narrowName || !narrowText)
        return nullptr;
    return AppendElementWithTextChild(parent, narrowName, narrowText);
}

namespace {

// The node after current in a pre-order walk that stays inside root.
const TiXmlNode* nextInSubtree(const TiXmlNode* current, const TiXmlNode& root)
{
    if (current->FirstChild())
        return current->FirstChild();
    while (current != &root) {
        if (current->NextSibling())
            return current->NextSibling();
        current = current->Parent();
    }
    return nullptr;
}

} // namespace

std::string IXmlSerializable::GetChildVal(const TiXmlNode& node, const char* name)
{
    for (const TiXmlNode* n = node.FirstChild(); n; n = nextInSubtree(n, node)) {
        if (n->Type() != TiXmlNode::TINYXML_ELEMENT || std::strcmp(n->Value(), name) != 0)
            continue;
        const TiXmlNode* first = n->FirstChild();
        return first && first->ToText() ? first->ValueStr() : std::string();
    }
    return std::string();
}

const char* IXmlSerializable::AttributeOf(const TiXmlNode& node, const char* name)
{
    const TiXmlElement* element = node.ToElement();
    return element ? element->Attribute(name) : nullptr;
}

std::string IXmlSerializable::StripDTD(const std::string& xml)
{
    static const std::string keyword = "<!DOCTYPE";
    const std::string::size_type start = xml.find(keyword);
    if (start == std::string::npos)
        return xml;
    // The keyword and the character after it are passed over.
    std::string::size_type position = std::min(xml.size(), start + keyword.size() + 1);
    int depth = 1;
    while (position < xml.size() && depth > 0) {
        if (xml[position] == '<')
            ++depth;
        else if (xml[position] == '>')
            --depth;
        ++position;
    }
    return xml.substr(0, start) + xml.substr(position);
}

bool IXmlSerializable::DocToString(TiXmlDocument& doc, std::string& out,
                                   const std::wstring& encoding)
{
    static const char* const PATTERN = "&#x0A;";
    if (encoding != L"UTF-8")
        return false;
    try {
        TiXmlPrinter printer;
        doc.Accept(&printer);
        const std::string& printed = printer.Str();
        const std::size_t patternLength = std::strlen(PATTERN);
        std::string text;
        text.reserve(printed.size());
        std::string::size_type from = 0;
        for (std::string::size_type at = printed.find(PATTERN); at != std::string::npos;
             at = printed.find(PATTERN, from)) {
            text.append(printed, from, at - from).push_back('\n');
            from = at + patternLength;
        }
        text.append(printed, from, std::string::npos);
        out.swap(text);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool IXmlSerializable::DocToString(TiXmlDocument& doc, std::string& out)
{
    return DocToString(doc, out, L"UTF-8");
}

} // namespace Pelm
