#ifndef PLATFORM_UDEVLOCK_H
#define PLATFORM_UDEVLOCK_H

// libudev keeps process-wide state (the keys of its hash tables) that its
// calls change without a lock: it is not made to be called from two threads
// at once, even on separate contexts. Every call into it in this process,
// those made through hidapi and umockdev included, is made under this lock.

#include <mutex>

namespace Platform {

std::mutex& udevLock();

} // namespace Platform

#endif
