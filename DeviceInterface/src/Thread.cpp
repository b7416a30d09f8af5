#include "Thread.h"

#include "DeviceManager.h"

#include <system_error>

Thread::~Thread() { Join(); }

bool Thread::Start()
{
    if (isStarted())
        return false;
    try {
        m_handle = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
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
