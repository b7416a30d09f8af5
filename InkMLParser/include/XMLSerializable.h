#ifndef PELM_XMLSERIALIZABLE_H
#define PELM_XMLSERIALIZABLE_H

#include <tinyxml.h>

#include <string>

namespace Pelm {

// Base of every object that writes itself as one XML element, with the
// element helpers the InkML reader and writer share.
class IXmlSerializable {
public:
    explicit IXmlSerializable(const std::string& nodeName);
    IXmlSerializable(const IXmlSerializable& other) = default;
    IXmlSerializable& operator=(const IXmlSerializable& other) = default;
    virtual ~IXmlSerializable();

    // Appends this object's element to parent.
    virtual bool Serialize(TiXmlNode& parent) = 0;
    // Fills this object in place from its element.
    virtual bool DeSerialize(const TiXmlNode& node) = 0;
    virtual std::string GetNode() const;

    // An empty element of this object's name, linked as parent's last child.
    TiXmlElement* AppendSelf(TiXmlNode& parent);

    static TiXmlElement* AppendElement(TiXmlNode& parent, const char* name);
    static TiXmlElement* AppendElementWithTextChild(TiXmlNode& parent, const char* name,
                                                    const char* text);
    // Wide forms: the text is taken as UTF-8; null (and nothing appended)
    // when it does not convert.
    static TiXmlElement* AppendElement(TiXmlNode& parent, const wchar_t* name);
    static TiXmlElement* AppendElementWithTextChild(TiXmlNode& parent, const wchar_t* name,
                                                    const wchar_t* text);

    // Text of the first element called name below node, in document order;
    // empty when there is none or it holds no text.
    static std::string GetChildVal(const TiXmlNode& node, const char* name);

    // The text without its first document type declaration.
    static std::string StripDTD(const std::string& xml);

    // Indented print of the document, with escaped line feeds turned back
    // into line feeds. Only the encoding "UTF-8" is supported; any other
    // gives false and leaves out unchanged.
    static bool DocToString(TiXmlDocument& doc, std::string& out, const std::wstring& encoding);
    static bool DocToString(TiXmlDocument& doc, std::string& out);

protected:
    // The attribute's value when node is an element that has it, else null.
    static const char* AttributeOf(const TiXmlNode& node, const char* name);

    std::string nodeName;
};

} // namespace Pelm

#endif
