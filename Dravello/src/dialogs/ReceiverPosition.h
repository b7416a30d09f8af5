#ifndef DRAVELLO_DIALOGS_RECEIVERPOSITION_H
#define DRAVELLO_DIALOGS_RECEIVERPOSITION_H

// Where the receiver is clipped on the paper: a cell of a 3 x 3 grid over the
// page without the centre (ApplSettings::RECEIVER_POSITION), the angle text
// stored for it and the two letters that name its pictures.

#include <QString>

namespace ReceiverPosition {

// Returned where an angle names no position.
constexpr int Unknown = -1;

// The position stored as the angle in degrees, or Unknown.
int getRposViaAngle(int angle);

// The angle text of the position; "0" for a code outside 0..7.
QString angleText(int position);

// The two letters of the position ("ul", "um", ...); "um" for a code outside 0..7.
QString letters(int position);

// The cell under (x, y) in a picture of width w and height h. The middle row
// of the middle column splits at half the width; a point the grid does not
// take gives the upper middle cell.
int positionAt(double x, double y, double w, double h);

} // namespace ReceiverPosition

#endif
