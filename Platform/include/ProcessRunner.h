#ifndef PLATFORM_PROCESSRUNNER_H
#define PLATFORM_PROCESSRUNNER_H

// Starting other programs. A program is always started with its own argument
// list, never through a shell, so no argument is ever interpreted.

#include <memory>
#include <string>
#include <vector>

namespace Platform {

struct Command {
    std::string program; // looked up in PATH when it holds no "/"
    std::vector<std::string> arguments;

    // The command as one line for logs: arguments holding anything but
    // plain characters are shown in double quotes.
    std::string text() const;
};

struct ProcessResult {
    bool started = false; // false: the program could not be started at all
    int exitStatus = -1;  // its exit status; -1 when it did not start or did not exit normally
    int error = 0;        // errno of a start that failed

    bool succeeded() const { return started && exitStatus == 0; }
};

// A program that was started and is not waited for. Its end makes
// exitDescriptor() readable (a descriptor to watch, or -1 when its end cannot
// be seen); finish() then says how it ended. Letting the object go ends
// nothing: the program runs on.
class StartedProcess {
public:
    virtual ~StartedProcess() = default;
    virtual int exitDescriptor() const = 0;
    // Once exitDescriptor() is readable: how the program ended.
    virtual ProcessResult finish() = 0;
};

class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;

    // Runs the command and waits until it ends.
    virtual ProcessResult run(const Command& command) = 0;

    // Starts the command and returns at once; nothing waits for it or sees
    // how it ends. True when the program was started.
    virtual bool startDetached(const Command& command) = 0;

    // Starts the command and returns at once, with what tells when and how
    // it ends; null when the program could not be started.
    virtual std::unique_ptr<StartedProcess> start(const Command& command) = 0;
};

// The runner that really starts programs.
ProcessRunner& systemProcessRunner();

} // namespace Platform

#endif
