#include "Pause.h"

#include <mutex>
#include <thread>
#include <utility>

namespace Platform {

namespace {

void sleepFor(std::chrono::microseconds duration) { std::this_thread::sleep_for(duration); }

std::mutex& pauseMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Guarded by pauseMutex().
PauseFunction& activePause()
{
    static PauseFunction function = sleepFor;
    return function;
}

PauseFunction exchangePause(PauseFunction replacement)
{
    std::lock_guard<std::mutex> lock(pauseMutex());
    return std::exchange(activePause(), std::move(replacement));
}

} // namespace

void pause(std::chrono::microseconds duration)
{
    PauseFunction function;
    {
        std::lock_guard<std::mutex> lock(pauseMutex());
        function = activePause();
    }
    function(duration);
}

PauseOverride::PauseOverride(PauseFunction replacement)
    : previous(exchangePause(std::move(replacement)))
{
}

PauseOverride::~PauseOverride() { exchangePause(std::move(previous)); }

} // namespace Platform
