#ifndef DRAVELLO_TREE_TREEPROMPTS_H
#define DRAVELLO_TREE_TREEPROMPTS_H

// The message boxes of the folder commands, titled with the program's name.

#include <QString>

class QWidget;

// A question with OK and Cancel and no default button; true for OK.
bool userConfirms(QWidget* parent, const QString& text);

// A warning with OK alone.
void warnUser(QWidget* parent, const QString& text);

#endif
