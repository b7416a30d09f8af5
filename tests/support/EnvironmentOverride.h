#ifndef DRAVELLO_TESTS_ENVIRONMENTOVERRIDE_H
#define DRAVELLO_TESTS_ENVIRONMENTOVERRIDE_H

// Sets (or, with a null value, removes) an environment variable for the
// scope and restores the previous state afterwards.

#include <cstdlib>
#include <string>

namespace testsupport {

class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const char* value) : name(name)
    {
        if (const char* old = std::getenv(name)) {
            previous = old;
            hadValue = true;
        }
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvironmentOverride()
    {
        if (hadValue)
            setenv(name, previous.c_str(), 1);
        else
            unsetenv(name);
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const char* name;
    std::string previous;
    bool hadValue = false;
};

} // namespace testsupport

#endif
