#ifndef HLV_PATHGEOMETRY_H
#define HLV_PATHGEOMETRY_H

// The segments and the pressure profile of one imported path.

#include "HostTypes.h"

#include <vector>

// One smooth segment per anchor (two or more): each handle lies on the
// neighbouring anchor, the ends' outer handles on the end itself.
std::vector<AIPathSegment> makePathSegments(const std::vector<AIRealPoint>& anchors);

// One entry per pressure (two or more): offsets from exactly 0 to exactly 1
// in single precision, values pressure / 1024.
std::vector<AITabletProfile> makePressureProfile(const std::vector<unsigned int>& pressures);

#endif
