#pragma once

#include <QInputDialog>

// A text input dialog that cuts its text to a maximum length and says so in its
// tool tip until the text is short enough again.
class LimitedInputDialog : public QInputDialog
{
    Q_OBJECT

public:
    LimitedInputDialog(QWidget* parent, const QString& label, int maxLength);

public slots:
    void handleTextValueChanged(const QString& text);

private:
    int m_maxLength;
};
