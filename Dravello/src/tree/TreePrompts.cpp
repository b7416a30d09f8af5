#include "TreePrompts.h"

#include "UserPrompt.h"

bool userConfirms(QWidget* parent, const QString& text)
{
    PromptRequest request = PromptRequest::message(QMessageBox::Question, text);
    request.parent = parent;
    request.buttons = QMessageBox::Ok | QMessageBox::Cancel;
    return askUser(request) == QMessageBox::Ok;
}

void warnUser(QWidget* parent, const QString& text)
{
    PromptRequest request = PromptRequest::message(QMessageBox::Warning, text);
    request.parent = parent;
    askUser(request);
}
