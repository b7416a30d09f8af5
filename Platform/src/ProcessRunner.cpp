#include "ProcessRunner.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace Platform {

namespace {

bool plainCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || std::strchr("-_./,=+:@%", c) != nullptr;
}

void appendShown(std::string& line, const std::string& argument)
{
    const bool plain = !argument.empty()
        && std::all_of(argument.begin(), argument.end(), plainCharacter);
    if (plain) {
        line += argument;
        return;
    }
    line += '"';
    for (char c : argument) {
        if (c == '"' || c == '\\')
            line += '\\';
        line += c;
    }
    line += '"';
}

// argv for exec: the program name, the arguments, a null end. Points into command.
std::vector<char*> argumentVector(const Command& command)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(command.program.c_str()));
    for (const std::string& argument : command.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

bool executableFile(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)
        && ::access(path.c_str(), X_OK) == 0;
}

// The file that exec would start: the program itself when it names a path,
// else the first executable of that name in PATH; empty when there is none.
std::string resolveProgram(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return program;
    const char* pathVariable = std::getenv("PATH");
    const std::string folders = pathVariable ? pathVariable : "/usr/bin:/bin";
    std::size_t begin = 0;
    while (begin <= folders.size()) {
        std::size_t end = folders.find(':', begin);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = end > begin ? folders.substr(begin, end - begin) : ".";
        const std::string candidate = folder + "/" + program;
        if (executableFile(candidate))
            return candidate;
        begin = end + 1;
    }
    return {};
}

pid_t waitForChild(pid_t child, int& status)
{
    pid_t result;
    do
        result = ::waitpid(child, &status, 0);
    while (result < 0 && errno == EINTR);
    return result;
}

ProcessResult resultOf(int status)
{
    return {true, WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0};
}

// A child of this process, its end seen through a process descriptor.
class SpawnedProcess : public StartedProcess {
public:
    explicit SpawnedProcess(pid_t child)
        : child(child), descriptor(static_cast<int>(::syscall(SYS_pidfd_open, child, 0)))
    {
    }
    ~SpawnedProcess() override
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }

    int exitDescriptor() const override { return descriptor; }

    ProcessResult finish() override
    {
        int status = 0;
        pid_t ended;
        do
            ended = ::waitpid(child, &status, WNOHANG);
        while (ended < 0 && errno == EINTR);
        if (ended != child)
            return {true, -1, ended < 0 ? errno : 0};
        return resultOf(status);
    }

private:
    const pid_t child;
    const int descriptor; // O_CLOEXEC, as every process descriptor
};

class SystemProcessRunner : public ProcessRunner {
public:
    ProcessResult run(const Command& command) override
    {
        pid_t child = 0;
        if (const int error = spawn(command, child))
            return {false, -1, error};
        int status = 0;
        if (waitForChild(child, status) < 0)
            return {true, -1, errno};
        return resultOf(status);
    }

    std::unique_ptr<StartedProcess> start(const Command& command) override
    {
        pid_t child = 0;
        if (spawn(command, child) != 0)
            return nullptr;
        return std::make_unique<SpawnedProcess>(child);
    }

    // Forks twice so that the program is nobody's child here; the grandchild
    // reports a failed exec through a pipe that a successful exec closes.
    bool startDetached(const Command& command) override
    {
        const std::string path = resolveProgram(command.program);
        if (path.empty())
            return false;
        std::vector<char*> argv = argumentVector(command);
        int report[2];
        if (::pipe2(report, O_CLOEXEC) != 0)
            return false;
        const pid_t child = ::fork();
        if (child == 0) {
            // Only async-signal-safe calls below: this process is a copy of a threaded one.
            ::setsid();
            const pid_t grandchild = ::fork();
            if (grandchild == 0) {
                ::execve(path.c_str(), argv.data(), environ);
                const int error = errno;
                [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
                ::_exit(127);
            }
            ::_exit(grandchild < 0 ? 1 : 0);
        }
        ::close(report[1]);
        bool started = false;
        if (child > 0) {
            int status = -1;
            const bool childDone = waitForChild(child, status) == child && WIFEXITED(status)
                && WEXITSTATUS(status) == 0;
            int error = 0;
            ssize_t length;
            do
                length = ::read(report[0], &error, sizeof error);
            while (length < 0 && errno == EINTR);
            started = childDone && length == 0;
        }
        ::close(report[0]);
        return started;
    }

private:
    // 0 when the program was started as `child`, else the error.
    static int spawn(const Command& command, pid_t& child)
    {
        std::vector<char*> argv = argumentVector(command);
        return ::posix_spawnp(&child, command.program.c_str(), nullptr, nullptr, argv.data(), environ);
    }
};

} // namespace

std::string Command::text() const
{
    std::string line;
    appendShown(line, program);
    for (const std::string& argument : arguments) {
        line += ' ';
        appendShown(line, argument);
    }
    return line;
}

ProcessRunner& systemProcessRunner()
{
    static SystemProcessRunner runner;
    return runner;
}

} // namespace Platform
