#include "ScriptRunner.h"

namespace Platform {

namespace {

class NoScriptingComponent : public ScriptRunner {
public:
    int run(const std::string&) override { return scriptingUnavailable; }
};

} // namespace

ScriptRunner& systemScriptRunner()
{
    static NoScriptingComponent runner;
    return runner;
}

} // namespace Platform
