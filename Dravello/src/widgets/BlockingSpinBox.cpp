#include "BlockingSpinBox.h"

BlockingSpinBox::BlockingSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
}

void BlockingSpinBox::focusInEvent(QFocusEvent* event)
{
    emit enableEnterKeyHandling(false);
    QSpinBox::focusInEvent(event);
}

void BlockingSpinBox::focusOutEvent(QFocusEvent* event)
{
    emit enableEnterKeyHandling(true);
    QSpinBox::focusOutEvent(event);
}
