#ifndef DRAVELLO_TESTS_FILESIZELIMIT_H
#define DRAVELLO_TESTS_FILESIZELIMIT_H

// A full disk for the scope, without privileges: the process's soft file
// size limit (RLIMIT_FSIZE) is lowered to `bytes`, with SIGXFSZ ignored, so
// that a write past it fails (EFBIG) as one on a full file system does
// (ENOSPC). Both are restored afterwards. And a write killed halfway.

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{bytes, previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous{};
    void (*previousHandler)(int) = SIG_DFL;
};

// Runs `write` in a child process that dies in the middle of it: the file
// size limit stops its writes after limitBytes, and the SIGXFSZ that comes
// with the next one ends the process as a kill would. True when the child
// ended that way.
inline bool killedMidWrite(const std::function<void()>& write, rlim_t limitBytes)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const rlimit small{limitBytes, limitBytes};
        ::setrlimit(RLIMIT_FSIZE, &small);
        write();
        ::_exit(0);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
}

} // namespace testsupport

#endif
