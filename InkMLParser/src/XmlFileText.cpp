#include "XmlFile.h"

#include <cstdint>
#include <cstring>

namespace Pelm {

namespace {

// Length of the whole UTF-8 sequence at text[i], or 0 when the byte there
// does not start one.
std::size_t utf8SequenceAt(const std::string& text, std::string::size_type i)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3
                                                                    : lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

std::string withStrayBytesAsLatin1(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::string::size_type i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceAt(text, i);
        if (length > 0) {
            out.append(text, i, length);
            i += length;
            continue;
        }
        const unsigned char stray = static_cast<unsigned char>(text[i++]);
        out.push_back(static_cast<char>(0xC0 | (stray >> 6)));
        out.push_back(static_cast<char>(0x80 | (stray & 0x3F)));
    }
    return out;
}

bool isAscii(const std::string& text)
{
    std::uint64_t highBits = 0;
    std::string::size_type i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        highBits |= word;
    }
    for (; i < text.size(); ++i)
        highBits |= static_cast<unsigned char>(text[i]);
    return (highBits & 0x8080808080808080ull) == 0;
}

// The escape TiXmlBase::EncodeString writes for a byte; null for a byte
// written as it is.
const char* escapeOf(unsigned char c)
{
    static const char* const named[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"};
    switch (c) {
    case '&': return named[0];
    case '<': return named[1];
    case '>': return named[2];
    case '"': return named[3];
    case '\'': return named[4];
    default: break;
    }
    if (c >= 32)
        return nullptr;
    static const struct ControlEscapes {
        ControlEscapes()
        {
            static const char hex[] = "0123456789ABCDEF";
            for (int c = 0; c < 32; ++c) {
                const char escape[] = {'&', '#', 'x', hex[c >> 4], hex[c & 15], ';', 0};
                std::memcpy(text[c], escape, sizeof escape);
            }
        }
        char text[32][7];
    } controls;
    return controls.text[c];
}

// Text with TiXmlBase::EncodeString's escapes, appended a run at a time.
void appendEscaped(std::string& out, const std::string& text)
{
    static const struct Plain {
        Plain()
        {
            for (int c = 0; c < 256; ++c)
                byte[c] = escapeOf(static_cast<unsigned char>(c)) == nullptr;
        }
        bool byte[256];
    } plain;
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t from = 0;
    for (std::size_t i = 0;; ++i) {
        while (i < size && plain.byte[static_cast<unsigned char>(data[i])])
            ++i;
        out.append(data + from, i - from);
        if (i == size)
            return;
        out.append(escapeOf(static_cast<unsigned char>(data[i])));
        from = i + 1;
    }
}

// TiXmlPrinter's output (four blanks of indent, line feeds), with text
// escaped a run at a time rather than a character at a time.
class FilePrinter : public TiXmlVisitor {
public:
    std::string take() { return std::move(text); }

    bool VisitEnter(const TiXmlElement& element, const TiXmlAttribute* attribute) override
    {
        indent();
        text += '<';
        text += element.ValueStr();
        for (; attribute; attribute = attribute->Next()) {
            text += ' ';
            attribute->Print(nullptr, 0, &text);
        }
        const TiXmlNode* first = element.FirstChild();
        if (!first) {
            text += " />";
            lineBreak();
        } else {
            text += '>';
            simpleText = first == element.LastChild() && first->ToText() && !first->ToText()->CDATA();
            if (!simpleText)
                lineBreak();
        }
        ++depth;
        return true;
    }

    bool VisitExit(const TiXmlElement& element) override
    {
        --depth;
        if (!element.FirstChild())
            return true;
        if (simpleText)
            simpleText = false;
        else
            indent();
        text += "</";
        text += element.ValueStr();
        text += '>';
        lineBreak();
        return true;
    }

    bool Visit(const TiXmlText& node) override
    {
        if (node.CDATA()) {
            indent();
            text.append("<![CDATA[").append(node.ValueStr()).append("]]>");
            lineBreak();
        } else if (simpleText) {
            appendEscaped(text, node.ValueStr());
        } else {
            indent();
            appendEscaped(text, node.ValueStr());
            lineBreak();
        }
        return true;
    }

    bool Visit(const TiXmlDeclaration& declaration) override
    {
        indent();
        declaration.Print(nullptr, 0, &text);
        lineBreak();
        return true;
    }

    bool Visit(const TiXmlComment& comment) override
    {
        indent();
        text.append("<!--").append(comment.ValueStr()).append("-->");
        lineBreak();
        return true;
    }

    bool Visit(const TiXmlUnknown& unknown) override
    {
        indent();
        text.append("<").append(unknown.ValueStr()).append(">");
        lineBreak();
        return true;
    }

private:
    void indent() { text.append(static_cast<std::size_t>(depth) * 4, ' '); }
    void lineBreak() { text += '\n'; }

    std::string text;
    int depth = 0;
    bool simpleText = false;
};

} // namespace

std::string xmlFileText(const TiXmlDocument& xml)
{
    FilePrinter printer;
    xml.Accept(&printer);
    std::string printed = printer.take();
    return isAscii(printed) ? printed : withStrayBytesAsLatin1(printed);
}

} // namespace Pelm
