#include "Thread.h"

#include "DeviceManager.h"

#include <system_error>

Thread::~Thread() { Join(); }

bool Thread::Start()
{
    if (isStarted())
        return false;
    m_running = true;
    try {
        m_handle = std::thread(_ThreadProc, this);
    } catch (const std::system_error&) {
        m_running = false;
        return false;
    }
    return true;
}

bool Thread::Join()
{
    if (!m_handle.joinable())
        return false;
    m_handle.join();
    return true;
}

void Thread::_ThreadProc(Thread* thread)
{
    thread->Run();
    thread->m_running = false;
}

bool EventProcessingThread::Stop()
{
    if (!isStarted())
        return false;
    m_manager.postFinish();
    return Join();
}

void EventProcessingThread::Run()
{
    if (!m_manager.internalInit())
        m_manager.internalFinish();
}
