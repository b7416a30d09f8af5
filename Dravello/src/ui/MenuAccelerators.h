#ifndef DRAVELLO_UI_MENUACCELERATORS_H
#define DRAVELLO_UI_MENUACCELERATORS_H

#include <QString>

class QMenu;

// `text` (shown as it is) with an accelerator that no entry of `menu` has
// yet: the first free initial of its words, else its first free letter or
// digit, else none.
QString withFreeAccelerator(const QString& text, const QMenu& menu);

#endif
