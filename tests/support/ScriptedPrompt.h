#ifndef DRAVELLO_TESTS_SCRIPTEDPROMPT_H
#define DRAVELLO_TESTS_SCRIPTEDPROMPT_H

// Answers every prompt in place of the user while it lives: records each
// request and gives the scripted answers in turn (Ok once they run out).

#include "UserPrompt.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>

class ScriptedPrompt : public UserPrompt {
public:
    ScriptedPrompt() : previous(installUserPrompt(this)) {}
    ~ScriptedPrompt() override { installUserPrompt(previous); }
    ScriptedPrompt(const ScriptedPrompt&) = delete;
    ScriptedPrompt& operator=(const ScriptedPrompt&) = delete;

    QMessageBox::StandardButton ask(const PromptRequest& request) override
    {
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
            askedOffGuiThread = true;
            return QMessageBox::NoButton;
        }
        requests.append(request);
        if (whileAsked)
            whileAsked(request);
        return answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const PromptRequest& request : requests)
            result << request.text;
        return result;
    }

    void clear() { requests.clear(); }

    QList<PromptRequest> requests;
    QList<QMessageBox::StandardButton> answers;
    std::atomic<bool> askedOffGuiThread{false};
    // Runs while a request is open, before it is answered.
    std::function<void(const PromptRequest&)> whileAsked;

private:
    UserPrompt* previous;
};

#endif
