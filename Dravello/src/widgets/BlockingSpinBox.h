#pragma once

#include <QSpinBox>

// A spin box that tells its users when it holds the keyboard focus, so they can
// pause their own Return and Enter handling meanwhile.
class BlockingSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit BlockingSpinBox(QWidget* parent = nullptr);

signals:
    // false when the spin box gains the focus, true when it loses it
    void enableEnterKeyHandling(bool enable);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
