#ifndef PLATFORM_SIM_RECORDINGPROCESSRUNNER_H
#define PLATFORM_SIM_RECORDINGPROCESSRUNNER_H

// A process runner for tests: records every command, and either answers it
// as scripted, passes it on to another runner, or pretends it succeeded.

#include "ProcessRunner.h"

#include <map>
#include <string>
#include <vector>

namespace Platform {

class RecordingProcessRunner : public ProcessRunner {
public:
    struct Call {
        Command command;
        bool detached = false; // not waited for (startDetached or start)
    };

    // Starts nothing; every command counts as started and exiting with 0.
    RecordingProcessRunner() = default;
    // Passes every command without a scripted answer on to forwardTo.
    explicit RecordingProcessRunner(ProcessRunner& forwardTo) : forwardTo(&forwardTo) {}

    // Commands of this program are not run but answered with result.
    void answer(const std::string& program, ProcessResult result) { scripted[program] = result; }

    ProcessResult run(const Command& command) override;
    bool startDetached(const Command& command) override;
    // A program answered here has ended at once with its answer.
    std::unique_ptr<StartedProcess> start(const Command& command) override;

    const std::vector<Call>& calls() const { return recorded; }

private:
    ProcessResult answerFor(const Command& command, bool detached);

    ProcessRunner* forwardTo = nullptr;
    std::map<std::string, ProcessResult> scripted;
    std::vector<Call> recorded;
};

} // namespace Platform

#endif
