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

// Widens the dialog so that its window frame shows the whole title beside
// the frame's icon and buttons. Call it once the dialog has its text field.
void makeRoomForTitle(QInputDialog& dialog);

// Asks for one line of text, offering `text`, in a dialog titled "Scrivet
// Dravello" that shows its whole title; empty when the user cancels.
QString askLine(QWidget* parent, const QString& label, const QString& text);
