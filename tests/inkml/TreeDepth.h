#ifndef DRAVELLO_TESTS_TREEDEPTH_H
#define DRAVELLO_TESTS_TREEDEPTH_H

#include <tinyxml.h>

#include <algorithm>
#include <cstddef>

namespace inktest {

// Deepest element nesting of the tree TinyXML built, walked without recursion.
inline std::size_t treeDepth(const TiXmlNode& root)
{
    std::size_t deepest = 0;
    std::size_t depth = 0;
    const TiXmlNode* node = root.FirstChild();
    while (node) {
        if (node->ToElement())
            deepest = std::max(deepest, depth + 1);
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
    return deepest;
}

} // namespace inktest

#endif
