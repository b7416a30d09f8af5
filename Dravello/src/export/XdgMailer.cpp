#include "XdgMailer.h"

XdgMailer::XdgMailer(Platform::ProcessRunner& runner) : m_runner(runner) {}

int XdgMailer::EmailAttachedDcoument(std::string path)
{
    return m_runner.startDetached(mailCommand(path)) ? 0 : kNoMailProgram;
}

Platform::Command XdgMailer::mailCommand(const std::string& path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return {"xdg-email", {"--subject", name, "--attach", path}};
}
