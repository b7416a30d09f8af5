#include "ReceiverPosition.h"

#include "ApplSettings.h"

#include <array>

namespace ReceiverPosition {

namespace {

struct Cell {
    const char* letters;
    int angle;
};

// Indexed by the position code.
constexpr std::array<Cell, 8> kCells{{
    {"ul", -45},
    {"um", 0},
    {"ur", 45},
    {"ml", -90},
    {"mr", 90},
    {"ll", -135},
    {"lm", 180},
    {"lr", 135},
}};

bool isKnown(int position) { return position >= 0 && position < int(kCells.size()); }

enum class Band { First, Middle, Last, Outside };

// Which third of [0, length) the coordinate falls in.
Band bandOf(double coordinate, double length)
{
    const double third = length / 3;
    if (coordinate >= 0 && coordinate < third)
        return Band::First;
    if (coordinate >= third && coordinate < length - third)
        return Band::Middle;
    if (coordinate >= length - third && coordinate < length)
        return Band::Last;
    return Band::Outside;
}

} // namespace

int getRposViaAngle(int angle)
{
    for (int position = 0; position < int(kCells.size()); ++position) {
        if (kCells[position].angle == angle)
            return position;
    }
    return Unknown;
}

QString angleText(int position)
{
    return QString::number(isKnown(position) ? kCells[position].angle : 0);
}

QString letters(int position)
{
    return QString::fromLatin1(kCells[isKnown(position) ? position : ApplSettings::UpperMiddle].letters);
}

int positionAt(double x, double y, double w, double h)
{
    const Band row = bandOf(y, h);
    if (row == Band::Outside)
        return ApplSettings::UpperMiddle;
    switch (bandOf(x, w)) {
    case Band::First:
        return row == Band::First    ? ApplSettings::UpperLeft
               : row == Band::Middle ? ApplSettings::MiddleLeft
                                     : ApplSettings::LowerLeft;
    case Band::Middle:
        if (row == Band::Middle)
            return x < w * 0.5 ? ApplSettings::MiddleLeft : ApplSettings::MiddleRight;
        return row == Band::First ? ApplSettings::UpperMiddle : ApplSettings::LowerMiddle;
    case Band::Last:
        return row == Band::First    ? ApplSettings::UpperRight
               : row == Band::Middle ? ApplSettings::MiddleRight
                                     : ApplSettings::LowerRight;
    case Band::Outside:
        break;
    }
    return ApplSettings::UpperMiddle;
}

} // namespace ReceiverPosition
