#ifndef PLATFORM_PAUSE_H
#define PLATFORM_PAUSE_H

// Blocking pauses of the calling thread. Every fixed wait of the program
// goes through pause(), so tests can make them instant or record them.

#include <chrono>
#include <functional>

namespace Platform {

using PauseFunction = std::function<void(std::chrono::microseconds)>;

// Blocks the calling thread for the duration (or whatever the override does).
void pause(std::chrono::microseconds duration);

// Replaces how pauses are spent while it lives; the previous way comes back
// on destruction. Callable while other threads pause.
class PauseOverride {
public:
    explicit PauseOverride(PauseFunction replacement);
    ~PauseOverride();
    PauseOverride(const PauseOverride&) = delete;
    PauseOverride& operator=(const PauseOverride&) = delete;

private:
    PauseFunction previous;
};

} // namespace Platform

#endif
