#ifndef PLATFORM_SIM_RECORDINGSCRIPTRUNNER_H
#define PLATFORM_SIM_RECORDINGSCRIPTRUNNER_H

// A script runner for tests: records every script and answers with a set status.

#include "ScriptRunner.h"

#include <string>
#include <vector>

namespace Platform {

class RecordingScriptRunner : public ScriptRunner {
public:
    explicit RecordingScriptRunner(int status = 0) : status(status) {}

    int run(const std::string& source) override
    {
        recorded.push_back(source);
        return status;
    }

    const std::vector<std::string>& scripts() const { return recorded; }

private:
    int status;
    std::vector<std::string> recorded;
};

} // namespace Platform

#endif
