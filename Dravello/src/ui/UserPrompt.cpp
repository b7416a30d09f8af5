#include "UserPrompt.h"

#include "Logger.h"

#include <QApplication>
#include <QThread>

#include <atomic>

const char* const kPromptTitle = "Scrivet Dravello";

namespace {

class MessageBoxPrompt : public UserPrompt {
public:
    QMessageBox::StandardButton ask(const PromptRequest& request) override
    {
        QMessageBox box(request.icon, request.title, request.text, request.buttons,
                        request.parent);
        if (request.defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(request.defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

std::atomic<UserPrompt*> installedPrompt{nullptr};

UserPrompt& currentPrompt()
{
    static MessageBoxPrompt messageBox;
    UserPrompt* replacement = installedPrompt.load();
    return replacement ? *replacement : messageBox;
}

} // namespace

PromptRequest PromptRequest::message(QMessageBox::Icon icon, const QString& text)
{
    PromptRequest request;
    request.icon = icon;
    request.title = QString::fromLatin1(kPromptTitle);
    request.text = text;
    return request;
}

UserPrompt* installUserPrompt(UserPrompt* replacement)
{
    return installedPrompt.exchange(replacement);
}

bool onGuiThread()
{
    const QApplication* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    return application && QThread::currentThread() == application->thread();
}

QMessageBox::StandardButton askUser(const PromptRequest& request)
{
    if (!onGuiThread()) {
        const QByteArray line = ("not shown off the GUI thread: " + request.text.simplified()).toUtf8();
        Pelm::Logger::WriteLog("UserPrompt", "askUser", line.constData(), Pelm::Logger::WARNING);
        return QMessageBox::NoButton;
    }
    return currentPrompt().ask(request);
}

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
