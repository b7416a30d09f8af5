#ifndef DRAVELLO_TESTS_TREEEXTENT_H
#define DRAVELLO_TESTS_TREEEXTENT_H

#include "XmlNesting.h"

#include <tinyxml.h>

#include <algorithm>

namespace inktest {

// Deepest element nesting and node count of the tree TinyXML built, walked
// without recursion.
inline Pelm::XmlNesting::Extent treeExtent(const TiXmlNode& root)
{
    Pelm::XmlNesting::Extent extent{0, 0};
    std::size_t depth = 0;
    const TiXmlNode* node = root.FirstChild();
    while (node) {
        ++extent.nodes;
        if (node->ToElement())
            extent.depth = std::max(extent.depth, depth + 1);
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
