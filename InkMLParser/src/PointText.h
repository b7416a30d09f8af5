#ifndef PELM_POINTTEXT_H
#define PELM_POINTTEXT_H

#include "Point.h"

#include <string>
#include <string_view>

namespace Pelm {

// Walks the maximal runs of characters other than the delimiter, left to right.
class Pieces {
public:
    Pieces(std::string_view text, char delimiter);
    bool next(std::string_view& piece);

private:
    std::string_view text;
    std::string_view::size_type position;
    char delimiter;
};

// Appends "x y z pressure tiltX tiltY timestamp": coordinates in general
// notation with six significant digits, integers in full. Independent of
// the C locale.
void appendPointText(std::string& text, const Point& point);

// Reads the blank-separated fields of text into point in the order above;
// fields after the last one present keep their values. A coordinate that
// does not start with a finite number reads as 0. False, and point
// unchanged, when text holds no field. text must lie inside a string that
// goes on with a blank, a comma or its terminating null after it.
bool readPointText(std::string_view text, Point& point);

} // namespace Pelm

#endif
