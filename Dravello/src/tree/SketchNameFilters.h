#ifndef DRAVELLO_TREE_SKETCHNAMEFILTERS_H
#define DRAVELLO_TREE_SKETCHNAMEFILTERS_H

#include <QStringList>

// The name patterns of sketch files from the settings ("fileformats/extensions",
// attribute "list"), split at every single space with empty parts kept.
QStringList sketchNameFilters();

#endif
