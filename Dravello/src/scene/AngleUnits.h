#ifndef DRAVELLO_SCENE_ANGLEUNITS_H
#define DRAVELLO_SCENE_ANGLEUNITS_H

// The one conversion from the whole degrees kept on scenes and settings to
// the radians the ink model turns by.

constexpr double kPi = 3.14159265358979323846;

// Degrees to radians in double precision, narrowed to the single precision
// of Pelm::Region::rotate.
inline float degreesToRadians(double degrees)
{
    return static_cast<float>(degrees * kPi / 180.0);
}

#endif
