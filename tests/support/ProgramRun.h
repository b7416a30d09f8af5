#ifndef DRAVELLO_TESTS_PROGRAMRUN_H
#define DRAVELLO_TESTS_PROGRAMRUN_H

// One start of a built program, in a folder and with an environment of its
// own, killed when the object goes if it still runs. Its standard error is
// collected line by line with the time each line came.

#include "FakeSystemRoot.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

class ProgramRun {
public:
    using Clock = std::chrono::steady_clock;

    // argv[0] is the program's file name, found through the environment's PATH.
    ProgramRun(const std::filesystem::path& program, const std::filesystem::path& folder,
               std::vector<std::string> arguments, std::vector<std::string> environment)
    {
        int errors[2];
        if (::pipe2(errors, O_CLOEXEC) != 0)
            return;
        arguments.insert(arguments.begin(), program.filename().string());
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
        const std::vector<char*> argv = pointers(arguments);
        const std::vector<char*> envp = pointers(environment);
        started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0;
        posix_spawn_file_actions_destroy(&actions);
        ::close(errors[1]);
        const int readEnd = errors[0];
        collector = std::thread([this, readEnd] { collect(readEnd); });
    }

    ~ProgramRun()
    {
        if (running()) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (collector.joinable())
            collector.join();
    }

    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool running()
    {
        if (!started || ended)
            return false;
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            ended = Clock::now();
            exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1000;
        }
        return !ended;
    }

    // When the first line of standard error holding `text` came; none yet.
    std::optional<Clock::time_point> lineTime(const std::string& text) const
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (const auto& [line, when] : lines)
            if (line.find(text) != std::string::npos)
                return when;
        return std::nullopt;
    }

    std::string errors() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::string text;
        for (const auto& entry : lines)
            text += entry.first + "\n";
        return text;
    }

    bool started = false;
    std::optional<Clock::time_point> ended; // noticed by running()
    int exitCode = 0;                      // as the parent sees it: 1, or 255 for -1

private:
    static std::vector<char*> pointers(std::vector<std::string>& texts)
    {
        std::vector<char*> result;
        for (std::string& text : texts)
            result.push_back(text.data());
        result.push_back(nullptr);
        return result;
    }

    void collect(int readEnd)
    {
        std::string pending;
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(readEnd, buffer, sizeof buffer);
            if (got <= 0)
                break;
            pending.append(buffer, static_cast<std::size_t>(got));
            for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
                std::lock_guard<std::mutex> lock(mutex);
                lines.emplace_back(pending.substr(0, end), Clock::now());
                pending.erase(0, end + 1);
            }
        }
        ::close(readEnd);
    }

    pid_t pid = 0;
    mutable std::mutex mutex;
    std::vector<std::pair<std::string, Clock::time_point>> lines; // guarded by mutex
    std::thread collector;
};

// The environment of a start in the fake system: offscreen, quiet, this
// process's PATH and sanitizer options, HOME (unless `user` gives HOME or
// other XDG variables), the variables named in `passed` as this process has
// them, and the fake system root unless told otherwise.
inline std::vector<std::string> programEnvironment(const FakeSystemRoot& system,
                                                   std::vector<std::string> user = {},
                                                   const std::vector<std::string>& passed = {},
                                                   bool fakeSystemRoot = true)
{
    if (user.empty())
        user = {"HOME=" + system.homeFolder().string()};
    std::vector<std::string> environment = {
        "QT_QPA_PLATFORM=offscreen",
        "QT_LOGGING_RULES=*.debug=false",
    };
    if (fakeSystemRoot)
        environment.push_back("DRAVELLO_SYSTEM_ROOT=" + (system.path() / "root").string());
    std::vector<std::string> names = {"PATH", "ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS",
                                      "TSAN_OPTIONS"};
    names.insert(names.end(), passed.begin(), passed.end());
    for (const std::string& name : names)
        if (const char* value = std::getenv(name.c_str()))
            environment.push_back(name + "=" + value);
    environment.insert(environment.end(), user.begin(), user.end());
    return environment;
}

} // namespace testsupport

#endif
