#include "XdgMailer.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <memory>

XdgMailer::XdgMailer(Platform::ProcessRunner& runner) : m_runner(runner) {}

int XdgMailer::EmailAttachedDcoument(std::string path) { return mailAndFollow(std::move(path), {}); }

int XdgMailer::mailAndFollow(std::string path, LateFailure failedLater)
{
    const std::shared_ptr<Platform::StartedProcess> tool = m_runner.start(mailCommand(path));
    if (!tool)
        return kNoMailProgram;
    if (tool->exitDescriptor() < 0)
        return 0;
    // Owned by the application: a watch still open at exit goes with it, and the tool runs on.
    auto* watch = new QSocketNotifier(tool->exitDescriptor(), QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(watch, &QSocketNotifier::activated, watch, [watch, tool, failedLater] {
        watch->setEnabled(false);
        watch->deleteLater();
        const Platform::ProcessResult result = tool->finish();
        if (!result.succeeded() && failedLater)
            failedLater(result.exitStatus >= 0 ? result.exitStatus : kNoMailProgram);
    });
    return 0;
}

Platform::Command XdgMailer::mailCommand(const std::string& path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return {"xdg-email", {"--subject", name, "--attach", path}};
}
