#include "TimedWait.h"

#include <utility>

namespace {

WaitLength& activeLength()
{
    static WaitLength length = [](std::chrono::milliseconds asked) { return asked; };
    return length;
}

} // namespace

TimedWait::TimedWait(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    // Coarse timers may end a wait of seconds early by some hundred milliseconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // The step may start the next wait.
        const std::function<void()> step = std::exchange(m_step, nullptr);
        if (step)
            step();
    });
}

void TimedWait::start(std::chrono::milliseconds duration, std::function<void()> step)
{
    m_step = std::move(step);
    m_timer.start(activeLength()(duration));
}

void TimedWait::cancel()
{
    m_timer.stop();
    m_step = nullptr;
}

TimedWaitOverride::TimedWaitOverride(WaitLength length)
    : m_previous(std::exchange(activeLength(), std::move(length)))
{
}

TimedWaitOverride::~TimedWaitOverride() { activeLength() = std::move(m_previous); }
