#ifndef DRAVELLO_LOADER_READINGBUDGET_H
#define DRAVELLO_LOADER_READINGBUDGET_H

#include <condition_variable>
#include <cstddef>
#include <mutex>

// Memory shared by reads that run at once on several threads: a read
// claims what it is expected to take before it starts and gives it back
// when it is done. A claim waits while the claims held leave it too little
// room; one larger than the whole budget waits until no other is held and
// then runs alone.
class ReadingBudget {
public:
    explicit ReadingBudget(std::size_t bytes);
    ReadingBudget(const ReadingBudget&) = delete;
    ReadingBudget& operator=(const ReadingBudget&) = delete;

    // True once the bytes are claimed; false, claiming nothing, when the
    // budget was closed before or while the claim waited.
    bool claim(std::size_t bytes);
    void release(std::size_t bytes);
    // Ends every waiting claim and refuses those to come.
    void close();

private:
    const std::size_t m_capacity;
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::size_t m_claimed = 0;
    bool m_closed = false;
};

#endif
