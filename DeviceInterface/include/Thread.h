#ifndef DEVICEINTERFACE_THREAD_H
#define DEVICEINTERFACE_THREAD_H

#include <thread>

class DeviceManager;

// A thread running Run() once.
class Thread {
public:
    Thread() = default;
    // Joins a thread that was started; stop it before.
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts Run() on a new thread; false when one was started and not yet
    // joined, or the thread can't be made.
    bool Start();
    // Ends the thread; the base has nothing to stop.
    virtual bool Stop() { return false; }
    virtual void Run() = 0;

protected:
    // Start() succeeded and the thread was not joined yet.
    bool isStarted() const { return m_handle.joinable(); }
    // Waits for a started thread to end; false when none was started.
    bool Join();

private:
    std::thread m_handle;
};

// DeviceManager's device thread: arms the HID notifications and runs the
// manager's worker loop until it is told to finish.
class EventProcessingThread : public Thread {
public:
    explicit EventProcessingThread(DeviceManager& manager) : m_manager(manager) {}

    // Posts the manager's finish to the worker loop and joins; false when the
    // thread was not started.
    bool Stop() override;
    void Run() override;

private:
    DeviceManager& m_manager;
};

#endif
