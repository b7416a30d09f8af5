#ifndef PELM_PROCESSLIFETIME_H
#define PELM_PROCESSLIFETIME_H

// For objects meant to live until the process ends, with nothing that
// owns them: tells the leak checker of an AddressSanitizer build that the
// object (and what it holds) is kept on purpose.

#if defined(__SANITIZE_ADDRESS__)
#define PELM_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELM_LEAK_CHECKER 1
#endif
#endif

#ifdef PELM_LEAK_CHECKER
#include <sanitizer/lsan_interface.h>
#endif

namespace Pelm {

inline void keepUntilProcessEnds(const void* object)
{
#ifdef PELM_LEAK_CHECKER
    __lsan_ignore_object(object);
#else
    (void)object;
#endif
}

} // namespace Pelm

#endif
