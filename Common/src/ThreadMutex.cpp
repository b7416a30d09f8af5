#include "ThreadMutex.h"

namespace Pelm {

ThreadMutex::ThreadMutex()
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

ThreadMutex::~ThreadMutex() { pthread_mutex_destroy(&mutex); }

bool ThreadMutex::Acquire()
{
    pthread_mutex_lock(&mutex);
    return true;
}

int ThreadMutex::Release() { return pthread_mutex_unlock(&mutex); }

MutexGuard::MutexGuard(ThreadMutex& m) : mutex(m) { mutex.Acquire(); }

MutexGuard::~MutexGuard() { mutex.Release(); }

} // namespace Pelm
