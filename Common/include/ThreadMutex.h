#ifndef PELM_THREADMUTEX_H
#define PELM_THREADMUTEX_H

#include <pthread.h>

namespace Pelm {

// Process-local recursive mutex.
class ThreadMutex {
public:
    ThreadMutex();
    ~ThreadMutex();
    ThreadMutex(const ThreadMutex&) = delete;
    ThreadMutex& operator=(const ThreadMutex&) = delete;

    bool Acquire();
    // Returns the result of the unlock call (0 on success).
    int Release();

private:
    pthread_mutex_t mutex;
};

// Scoped lock on a ThreadMutex.
class MutexGuard {
public:
    explicit MutexGuard(ThreadMutex& m);
    ~MutexGuard();
    MutexGuard(const MutexGuard&) = delete;
    MutexGuard& operator=(const MutexGuard&) = delete;

private:
    ThreadMutex& mutex;
};

} // namespace Pelm

#endif
