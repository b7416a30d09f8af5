#ifndef DRAVELLO_SCENE_PAPERRECTANGLE_H
#define DRAVELLO_SCENE_PAPERRECTANGLE_H

#include <QRectF>

// The settings' paper size as a rectangle centred on the origin, in tenths
// of a millimetre.
QRectF centredPaperRectangle();

#endif
