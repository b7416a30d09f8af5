#ifndef PLATFORM_SCRIPTRUNNER_H
#define PLATFORM_SCRIPTRUNNER_H

// Compiling and running a script text in the system's scripting component
// (AppleScript on the Mac).

#include <string>

namespace Platform {

// The status when no scripting component can be opened (paramErr).
constexpr int scriptingUnavailable = -50;

class ScriptRunner {
public:
    virtual ~ScriptRunner() = default;

    // Compiles and runs the script; 0 when it ran, else the status of the
    // step that failed.
    virtual int run(const std::string& source) = 0;
};

// The system's scripting component; this platform has none, so every
// script ends with scriptingUnavailable.
ScriptRunner& systemScriptRunner();

} // namespace Platform

#endif
