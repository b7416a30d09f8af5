#ifndef PLATFORM_SIM_LOOPTARGET_H
#define PLATFORM_SIM_LOOPTARGET_H

// The loop a registration posts its callbacks to, until it is deactivated.

#include "RunLoop.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace PlatformSim {

class LoopTarget {
public:
    explicit LoopTarget(Platform::RunLoop& loop) : loop(&loop) {}

    bool isActive() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return active;
    }

    // Nothing is posted once this returns.
    void deactivate()
    {
        std::lock_guard<std::mutex> lock(mutex);
        active = false;
    }

    // Posts the task unless deactivated.
    void post(Platform::Task task)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (active)
            loop->post(std::move(task));
    }

private:
    Platform::RunLoop* loop;
    mutable std::mutex mutex;
    bool active = true;
};

// Registrations (anything with a LoopTarget named target) that still post.
template <class Registration>
int countActive(const std::vector<std::shared_ptr<Registration>>& registrations)
{
    return static_cast<int>(
        std::count_if(registrations.begin(), registrations.end(),
                      [](const auto& item) { return item->target.isActive(); }));
}

template <class Registration>
void dropInactive(std::vector<std::shared_ptr<Registration>>& registrations)
{
    registrations.erase(std::remove_if(registrations.begin(), registrations.end(),
                                       [](const auto& item) { return !item->target.isActive(); }),
                        registrations.end());
}

} // namespace PlatformSim

#endif
