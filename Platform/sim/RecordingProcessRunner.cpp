#include "RecordingProcessRunner.h"

namespace Platform {

ProcessResult RecordingProcessRunner::answerFor(const Command& command, bool detached)
{
    recorded.push_back({command, detached});
    const auto found = scripted.find(command.program);
    if (found != scripted.end())
        return found->second;
    if (!forwardTo)
        return {true, 0, 0};
    if (detached)
        return {forwardTo->startDetached(command), 0, 0};
    return forwardTo->run(command);
}

ProcessResult RecordingProcessRunner::run(const Command& command)
{
    return answerFor(command, false);
}

bool RecordingProcessRunner::startDetached(const Command& command)
{
    return answerFor(command, true).started;
}

} // namespace Platform
