#include "ReadingBudget.h"

ReadingBudget::ReadingBudget(std::size_t bytes) : m_capacity(bytes) {}

bool ReadingBudget::claim(std::size_t bytes)
{
    std::unique_lock<std::mutex> lock(m_lock);
    // A claim larger than the budget, running alone, leaves no room at all.
    m_changed.wait(lock, [&] {
        return m_closed || m_claimed == 0 ||
               (m_claimed <= m_capacity && bytes <= m_capacity - m_claimed);
    });
    if (m_closed)
        return false;
    m_claimed += bytes;
    return true;
}

void ReadingBudget::release(std::size_t bytes)
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_claimed -= bytes;
    }
    m_changed.notify_all();
}

void ReadingBudget::close()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_closed = true;
    }
    m_changed.notify_all();
}
