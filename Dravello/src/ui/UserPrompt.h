#ifndef DRAVELLO_UI_USERPROMPT_H
#define DRAVELLO_UI_USERPROMPT_H

// Every message box of the program goes through askUser(). Tests install a
// scripted answerer in place of the message box, and nothing modal ever opens
// off the GUI thread.

#include <QMessageBox>
#include <QString>

class QWidget;

// Title of the program's message boxes.
extern const char* const kPromptTitle;

struct PromptRequest {
    QMessageBox::Icon icon = QMessageBox::Information;
    QWidget* parent = nullptr;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;

    // The common box: no parent, the program's title, one Ok button.
    static PromptRequest message(QMessageBox::Icon icon, const QString& text);
};

// Answers a request in place of the user.
class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    virtual QMessageBox::StandardButton ask(const PromptRequest& request) = 0;
};

// Makes `replacement` (not owned) answer every request; nullptr restores the
// message box. Returns the replacement installed before.
UserPrompt* installUserPrompt(UserPrompt* replacement);

// True on the thread of the running QApplication.
bool onGuiThread();

// On the GUI thread: the answer of the installed prompt (a modal message box
// unless replaced). On any other thread nothing is shown: the text goes to the
// log and the answer is QMessageBox::NoButton.
QMessageBox::StandardButton askUser(const PromptRequest& request);

// A question with OK and Cancel and no default button; true for OK.
bool userConfirms(QWidget* parent, const QString& text);

// A warning with OK alone.
void warnUser(QWidget* parent, const QString& text);

#endif
