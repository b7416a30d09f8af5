#ifndef PELM_XMLNESTING_H
#define PELM_XMLNESTING_H

#include <tinyxml.h>

#include <cstddef>
#include <string>
#include <vector>

namespace Pelm {

// TinyXML parses and destroys its tree recursively, one stack frame per
// level of element nesting; a node costs it a few hundred bytes however
// little text it takes; and it looks each new attribute up among the
// element's earlier ones, so an element's attributes cost it the square of
// their number. This walks text the way TinyXML's parser does, with
// TinyXML's own lexical helpers and leaf parsers, but without recursion and
// without building a tree, so the extent of a document can be known before
// TinyXML is let loose on it.
class XmlNesting : private TiXmlBase {
public:
    struct Extent {
        std::size_t depth;             // deepest element nesting
        std::size_t nodes;             // nodes made, blank text nodes included
        std::size_t attributes;        // attributes of all elements
        std::size_t elementAttributes; // most attributes of one element
    };

    // The extent of the tree that TinyXML's Parse(text, 0,
    // TIXML_ENCODING_UNKNOWN) builds; the walk stops once any count passes
    // its limit, within the element whose attributes pass theirs. text must
    // end with at least four null characters: TinyXML may step up to three
    // characters past the first one.
    static Extent measure(const char* text, const Extent& limit);
    // True when any count of extent passes its limit.
    static bool exceeds(const Extent& extent, const Extent& limit);

private:
    enum class Markup { Element, Declaration, Comment, CData, Unknown };

    static Markup identify(const char* p, TiXmlEncoding encoding);
    static TiXmlEncoding declaredEncoding(const TiXmlDeclaration& declaration);
    static const char* skipLeaf(Markup kind, const char* p, TiXmlEncoding& encoding,
                                bool atTop);
    // Counts the element's attributes into extent, and stops (null) past
    // mostAttributes of them; names holds them meanwhile.
    static const char* skipStartTag(const char* p, TiXmlEncoding encoding, std::string& name,
                                    bool& opensContent, std::size_t mostAttributes,
                                    std::vector<std::string>& names, Extent& extent);
    static const char* skipEndTag(const char* p, TiXmlEncoding encoding,
                                  const std::string& endTag);
    static const char* skipText(const char* p, TiXmlEncoding encoding);
};

} // namespace Pelm

#endif
