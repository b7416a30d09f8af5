#ifndef DRAVELLO_TESTS_TREEEXTENT_H
#define DRAVELLO_TESTS_TREEEXTENT_H

#include "XmlNesting.h"

#include <tinyxml.h>

#include <algorithm>

namespace inktest {

// Deepest element nesting, node count and attribute counts of the tree
// TinyXML built, walked without recursion.
inline Pelm::XmlNesting::Extent treeExtent(const TiXmlNode& root)
{
    Pelm::XmlNesting::Extent extent{0, 0, 0, 0};
    std::size_t depth = 0;
    const TiXmlNode* node = root.FirstChild();
    while (node) {
        ++extent.nodes;
        if (const TiXmlElement* element = node->ToElement()) {
            extent.depth = std::max(extent.depth, depth + 1);
            std::size_t attributes = 0;
            for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next())
                ++attributes;
            extent.attributes += attributes;
            extent.elementAttributes = std::max(extent.elementAttributes, attributes);
        }
        if (node->FirstChild()) {
            node = node->FirstChild();
            ++depth;
            continue;
        }
        while (node != &root && !node->NextSibling()) {
            node = node->Parent();
            --depth;
        }
        node = node == &root ? nullptr : node->NextSibling();
    }
    return extent;
}

} // namespace inktest

#endif
