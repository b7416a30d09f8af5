#ifndef DRAVELLO_DOCUMENT_RECEIVERPOSITION_H
#define DRAVELLO_DOCUMENT_RECEIVERPOSITION_H

// Where the receiver was clipped on the paper turns the sketch it records: a
// receiver at the side of the page sees the page turned by the angle of its
// position. A WPI sketch is turned back and moved onto the paper once, right
// after it is read.

#include <QSizeF>
#include <QString>

#include <optional>

struct ReceiverCorrection {
    float radians; // the turn about the origin, applied first
    double dx;     // then the shift, in tenths of a millimetre
    double dy;
};

// The correction for the receiver angle text of the settings (degrees) on
// paper of the given size. None for an angle of 0 (also after normalising
// into [-180, 180]) and for text that is not a finite number.
std::optional<ReceiverCorrection> receiverCorrection(const QString& angleText, const QSizeF& paper);

#endif
