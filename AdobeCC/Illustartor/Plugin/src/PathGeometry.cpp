#include "PathGeometry.h"

#include <algorithm>

std::vector<AIPathSegment> makePathSegments(const std::vector<AIRealPoint>& anchors)
{
    const std::size_t last = anchors.size() - 1;
    std::vector<AIPathSegment> segments(anchors.size());
    for (std::size_t i = 0; i <= last; ++i)
        segments[i] = {anchors[i], anchors[i ? i - 1 : 0], anchors[std::min(i + 1, last)], false};
    return segments;
}

std::vector<AITabletProfile> makePressureProfile(const std::vector<unsigned int>& pressures)
{
    const float last = static_cast<float>(pressures.size() - 1);
    std::vector<AITabletProfile> profile(pressures.size());
    for (std::size_t i = 0; i < pressures.size(); ++i)
        profile[i] = {static_cast<double>(static_cast<float>(i) / last), pressures[i] / 1024.0};
    return profile;
}
