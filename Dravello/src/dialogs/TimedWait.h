#ifndef DRAVELLO_DIALOGS_TIMEDWAIT_H
#define DRAVELLO_DIALOGS_TIMEDWAIT_H

// A fixed wait of the program that keeps the GUI thread serving events: the
// step runs from the event loop once the time has passed. Tests change how
// long the waits last (TimedWaitOverride), as Platform::PauseOverride does
// for the blocking pauses. GUI thread only.

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class TimedWait : public QObject {
    Q_OBJECT

public:
    explicit TimedWait(QObject* parent = nullptr);

    // Runs `step` once after `duration`; a wait still running is dropped.
    void start(std::chrono::milliseconds duration, std::function<void()> step);
    // Drops the wait: its step does not run.
    void cancel();
    bool isRunning() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<void()> m_step;
};

// How long a wait asked for this long lasts.
using WaitLength = std::function<std::chrono::milliseconds(std::chrono::milliseconds)>;

// Replaces how long waits last while it lives; the previous way comes back
// on destruction.
class TimedWaitOverride {
public:
    explicit TimedWaitOverride(WaitLength length);
    ~TimedWaitOverride();
    TimedWaitOverride(const TimedWaitOverride&) = delete;
    TimedWaitOverride& operator=(const TimedWaitOverride&) = delete;

private:
    WaitLength m_previous;
};

#endif
