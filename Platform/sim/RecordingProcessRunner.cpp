#include "RecordingProcessRunner.h"

#include <sys/eventfd.h>
#include <unistd.h>

namespace Platform {

namespace {

// A program that has already ended: its descriptor is readable from the start.
class EndedProcess : public StartedProcess {
public:
    explicit EndedProcess(ProcessResult result) : result(result), descriptor(::eventfd(1, EFD_CLOEXEC)) {}
    ~EndedProcess() override
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    int exitDescriptor() const override { return descriptor; }
    ProcessResult finish() override { return result; }

private:
    const ProcessResult result;
    const int descriptor;
};

} // namespace

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

std::unique_ptr<StartedProcess> RecordingProcessRunner::start(const Command& command)
{
    const auto found = scripted.find(command.program);
    if (found == scripted.end() && forwardTo) {
        recorded.push_back({command, true});
        return forwardTo->start(command);
    }
    const ProcessResult result = answerFor(command, true);
    if (!result.started)
        return nullptr;
    return std::make_unique<EndedProcess>(result);
}

} // namespace Platform
